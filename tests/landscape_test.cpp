// The land of the sailing view: the land test, the land segments and the shore ranges.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "canvas_helpers.h"
#include "draw/palette.h"
#include "state/world.h"
#include "view3d/camera.h"
#include "view3d/landscape.h"
#include "test_world.h"

namespace {

// A 1280x720 view (scene 460 rows high) from the origin, looking north at zoom 2.
struct View {
  std::unique_ptr<World> w = TestWorld().Screen(1920, 1080).Build();
  std::unique_ptr<Canvas> c;
  int t = 0;  // the horizon row
  View() {
    std::tie(w->BoatTack[1], w->BoatHeadings[1]) = std::tuple{1, 6};
    UpdateViewDirection(*w);
    SetSceneGeometry(*w, Rect{0, 0, w->ViewWidth, 460});
    t = w->SceneTop;
    Clear();
  }
  void Clear() {
    c = std::make_unique<Canvas>(w->ViewWidth, w->ViewHeight);
    c->BeginFrame();
    c->FillRect(Rect{0, 0, w->ViewWidth, w->ViewHeight}, palette::kWater);
  }
  int Count(Color color, Rect r = Rect{0, 0, 1280, 720}) const { return CountPixels(*c, color, r); }
};

}  // namespace

TEST(LandTest, LooksForEitherGreen) {
  View v;
  Canvas& c = *v.c;
  EXPECT_FALSE(LandUnderPoint(*v.w, c, 100, 100));
  c.SetPixel(100, 100, palette::kLandDark);
  c.SetPixel(200, 101, palette::kLandGreen);  // one row below counts
  c.SetPixel(300, 100, palette::kBlack);      // monochrome land
  c.SetPixel(400, 101, palette::kBlack);      // but not one row below
  c.SetPixel(500, 100, Rgb(0, 127, 0));
  c.SetPixel(601, 104, palette::kLandGreen);
  c.SetPixel(700, 104, palette::kLandDark);
  // Off the canvas is not black land. With few colours only the lighter green counts, four
  // rows below or one beside that.
  for (const auto& [x, full, few] : {std::tuple{100, true, false}, {200, true, false}, {300, true, false},
                                     {400, false, false}, {500, false, false}, {-5, false, false},
                                     {600, false, true}, {700, false, false}}) {
    v.w->ScreenBitsPerPixel = 32;
    EXPECT_EQ(LandUnderPoint(*v.w, c, x, 100), full) << x;
    v.w->ScreenBitsPerPixel = 8;
    EXPECT_EQ(LandUnderPoint(*v.w, c, x, 100), few) << x;
  }
}

TEST(LandSegment, VerticalSegmentsNeverTreesOnlyWithFullGraphicsAndOnlyTheWaterSide) {
  View v;
  DrawLandSegment(*v.w, *v.c, 300, 380, 300, 390, v.t, 50, 1);
  DrawLandSegment(*v.w, *v.c, 300, v.t, 400, v.t - 5, v.t, 50, 1);  // at and above the horizon
  EXPECT_EQ(v.Count(palette::kLandGreen), 0);

  DrawLandSegment(*v.w, *v.c, 300, 380, 600, 390, v.t, 50, 1);
  EXPECT_GT(v.Count(palette::kLandDark), 20);
  EXPECT_GT(v.Count(palette::kBeach), 100);
  EXPECT_EQ(v.Count(palette::kLandGreen, Rect{0, 0, 1280, v.t - 3}), 0);  // never above the horizon

  v.w->SimpleGraphics = 1;
  v.Clear();
  DrawLandSegment(*v.w, *v.c, 300, 380, 600, 390, v.t, 50, 1);
  EXPECT_EQ(v.Count(palette::kLandDark), 0);
  EXPECT_GT(v.Count(palette::kLandGreen), 1000);

  // No beach over land that is already there.
  v.Clear();
  v.c->FillRect(Rect{290, 380, 310, 400}, palette::kLandGreen);
  DrawLandSegment(*v.w, *v.c, 300, 380, 600, 390, v.t, 50, 1);
  EXPECT_EQ(v.Count(palette::kBeach), 0);

  // Only the side of a shore segment that faces the water is drawn.
  v.w->SimpleGraphics = 0;
  // area, quadrant, mirror, index, and whether the water side faces the camera left to right
  for (const auto& [area, quadrant, mirror, index, leftToRight] :
       {std::tuple{1, 1, 0, 50, true}, {1, 1, 1, 50, false}, {1, 3, 0, 50, false}, {3, 1, 0, 200, false},
        {4, 3, 1, 200, false}}) {
    std::tie(v.w->SailingArea, v.w->ShoreQuadrant, v.w->MirrorScenery) = std::tuple{area, quadrant, mirror};
    const int a = leftToRight ? 300 : 400, b = 700 - a;
    v.Clear();
    DrawLandSegment(*v.w, *v.c, b, 200, a, 200, v.t, index, 1);
    EXPECT_EQ(v.Count(palette::kLandGreen), 0) << area << quadrant << mirror;
    DrawLandSegment(*v.w, *v.c, a, 200, b, 200, v.t, index, 1);
    EXPECT_GT(v.Count(palette::kLandGreen), 0) << area << quadrant << mirror;
  }
}

TEST(ShoreRange, APointBehindTheCameraTakesBothItsSegments) {
  View v;
  v.w->ActivityMode = 0;
  int i = 0;
  for (auto [x, y] : {std::pair{0, 0}, {-900, -300}, {-500, -300}, {-100, -300}, {0, 400}, {100, -300},
                      {500, -300}, {900, -300}})
    v.w->ShoreX[i] = x, v.w->ShoreY[i++] = y;
  DrawShoreRange(*v.w, *v.c, v.t, 1, 7, 1);
  EXPECT_GT(std::abs(v.w->ShoreScreenBearing[4]), 150);
  const int left = v.w->ShoreScreenX[3], right = v.w->ShoreScreenX[5];
  ASSERT_LT(left + 4, right);
  EXPECT_GT(v.Count(palette::kLandGreen, Rect{0, 0, left, 720}), 0);
  EXPECT_GT(v.Count(palette::kLandGreen, Rect{right, 0, 1280, 720}), 0);
  EXPECT_EQ(v.Count(palette::kLandGreen, Rect{left + 2, 0, right - 1, 720}), 0);
}

TEST(ShoreRange, OrderByAreaAndSide) {
  View v;
  World& w = *v.w;
  std::tie(w.BayStart, w.SailingArea) = std::tuple{decltype(w.BayStart){0, 30, 120, 217}, 1};
  EXPECT_EQ(ShoreRangesInOrder(w), (std::vector<ShoreRange>{{1, 33}, {220, 282}, {34, 123}, {124, 219}}));

  std::tie(w.BayStart, w.SailingArea) = std::tuple{decltype(w.BayStart){0, 42, 110, 217}, 3};
  EXPECT_EQ(ShoreRangesInOrder(w), (std::vector<ShoreRange>{{1, 45}, {46, 113}, {114, 141}, {143, 219}, {219, 282}}));
  w.BoatY[1] = -0.5;
  EXPECT_EQ(ShoreRangesInOrder(w), (std::vector<ShoreRange>{{1, 45}, {143, 219}, {219, 282}, {46, 113}, {114, 141}}));

  // The river numbers its bays out of shore order; its ranges never join the two banks.
  std::tie(w.BayStart, w.SailingArea, w.BoatY[1]) = std::tuple{decltype(w.BayStart){0, 32, 225, 95}, 4, 10.0};
  EXPECT_EQ(ShoreRangesInOrder(w), (std::vector<ShoreRange>{{1, 35}, {36, 98}, {99, 141}, {143, 227}, {227, 282}}));

  w.SailingArea = 2;
  EXPECT_TRUE(ShoreRangesInOrder(w).empty());
}
