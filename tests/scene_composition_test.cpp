// The sailing scene as a whole: what each frame draws, in which variant, and what it leaves
// out.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

#include "app/activity_start.h"
#include "app/paint.h"
#include "app/scene.h"
#include "view3d/palette.h"
#include "world/angles.h"
#include "world/world.h"

namespace {

const Rect kScene{0, 0, 1280, 460};

// Free sailing among the islands with no islands and no puffs: open water, the user's boat at
// the origin looking north, every wave crest far away.
std::unique_ptr<World> OpenWater() {
  auto w = std::make_unique<World>();
  ComputeScreenMetrics(*w, ScreenMetrics{1920, 1080, 32, 19, 0, 0});
  FillTrigTables(w->SinTable, w->CosTable);
  w->SailingState = 2;
  w->ActivityMode = 0;
  w->SailingArea = 2;
  w->SceneryObjectCount = 0;
  w->BoatCount = 1;
  w->WindSetting = 0;
  w->BoatTack[1] = 1;
  w->BoatHeadings[1] = 6;
  w->PanelLeft = w->ViewWidth / 3;
  w->SceneHeight = w->SceneBottom = kScene.bottom;
  w->CrestX.fill(5000);
  w->CrestY.fill(5000);
  return w;
}

std::unique_ptr<Canvas> Frame(World& w) {
  auto c = std::make_unique<Canvas>(w.ViewWidth, w.ViewHeight);
  c->BeginFrame();
  ComposeScene(w, *c, kScene);
  return c;
}

int Count(const Canvas& c, Color color, Rect area) {
  int n = 0;
  for (int y = std::max(area.top, 0); y < std::min(area.bottom, c.Height()); ++y) {
    for (int x = std::max(area.left, 0); x < std::min(area.right, c.Width()); ++x) n += c.GetPixel(x, y) == color;
  }
  return n;
}

// The water below the horizon, away from the user's boat and the indicators.
const Rect kOpenWaterLeft{0, 100, 560, 400};

const TextLogEntry* Find(const Canvas& c, const std::string& text) {
  for (const TextLogEntry& e : c.TextLog()) {
    if (e.text == text) return &e;
  }
  return nullptr;
}

}  // namespace

TEST(WaveStateWord, NamesTheWaveClass) {
  auto w = OpenWater();
  const std::pair<int, const char*> words[] = {{0, "波なし"}, {1, "波なし"}, {2, "小波  "}, {3, "大波 "}, {5, "大波 "}};
  for (const auto& [waveClass, word] : words) {
    w->WaveClass = waveClass;
    auto cOwner = Frame(*w);
    Canvas& c = *cOwner;
    const TextLogEntry* e = Find(c, word);
    ASSERT_NE(e, nullptr) << waveClass;
    EXPECT_EQ(e->x, 320);
    EXPECT_EQ(e->y, 460 - 720 / 40);
    EXPECT_FALSE(e->opaque);
  }
  w->LargeMenuFont = 1;
  auto largeOwner = Frame(*w);
  Canvas& large = *largeOwner;
  ASSERT_NE(Find(large, "大波 "), nullptr);
  EXPECT_EQ(Find(large, "大波 ")->y, 460 - 720 / 30);
}

TEST(WaveStateWord, NotDuringALessonIntroduction) {
  auto w = OpenWater();
  w->LessonIntroPending = 1;
  w->WindSpeed = 15;
  auto cOwner = Frame(*w);
  Canvas& c = *cOwner;
  EXPECT_EQ(w->WaveClass, 2);  // the introduction sets the class from the wind
  for (const char* word : {"波なし", "小波  ", "大波 "}) EXPECT_EQ(Find(c, word), nullptr);
}

TEST(LessonIntroduction, WavePatternsInsteadOfCrests) {
  auto w = OpenWater();
  w->LessonIntroPending = 1;
  w->CrestX[10] = 0;
  w->CrestY[10] = -100;

  w->WindSpeed = 21;  // class 3: the large pattern, with its foam
  auto largeOwner = Frame(*w);
  Canvas& large = *largeOwner;
  EXPECT_GT(Count(large, palette::kCrestFoam, kOpenWaterLeft), 50);

  w->WindSpeed = 10;  // class 1: small ripples, and no crest
  auto smallOwner = Frame(*w);
  Canvas& small = *smallOwner;
  EXPECT_EQ(Count(small, palette::kCrestFoam, kOpenWaterLeft), 0);
  EXPECT_EQ(Count(small, palette::kCrest, kScene), 0);
  EXPECT_GT(Count(small, palette::kRipple, kOpenWaterLeft), 50);

  // The small pattern is a detail simple graphics, high simulator speeds and monochrome drop.
  for (int variant = 0; variant < 3; ++variant) {
    auto v = OpenWater();
    v->LessonIntroPending = 1;
    v->WindSpeed = 10;
    if (variant == 0) v->SimpleGraphics = 1;
    if (variant == 1) v->SimSpeed = 12;
    if (variant == 2) v->Monochrome = 1;
    auto plainOwner = Frame(*v);
    Canvas& plain = *plainOwner;
    const Color water = variant == 2 ? palette::kWaterMono : palette::kWater;
    EXPECT_EQ(Count(plain, water, kOpenWaterLeft), kOpenWaterLeft.Width() * kOpenWaterLeft.Height()) << variant;
  }
}

TEST(WaveCrests, FewerAtHighSpeedAndWithSimpleGraphics) {
  auto w = OpenWater();
  w->WaveClass = 2;
  w->CrestX[300] = -40;  // ahead, a little to port: crest 300 is drawn only with all 600
  w->CrestY[300] = -120;
  EXPECT_GT(Count(*Frame(*w), palette::kCrest, kScene), 20);
  w->SimSpeed = 12;
  EXPECT_GT(Count(*Frame(*w), palette::kCrest, kScene), 20);
  w->SimSpeed = 13;
  EXPECT_EQ(Count(*Frame(*w), palette::kCrest, kScene), 0);
  w->SimSpeed = 9;
  w->SimpleGraphics = 1;
  EXPECT_EQ(Count(*Frame(*w), palette::kCrest, kScene), 0);

  w->SimpleGraphics = 0;
  w->CrestX[100] = w->CrestX[300];
  w->CrestY[100] = w->CrestY[300];
  w->CrestX[300] = w->CrestY[300] = 5000;
  w->InstructionPage = 10;  // a page covers the view: no crests
  EXPECT_EQ(Count(*Frame(*w), palette::kCrest, kScene), 0);
  w->InstructionPage = 0;
  w->SimpleGraphics = 1;
  EXPECT_GT(Count(*Frame(*w), palette::kCrest, kScene), 20);
  // A crest left more than 450 behind is not drawn.
  w->CrestY[100] = 460;
  w->CrestX[100] = 0;
  EXPECT_EQ(Count(*Frame(*w), palette::kCrest, kScene), 0);
}

TEST(Puffs, OnlyWithWindShiftsAndRipplesAroundTheBoatInside) {
  auto w = OpenWater();
  w->PuffX[1] = 0;
  w->PuffY[1] = -600;
  w->PuffRadius[1] = 300;
  auto steadyOwner = Frame(*w);
  Canvas& steady = *steadyOwner;
  EXPECT_EQ(Count(steady, palette::kPuff, kScene), 0);

  w->WindSetting = 2;
  auto gustyOwner = Frame(*w);
  Canvas& gusty = *gustyOwner;
  EXPECT_GT(Count(gusty, palette::kPuff, kScene), 1000);
  const int ripples = Count(gusty, palette::kRipple, Rect{0, 250, 1280, 460});

  w->InsidePuff = 1;
  auto insideOwner = Frame(*w);
  Canvas& inside = *insideOwner;
  EXPECT_GT(Count(inside, palette::kRipple, Rect{0, 250, 1280, 460}), ripples + 89);

  w->CameraDistance = 4;  // seen from above: ripples without the dark patch
  w->PuffY[1] = -20;
  w->PuffRadius[1] = 30;
  w->InsidePuff = 0;
  auto planOwner = Frame(*w);
  Canvas& plan = *planOwner;
  EXPECT_EQ(Count(plan, palette::kPuff, kScene), 0);
  EXPECT_GT(Count(plan, palette::kRipple, kScene), 0);
}

TEST(Sky, ThreeBandsOrOneGrey) {
  auto w = OpenWater();
  auto clearOwner = Frame(*w);
  Canvas& clear = *clearOwner;
  EXPECT_EQ(clear.GetPixel(5, 3), palette::kSkyHigh);
  EXPECT_EQ(clear.GetPixel(5, 30), palette::kSkyMid);
  EXPECT_EQ(clear.GetPixel(5, 68), palette::kSkyLow);
  EXPECT_EQ(clear.GetPixel(5, 75), palette::kWater);

  w->WeatherKind = 3;
  auto overcastOwner = Frame(*w);
  Canvas& overcast = *overcastOwner;
  for (int y : {3, 30, 68}) EXPECT_EQ(overcast.GetPixel(5, y), palette::kSkyOvercast);

  w->WeatherKind = 1;
  w->CameraDistance = 4;  // seen from above: no sky at all
  auto planOwner = Frame(*w);
  Canvas& plan = *planOwner;
  EXPECT_EQ(plan.GetPixel(5, 3), palette::kWater);
}

TEST(Monochrome, BlackAndWhiteWaterLandAndText) {
  auto w = OpenWater();
  w->Monochrome = 1;
  w->WaveClass = 3;
  w->CrestX[0] = -40;
  w->CrestY[0] = -120;
  auto cOwner = Frame(*w);
  Canvas& c = *cOwner;
  EXPECT_EQ(c.GetPixel(5, 150), palette::kWaterMono);
  EXPECT_EQ(c.GetPixel(5, 30), palette::kSkyOvercast);
  EXPECT_EQ(Count(c, palette::kCrest, kScene), 0);
  EXPECT_GT(Count(c, palette::kBlack, kOpenWaterLeft), 10);  // crests as black lines
  ASSERT_NE(Find(c, "大波 "), nullptr);
  EXPECT_EQ(Find(c, "大波 ")->textColor, palette::kBlack);
}

// With the real set-up, the near shore shows when the boat looks toward it, whichever way the
// shore points run.
TEST(Shore, SeenFromTheWaterInEveryAreaAndMirroring) {
  std::set<int> mirrors;
  for (int area : {1, 3, 4}) {
    for (uint32_t seed = 1; seed <= 6; ++seed) {
      auto w = OpenWater();
      w->rng.Seed(seed);
      w->SailingArea = area;
      w->SailingState = 1;
      StartActivity(*w);
      mirrors.insert(w->MirrorScenery);
      w->SceneryObjectCount = 0;
      w->InstructionPage = 0;
      w->BoatX[1] = 0;
      w->BoatY[1] = 0;
      w->BoatTack[1] = 1;
      const int landward = w->ShoreQuadrant == 1 ? 0 : 180;
      w->BoatHeadings[1] = landward + 6;
      auto towardOwner = Frame(*w);
      Canvas& toward = *towardOwner;
      const Rect horizon{0, w->SceneTop - 3, 1280, w->SceneTop + 30};
      EXPECT_GT(Count(toward, palette::kLandGreen, horizon), 500) << area << " " << seed;
      if (area == 1) {
        w->BoatHeadings[1] = landward + 186;
        auto awayOwner = Frame(*w);
        Canvas& away = *awayOwner;
        EXPECT_EQ(Count(away, palette::kLandGreen, kScene), 0) << seed;
      }
    }
  }
  EXPECT_EQ(mirrors, (std::set<int>{0, 1}));
}
