// The land of the sailing view: the land test, the land segments, the shore ranges and their
// order, clouds and hills.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/paint.h"
#include "view3d/camera.h"
#include "view3d/landscape.h"
#include "view3d/palette.h"
#include "world/angles.h"
#include "world/world.h"

namespace {

// A 1280x720 view (scene 460 rows high) from the origin, looking north at zoom 2.
std::unique_ptr<World> View(int zoom = 2) {
  auto w = std::make_unique<World>();
  ComputeScreenMetrics(*w, ScreenMetrics{1920, 1080, 32, 19, 0, 0});
  FillTrigTables(w->SinTable, w->CosTable);
  w->CameraDistance = zoom;
  w->BoatTack[1] = 1;
  w->BoatHeadings[1] = 6;  // the view looks straight north
  UpdateViewDirection(*w);
  SetSceneGeometry(*w, Rect{0, 0, w->ViewWidth, 460});
  return w;
}

std::unique_ptr<Canvas> Water(const World& w) {
  auto c = std::make_unique<Canvas>(w.ViewWidth, w.ViewHeight);
  c->BeginFrame();
  c->FillRect(Rect{0, 0, w.ViewWidth, w.ViewHeight}, palette::kWater);
  return c;
}

int CountPixels(const Canvas& c, Color color, Rect area) {
  int n = 0;
  for (int y = std::max(area.top, 0); y < std::min(area.bottom, c.Height()); ++y) {
    for (int x = std::max(area.left, 0); x < std::min(area.right, c.Width()); ++x) n += c.GetPixel(x, y) == color;
  }
  return n;
}

int CountLand(const Canvas& c, Rect area) { return CountPixels(c, palette::kLandGreen, area); }

}  // namespace

TEST(LandTest, EitherGreenOrBlackAtThePointIsLand) {
  auto w = View();
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  EXPECT_FALSE(LandUnderPoint(*w, c, 100, 100));
  c.SetPixel(100, 100, palette::kLandDark);
  EXPECT_TRUE(LandUnderPoint(*w, c, 100, 100));
  c.SetPixel(200, 101, palette::kLandGreen);  // one row below counts
  EXPECT_TRUE(LandUnderPoint(*w, c, 200, 100));
  c.SetPixel(300, 100, palette::kBlack);  // monochrome land
  EXPECT_TRUE(LandUnderPoint(*w, c, 300, 100));
  c.SetPixel(400, 101, palette::kBlack);  // black one row below does not
  EXPECT_FALSE(LandUnderPoint(*w, c, 400, 100));
  c.SetPixel(500, 100, Rgb(0, 127, 0));  // another green is not land
  EXPECT_FALSE(LandUnderPoint(*w, c, 500, 100));
  // Off the canvas there is nothing, not black.
  EXPECT_FALSE(LandUnderPoint(*w, c, -5, 100));
  EXPECT_FALSE(LandUnderPoint(*w, c, 100, w->ViewHeight));
}

TEST(LandTest, FewColourDisplaysLookBelowAndBesideForTheLighterGreen) {
  auto w = View();
  w->ScreenBitsPerPixel = 8;
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  c.SetPixel(100, 100, palette::kLandGreen);  // at the point itself: not looked at
  EXPECT_FALSE(LandUnderPoint(*w, c, 100, 100));
  c.SetPixel(100, 104, palette::kLandGreen);
  EXPECT_TRUE(LandUnderPoint(*w, c, 100, 100));
  c.SetPixel(201, 104, palette::kLandGreen);
  EXPECT_TRUE(LandUnderPoint(*w, c, 200, 100));
  c.SetPixel(300, 104, palette::kLandDark);
  EXPECT_FALSE(LandUnderPoint(*w, c, 300, 100));
}

TEST(LandSegment, SkipsVerticalHiddenAndFarSegments) {
  auto w = View();
  const int t = w->SceneTop;
  w->ShoreExtentLeft[1] = 99999;
  w->ShoreExtentRight[1] = -99999;
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  const Rect all{0, 0, w->ViewWidth, w->ViewHeight};
  DrawLandSegment(*w, c, 300, 200, 300, 210, t, 50, 1);    // vertical
  DrawLandSegment(*w, c, -40, 200, -10, 210, t, 50, 1);    // left of the view
  DrawLandSegment(*w, c, 1300, 200, 1400, 210, t, 50, 1);  // right of it
  DrawLandSegment(*w, c, 300, t, 400, t - 5, t, 50, 1);    // at and above the horizon
  DrawLandSegment(*w, c, 300, 3000, 400, 2900, t, 50, 1);  // far below the view
  EXPECT_EQ(CountLand(c, all), 0);
  EXPECT_EQ(w->ShoreExtentLeft[1], 99999);

  DrawLandSegment(*w, c, 300, 200, 400, 210, t, 50, 1);
  EXPECT_GT(CountLand(c, all), 0);
  EXPECT_EQ(w->ShoreExtentLeft[1], 300);
  EXPECT_EQ(w->ShoreExtentRight[1], 400);
}

TEST(LandSegment, OnlyTheWaterSideOfTheShoreIsDrawn) {
  auto w = View();
  const int t = w->SceneTop;
  const Rect all{0, 0, w->ViewWidth, w->ViewHeight};
  struct Case {
    int area, quadrant, mirror, index;
    bool leftToRight;  // the direction in which the segment faces the camera
  };
  const Case cases[] = {
      {1, 1, 0, 50, true}, {1, 1, 1, 50, false},  {1, 3, 0, 50, false}, {1, 3, 1, 50, true},
      {3, 1, 0, 50, true}, {3, 1, 0, 200, false}, {4, 3, 0, 200, true}, {4, 3, 1, 200, false},
  };
  for (const Case& k : cases) {
    w->SailingArea = k.area;
    w->ShoreQuadrant = k.quadrant;
    w->MirrorScenery = k.mirror;
    auto facingOwner = Water(*w);
    Canvas& facing = *facingOwner;
    auto behindOwner = Water(*w);
    Canvas& behind = *behindOwner;
    const int a = k.leftToRight ? 300 : 400, b = k.leftToRight ? 400 : 300;
    DrawLandSegment(*w, facing, a, 200, b, 200, t, k.index, 1);
    DrawLandSegment(*w, behind, b, 200, a, 200, t, k.index, 1);
    EXPECT_GT(CountLand(facing, all), 0) << k.area << " " << k.quadrant << " " << k.mirror << " " << k.index;
    EXPECT_EQ(CountLand(behind, all), 0) << k.area << " " << k.quadrant << " " << k.mirror << " " << k.index;
  }
  // Scenery land is not one-sided.
  w->SailingArea = 2;
  auto eitherOwner = Water(*w);
  Canvas& either = *eitherOwner;
  DrawLandSegment(*w, either, 400, 200, 300, 200, t, 50, 1);
  EXPECT_GT(CountLand(either, all), 0);
}

TEST(LandSegment, TreesUnlessSimpleGraphics) {
  auto w = View();
  const int t = w->SceneTop;
  const Rect band{300, t, 600, 400};
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  DrawLandSegment(*w, c, 300, 380, 600, 390, t, 50, 1);
  EXPECT_GT(CountPixels(c, palette::kLandDark, band), 20);

  w->SimpleGraphics = 1;
  auto simpleOwner = Water(*w);
  Canvas& simple = *simpleOwner;
  DrawLandSegment(*w, simple, 300, 380, 600, 390, t, 50, 1);
  EXPECT_EQ(CountPixels(simple, palette::kLandDark, band), 0);
  EXPECT_GT(CountLand(simple, band), 1000);
}

TEST(LandSegment, NoBeachOverLandAlreadyThere) {
  auto w = View();
  const int t = w->SceneTop;
  const Rect below{300, 381, 400, 400};
  auto openOwner = Water(*w);
  Canvas& open = *openOwner;
  DrawLandSegment(*w, open, 300, 380, 400, 380, t, 50, 1);
  EXPECT_GT(CountPixels(open, palette::kBeach, below), 100);

  auto landedOwner = Water(*w);
  Canvas& landed = *landedOwner;
  landed.FillRect(Rect{290, 380, 310, 400}, palette::kLandGreen);
  DrawLandSegment(*w, landed, 300, 380, 400, 380, t, 50, 1);
  EXPECT_EQ(CountPixels(landed, palette::kBeach, below), 0);
  EXPECT_GT(CountLand(landed, Rect{300, t, 400, 380}), 1000);  // the land itself is drawn

  w->ScreenBitsPerPixel = 8;
  auto basicOwner = Water(*w);
  Canvas& basic = *basicOwner;
  DrawLandSegment(*w, basic, 300, 380, 400, 380, t, 50, 1);
  EXPECT_GT(CountPixels(basic, palette::kBeachBasic, below), 100);
}

TEST(LandSegment, LandNeverRisesAboveTheHorizon) {
  auto w = View();
  const int t = w->SceneTop;
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  for (int i = 1; i < 60; ++i) DrawLandSegment(*w, c, i * 20, t + i * 6, i * 20 + 20, t + i * 6 + 3, t, i, 1);
  // The band may reach three rows above the horizon, never more.
  EXPECT_EQ(CountLand(c, Rect{0, 0, w->ViewWidth, t - 3}), 0);
  EXPECT_GT(CountLand(c, Rect{0, t, w->ViewWidth, w->ViewHeight}), 10000);
}

TEST(ShoreRange, APointBehindTheCameraTakesBothItsSegments) {
  auto w = View();
  w->ActivityMode = 0;
  w->SailingArea = 1;
  w->ShoreQuadrant = 1;
  w->MirrorScenery = 0;
  const int xs[] = {0, -900, -500, -100, 0, 100, 500, 900};
  const int ys[] = {0, -300, -300, -300, 400, -300, -300, -300};
  for (int i = 1; i <= 7; ++i) {
    w->ShoreX[i] = xs[i];
    w->ShoreY[i] = ys[i];
  }
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  DrawShoreRange(*w, c, w->SceneTop, 1, 7, 1);
  EXPECT_GT(std::abs(w->ShoreScreenBearing[4]), 150);
  EXPECT_EQ(w->ShoreScreenY[1], w->SceneTop);  // the ends of a range sink to the horizon
  EXPECT_EQ(w->ShoreScreenY[7], w->SceneTop);
  const int left = w->ShoreScreenX[3], right = w->ShoreScreenX[5];
  ASSERT_LT(left, w->SceneCentreX);
  ASSERT_GT(right, w->SceneCentreX);
  const Rect all{0, 0, w->ViewWidth, w->ViewHeight};
  EXPECT_GT(CountLand(c, Rect{0, 0, left, w->ViewHeight}), 0);
  EXPECT_GT(CountLand(c, Rect{right, 0, w->ViewWidth, w->ViewHeight}), 0);
  EXPECT_EQ(CountLand(c, Rect{left + 1, 0, right - 1, w->ViewHeight}), 0);
  EXPECT_GT(CountLand(c, all), 0);

  // Outside free sailing the limit is 130 degrees; at zoom 4 no shore is drawn at all.
  w->CameraDistance = 4;
  SetSceneGeometry(*w, Rect{0, 0, w->ViewWidth, 460});
  auto planOwner = Water(*w);
  Canvas& plan = *planOwner;
  DrawShoreRange(*w, plan, w->SceneTop, 1, 7, 1);
  EXPECT_EQ(CountLand(plan, all), 0);
}

TEST(ShoreRange, OrderByAreaAndSide) {
  auto w = View();
  w->BayStart = {0, 30, 120, 217};
  w->SailingArea = 1;
  EXPECT_EQ(ShoreRangesInOrder(*w), (std::vector<ShoreRange>{{1, 33}, {220, 282}, {34, 123}, {124, 219}}));

  w->SailingArea = 3;
  w->BayStart = {0, 42, 110, 217};
  w->BoatY[1] = 0;
  EXPECT_EQ(ShoreRangesInOrder(*w), (std::vector<ShoreRange>{{1, 45}, {46, 113}, {114, 141}, {143, 219}, {219, 282}}));
  w->BoatY[1] = -0.5;
  EXPECT_EQ(ShoreRangesInOrder(*w), (std::vector<ShoreRange>{{1, 45}, {143, 219}, {219, 282}, {46, 113}, {114, 141}}));

  // The river's bays are numbered out of shore order: the ranges still run along the shore
  // and never join the two banks.
  w->SailingArea = 4;
  w->BayStart = {0, 32, 225, 95};
  w->BoatY[1] = 10;
  const auto river = ShoreRangesInOrder(*w);
  EXPECT_EQ(river, (std::vector<ShoreRange>{{1, 35}, {36, 98}, {99, 141}, {143, 227}, {227, 282}}));
  for (const ShoreRange& r : river) EXPECT_FALSE(r.first <= 142 && r.last >= 143);

  w->SailingArea = 2;
  EXPECT_TRUE(ShoreRangesInOrder(*w).empty());
}

TEST(Sky, CloudsAtTheirAzimuthWithoutWrapAround) {
  auto w = View();
  w->CloudAzimuth.fill(200);
  w->CloudAzimuth[3] = 0;  // straight ahead
  w->CloudRow.fill(5);
  w->CloudWidth.fill(40);
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  DrawClouds(*w, c);
  EXPECT_EQ(c.GetPixel(w->SceneCentreX + 20, 10), palette::kWhite);
  EXPECT_EQ(CountPixels(c, palette::kWhite, Rect{0, 0, w->ViewWidth, 40}),
            CountPixels(c, palette::kWhite, Rect{w->SceneCentreX - 5, 0, w->SceneCentreX + 45, 40}));

  // Looking at 10 degrees, a cloud at 350 is not brought round to -10.
  w->CloudAzimuth[3] = 350;
  w->BoatHeadings[1] = 16;
  UpdateViewDirection(*w);
  auto turnedOwner = Water(*w);
  Canvas& turned = *turnedOwner;
  DrawClouds(*w, turned);
  EXPECT_EQ(CountPixels(turned, palette::kWhite, Rect{0, 0, w->ViewWidth, 40}), 0);

  w->WeatherKind = 3;
  w->CloudAzimuth[3] = 10;
  auto overcastOwner = Water(*w);
  Canvas& overcast = *overcastOwner;
  DrawClouds(*w, overcast);
  EXPECT_GT(CountPixels(overcast, palette::kCloudOvercast, Rect{0, 0, w->ViewWidth, 40}), 100);

  w->CameraDistance = 4;
  auto planOwner = Water(*w);
  Canvas& plan = *planOwner;
  DrawClouds(*w, plan);
  DrawDistantHills(*w, plan);
  EXPECT_EQ(CountPixels(plan, palette::kWater, Rect{0, 0, w->ViewWidth, w->ViewHeight}), w->ViewWidth * w->ViewHeight);
}

TEST(Sky, DistantHillsStandOnTheHorizon) {
  auto w = View();
  w->HorizonHillAzimuth = {-20, -10, 0, 10, 20};
  w->HorizonHillHeight = {2, 10, 15, 10, 2};
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  DrawDistantHills(*w, c);
  const int peak = w->SceneTop - 16;
  EXPECT_EQ(c.GetPixel(w->SceneCentreX, peak + 2), palette::kDistantHills);
  EXPECT_EQ(CountPixels(c, palette::kDistantHills, Rect{0, 0, w->ViewWidth, peak}), 0);
  EXPECT_EQ(CountPixels(c, palette::kDistantHills, Rect{0, w->SceneTop, w->ViewWidth, w->ViewHeight}), 0);
}
