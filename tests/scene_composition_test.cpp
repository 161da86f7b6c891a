// The sailing scene as a whole: what each frame draws, in which variant, what it leaves out,
// and the objects on the water from the farthest to the nearest.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <tuple>

#include "app/paint.h"
#include "canvas_helpers.h"
#include "draw/palette.h"
#include "sim/activity_start.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "test_world.h"
#include "view3d/scene.h"
#include "view3d/scene_objects.h"
#include "view3d/water.h"

namespace {

const Rect kScene{0, 0, 1280, 460};
const Rect kOpenWater{0, 100, 560, 400};  // below the horizon, left of the user's boat

// Open water without puffs or scenery, the user's boat at the origin looking north, every wave
// crest far away.
struct Scene {
  std::unique_ptr<World> w;
  std::unique_ptr<Canvas> c;
  explicit Scene(int activity = Activity::kFreeSailing)
      : w(TestWorld().Screen(1920, 1080).Tables().Activity(activity).Area(2).Build()) {
    std::tie(w->SailingState, w->SceneryObjectCount, w->WindSetting, w->BoatTack[1], w->BoatHeadings[1], w->PanelLeft) =
        std::tuple{2, 0, 0, 1, 6, w->ViewWidth / 3};
    w->CrestX.fill(5000);
    w->CrestY.fill(5000);
    w->SceneObjectKind.fill(kSceneKindLand);
  }
  Scene& Draw() {
    c = std::make_unique<Canvas>(w->ViewWidth, w->ViewHeight);
    c->BeginFrame();
    ComposeScene(*w, *c, kScene);
    return *this;
  }
  int Count(Color color, Rect r = kScene) const { return CountPixels(*c, color, r); }
  const TextLogEntry* Find(const std::string& text) const { return FindText(*c, text); }
};

// A round island of the given radius, `distance` north of the origin.
void RoundIsland(World& w, int distance, int radius) {
  std::tie(w.SceneryObjectCount, w.SceneryY[1], w.ScenerySize[1]) = std::tuple{1, -distance, radius};
  for (int k = 0; k < kOutlinePoints; ++k) {
    w.SceneryOutlineX[1][k] = static_cast<int>(radius * std::sin(10 * k * kDegToRad));
    w.SceneryOutlineY[1][k] = -distance - static_cast<int>(radius * std::cos(10 * k * kDegToRad));
  }
}

// A canvas clipped to the scene, over water, after `draw`.
template <typename Draw>
std::unique_ptr<Canvas> Drawn(const World& w, Draw draw) {
  auto c = std::make_unique<Canvas>(w.ViewWidth, w.ViewHeight);
  c->BeginFrame();
  c->SetClip(kScene);
  c->FillRect(kScene, palette::kWater);
  draw(*c);
  return c;
}

// The scene with its sides moved out of reach: nothing is passed over for lying beyond them.
const Rect kWideScene{-100000, kScene.top, 100000, kScene.bottom};

// Pixels within `band` columns of either side that differ between `draw` clipped to the scene
// and `draw` with nothing passed over; the latter drawing is handed back in `whole`.
template <typename Draw>
int Differing(const World& w, Draw draw, int band, std::unique_ptr<Canvas>& whole) {
  const auto a = Drawn(w, [&](Canvas& c) { draw(c, kScene); });
  whole = Drawn(w, [&](Canvas& c) { draw(c, kWideScene); });
  int n = 0;
  for (int y = kScene.top; y < kScene.bottom; ++y)
    for (int x = kScene.left; x < kScene.right; ++x)
      n += (x < band || x >= kScene.right - band) && a->GetPixel(x, y) != whole->GetPixel(x, y);
  return n;
}

// Pixels of column x that show something other than water.
int Showing(const Canvas& c, int x) { return kScene.Height() - CountPixels(c, palette::kWater, Rect{x, kScene.top, x + 1, kScene.bottom}); }

}  // namespace

// The introduction takes the wave class from the wind, draws patterns instead of crests, and
// leaves out the word naming the class (shown otherwise: see Monochrome).
TEST(LessonIntroduction, WavePatternsInsteadOfCrestsAndNoWaveWord) {
  Scene s;
  s.w->LessonIntroPending = 1;
  std::tie(s.w->CrestX[10], s.w->CrestY[10], s.w->WindSpeed) = std::tuple{0, -100, 21};  // class 3: the large pattern, with its foam
  EXPECT_GT(s.Draw().Count(palette::kCrestFoam, kOpenWater), 50);
  EXPECT_EQ(s.w->WaveClass, 3);
  EXPECT_EQ(s.Find("大波 "), nullptr);
  s.w->WindSpeed = 15;
  EXPECT_EQ(s.Draw().w->WaveClass, 2);
  s.w->WindSpeed = 10;  // class 1: small ripples, and no crest
  EXPECT_EQ(s.Draw().w->WaveClass, 1);
  EXPECT_EQ(s.Find("波なし"), nullptr);
  EXPECT_EQ(s.Count(palette::kCrest), 0);
  EXPECT_GT(s.Count(palette::kRipple, kOpenWater), 50);
  // The small pattern is a detail that simple graphics and high simulator speeds drop.
  for (auto [simple, speed] : {std::pair{1, 9}, {0, 12}}) {
    std::tie(s.w->SimpleGraphics, s.w->SimSpeed) = std::tuple{simple, speed};
    EXPECT_EQ(s.Draw().Count(palette::kWater, kOpenWater), kOpenWater.Width() * kOpenWater.Height()) << speed;
  }
}

TEST(WaveCrests, FewerAtHighSpeedAndWithSimpleGraphicsNoneUnderAPage) {
  Scene s;
  // Crest 300 lies ahead: drawn only while all 600 crests are.
  std::tie(s.w->WaveClass, s.w->CrestX[300], s.w->CrestY[300]) = std::tuple{2, -40, -120};
  // Simulator speed, simple graphics, page shown: whether the crest shows.
  for (auto [speed, simple, page, shown] :
       {std::tuple{12, 0, 0, true}, {13, 0, 0, false}, {9, 1, 0, false}, {9, 0, 10, false}}) {
    std::tie(s.w->SimSpeed, s.w->SimpleGraphics, s.w->InstructionPage) = std::tuple{speed, simple, page};
    const int crest = s.Draw().Count(palette::kCrest);
    EXPECT_TRUE(shown ? crest > 20 : crest == 0) << speed << "/" << simple << "/" << page;
  }
}

// A crest is skipped only when all its points lie more than a pen's reach beyond one edge,
// not when they lie beyond two different edges, which the line between them may cross.
TEST(WaveCrests, SkippedOnlyWhenWhollyBeyondOneEdge) {
  const Rect scene{0, 72, 1280, 460};
  // Per edge, the first point just beyond reach hides the crest and one pixel nearer shows it.
  for (auto [a, b, hidden] : {std::tuple{Point{-5, 100}, Point{-40, 300}, true}, {Point{-4, 100}, Point{-40, 300}, false},
                              {Point{1285, 90}, Point{1300, 90}, true}, {Point{1284, 90}, Point{1300, 90}, false},
                              {Point{500, 67}, Point{600, 10}, true}, {Point{500, 68}, Point{600, 10}, false},
                              {Point{500, 465}, Point{900, 600}, true}, {Point{500, 464}, Point{900, 600}, false},
                              {Point{-100, 300}, Point{1400, 300}, false}})
    EXPECT_EQ(WhollyOutside(std::array{a, b}.data(), 2, scene), hidden) << a.x << "," << a.y;
}

// Crests passed over beyond the sides of the scene, at every camera distance and in monochrome,
// leave the picture as drawing them would: a field of crests from far left to far right.
TEST(WaveCrests, ThoseBeyondTheSidesLeaveThePictureAsDrawn) {
  Scene s;
  for (int k = 0; k < kMaxWaveCrests; ++k) {
    std::tie(s.w->CrestX[k], s.w->CrestY[k], s.w->CrestSeed[k]) = std::tuple{-420 + k % 30 * 29, -10 - k / 30 * 21, k % 100};
  }
  s.w->WaveClass = 3;
  for (auto [zoom, mono] : {std::pair{1, 0}, {2, 0}, {3, 0}, {4, 0}, {2, 1}}) {
    std::tie(s.w->CameraDistance, s.w->Monochrome) = std::tuple{zoom, mono};
    s.Draw();
    std::unique_ptr<Canvas> whole;
    EXPECT_EQ(Differing(*s.w, [&](Canvas& c, Rect r) { DrawWaveCrests(*s.w, c, kMaxWaveCrests - 1, r); },
                        kScene.right / 2, whole), 0) << zoom << "/" << mono;
    EXPECT_GT(Showing(*whole, 0) + Showing(*whole, kScene.right - 1), 0) << zoom;
  }
}

TEST(Puffs, OnlyWithWindShiftsAndRipplesAroundTheBoatInside) {
  Scene s;
  std::tie(s.w->PuffY[1], s.w->PuffRadius[1]) = std::tuple{-600, 300};
  EXPECT_EQ(s.Draw().Count(palette::kPuff), 0);
  s.w->WindSetting = 2;
  EXPECT_GT(s.Draw().Count(palette::kPuff), 1000);
  const Rect nearWater{0, 250, 1280, 460};
  const int ripples = s.Count(palette::kRipple, nearWater);
  s.w->InsidePuff = 1;
  EXPECT_GT(s.Draw().Count(palette::kRipple, nearWater), ripples + 89);
}

TEST(Monochrome, WhiteWaterGreySkyBlackCrestsAndText) {
  Scene s;
  std::tie(s.w->Monochrome, s.w->WaveClass, s.w->CrestX[0], s.w->CrestY[0]) = std::tuple{1, 3, -40, -120};
  s.Draw();
  EXPECT_EQ(s.c->GetPixel(5, 150), palette::kWaterMono);
  EXPECT_EQ(s.c->GetPixel(5, 30), palette::kSkyOvercast);
  EXPECT_EQ(s.Count(palette::kCrest), 0);
  EXPECT_GT(s.Count(palette::kBlack, kOpenWater), 10);
  ASSERT_NE(s.Find("大波 "), nullptr);
  EXPECT_EQ(s.Find("大波 ")->textColor, palette::kBlack);
}

// With the real set-up, the near shore shows when the boat looks toward it and not when it
// looks away, whichever way the shore points run.
TEST(Shore, SeenFromTheWaterInEveryAreaAndMirroring) {
  std::set<int> mirrors;
  for (int area : {1, 3, 4}) {
    for (uint32_t seed = 1; seed <= 5; ++seed) {
      Scene s;
      s.w->rng.Seed(seed);
      s.w->SailingArea = area;
      StartActivity(*s.w);
      mirrors.insert(s.w->MirrorScenery);
      s.w->SceneryObjectCount = s.w->InstructionPage = 0;
      const int landward = s.w->ShoreQuadrant == 1 ? 0 : 180;
      s.w->BoatHeadings[1] = landward + 6;
      s.Draw();
      const Rect horizon{0, s.w->SceneTop - 3, 1280, s.w->SceneTop + 30};
      EXPECT_GT(s.Count(palette::kLandGreen, horizon), 500) << area << " " << seed;
      if (area == 1) {
        s.w->BoatHeadings[1] = landward + 186;
        EXPECT_EQ(s.Draw().Count(palette::kLandGreen), 0) << seed;
      }
    }
  }
  EXPECT_EQ(mirrors, (std::set<int>{0, 1}));
}

TEST(SceneObjects, NumberedAsTheDrawOrderExpects) {
  std::array<SceneItem, kMaxDrawObjects + 1> items;
  Scene race(Activity::kTriangleRace);
  std::tie(race.w->BoatCount, race.w->SceneObjectKind[6], race.w->SceneObjectKind[7], race.w->SceneObjectKind[8]) =
      std::tuple{10, kSceneKindBuoy, kSceneKindCommitteeBoat, kSceneKindBuoy};
  EXPECT_EQ(CollectSceneItems(*race.w, items), 20);
  EXPECT_EQ((std::array{items[6].kind, items[7].kind, items[8].kind, items[9].kind}),
            (std::array{SceneItemKind::Pin, SceneItemKind::CommitteeBoat, SceneItemKind::Mark, SceneItemKind::None}));

  // Free sailing keeps none of an earlier race's course objects.
  race.w->ActivityMode = Activity::kFreeSailing;
  CollectSceneItems(*race.w, items);
  for (int n = 6; n <= 10; ++n) EXPECT_EQ(items[n].kind, SceneItemKind::None);

  // The swimmer is in the water only from the fall on.
  Scene overboard(Activity::kManOverboard);
  overboard.w->OverboardSeconds = 12;
  for (auto [seconds, kind] : {std::pair{11, SceneItemKind::None}, {12, SceneItemKind::Swimmer}}) {
    overboard.w->SimSeconds = seconds;
    CollectSceneItems(*overboard.w, items);
    EXPECT_EQ(items[6].kind, kind) << seconds;
  }
}

TEST(SceneObjects, NearerObjectsCoverFartherOnes) {
  // A round island with a mark just off its shore, in front of it and then behind it.
  Scene s(Activity::kTriangleRace);
  RoundIsland(*s.w, 1100, 200);
  std::tie(s.w->SceneObjectKind[8], s.w->SceneObjectY[8]) = std::tuple{kSceneKindBuoy, -880};
  s.Draw();
  const int x = s.w->ProjectedX[8], y = s.w->ProjectedY[8];
  EXPECT_GT(s.Count(palette::kLandGreen), 2000);
  EXPECT_GT(s.Count(palette::kMarkOrange, Rect{x - 4, y - 6, x + 5, y + 1}), 3);
  s.w->SceneObjectY[8] = -1500;
  EXPECT_EQ(s.Draw().Count(palette::kMarkOrange), 0);
}

// An island beyond a side of the scene is passed over: the picture, and the pen, brush and pen
// position the next drawing starts from, stay as drawing it would leave them.
TEST(SceneObjects, IslandsBeyondASideLeaveThePictureAsDrawn) {
  Scene s(Activity::kTriangleRace);
  RoundIsland(*s.w, 400, 150);
  int skipped = 0, straddling = 0;
  // The island at the left side, then at the right; each step of the boat across the line of
  // sight moves it along the side by about a pixel.
  for (const int look : {-65, 77}) {
    for (int shift = -15; shift <= 15; ++shift) {
      std::tie(s.w->LookAngle, s.w->BoatY[1]) = std::tuple{look, shift};
      s.Draw();
      std::unique_ptr<Canvas> whole;
      const auto island = [&](Canvas& c, Rect r) {
        DrawScenery(*s.w, c, 1, r);
        c.LineTo(640, 400);
        const Point left[3] = {{10, 400}, {50, 400}, {30, 440}}, right[3] = {{1230, 400}, {1270, 400}, {1250, 440}};
        c.Polygon(left, 3);
        c.Polygon(right, 3);
      };
      EXPECT_EQ(Differing(*s.w, island, 64, whole), 0) << look << " " << shift;
      const int side = look < 0 ? 0 : kScene.right - 1;
      (CountPixels(*whole, palette::kLandGreen, Rect{side, kScene.top, side + 1, 390}) > 0 ? straddling : skipped)++;
    }
  }
  EXPECT_GT(skipped, 0);
  EXPECT_GT(straddling, 0);
}
