// The steering zone as drawn: the horizontal strip's caption and speed row on each screen
// size, the highlight that ends the downwind manoeuvres, and the vertical zone.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/frame_step.h"
#include "app/paint.h"
#include "app/steering_strip.h"
#include "boat_test_world.h"
#include "view3d/palette.h"

namespace {

struct Strip {
  BoatWorld bw;
  World& w = bw.w;
  std::unique_ptr<Canvas> c;

  Strip(int width, int height, int menuBar) {
    ComputeScreenMetrics(w, ScreenMetrics{width, height, 32, menuBar, 0, 0});
    LayOutFrame(w);
    c = std::make_unique<Canvas>(w.ViewWidth, w.ViewHeight);
  }
  Strip& Draw() {
    c->BeginFrame();
    DrawSteeringZone(w, *c);
    return *this;
  }
  const TextLogEntry* Find(const std::string& text) const {
    for (const TextLogEntry& e : c->TextLog()) {
      if (e.text == text) return &e;
    }
    return nullptr;
  }
};

TEST(SteeringStrip, CaptionAndSpeedRowOnEachScreen) {
  struct Case {
    int width, height, menuBar;
    Point caption, speed;
  };
  const Case cases[] = {
      {1280, 768, 19, {521, 624}, {499, 644}},  // 1280 x 720
      {800, 640, 20, {321, 520}, {302, 535}},   // 800 x 600 with the large menu font
      {640, 512, 19, {247, 410}, {243, 424}},   // 640 x 480
  };
  for (const Case& k : cases) {
    Strip s(k.width, k.height, k.menuBar);
    s.w.SimSpeed = 4;
    s.Draw();
    const TextLogEntry* caption = s.Find("ｽﾃｱﾘﾝｸﾞ  ｿﾞｰﾝ ");
    const TextLogEntry* speed = s.Find("ｼﾐｭﾚｰﾀ速度:      4");
    ASSERT_NE(caption, nullptr) << k.width;
    ASSERT_NE(speed, nullptr) << k.width;
    EXPECT_EQ((Point{caption->x, caption->y}), k.caption) << k.width;
    EXPECT_EQ(speed->y, k.speed.y) << k.width;
    // The speed's label keeps left of the centre line, moving left of its place if it must.
    const int centre = k.width / 2 - k.width / 40;
    EXPECT_LE(speed->x, k.speed.x) << k.width;
    EXPECT_LT(speed->x + s.c->TextWidth("ｼﾐｭﾚｰﾀ速度:"), centre) << k.width;
    EXPECT_EQ(caption->textColor, palette::kGrey);
    EXPECT_EQ(speed->textColor, palette::kBlue);
    EXPECT_EQ(s.w.ZoneTop, static_cast<int>(s.w.ViewHeight * 0.85));
  }
  EXPECT_EQ(Strip(1280, 768, 19).Draw().Find("ｼﾐｭﾚｰﾀ速度:      9")->x, 499);
}

TEST(SteeringStrip, PointerInTheZoneHighlightsItAndEndsDownwindManoeuvres) {
  Strip s(1280, 768, 19);
  s.w.GybeCommand = s.w.BearAwayCommand = s.w.HoldDownwindCourse = 1;
  s.w.MouseX = 600;
  s.w.MouseY = 612;  // on the zone's top edge: outside
  s.w.SimSpeed = 1;
  EXPECT_NE(s.Draw().Find("ｽﾃｱﾘﾝｸﾞ  ｿﾞｰﾝ "), nullptr);
  EXPECT_EQ(s.w.GybeCommand, 1);
  EXPECT_EQ(s.Find("ｼﾐｭﾚｰﾀ速度:      1")->textColor, palette::kRed);

  s.w.MouseY = 700;
  EXPECT_EQ(s.Draw().Find("ｽﾃｱﾘﾝｸﾞ  ｿﾞｰﾝ "), nullptr);
  EXPECT_EQ(s.w.GybeCommand + s.w.BearAwayCommand + s.w.HoldDownwindCourse, 0);
  EXPECT_EQ(s.c->GetPixel(500, 700), palette::kSteeringZoneHot);
  EXPECT_NE(s.Find("ｼﾐｭﾚｰﾀ速度:      1"), nullptr);

  s.w.Monochrome = 1;
  EXPECT_EQ(s.Draw().Find("ｼﾐｭﾚｰﾀ速度:      1")->textColor, palette::kBlack);
}

TEST(SteeringStrip, NothingDuringALessonIntroductionOrInTheSailLessons) {
  Strip s(1280, 768, 19);
  s.w.LessonIntroPending = 1;
  EXPECT_TRUE(s.Draw().c->TextLog().empty());
  s.w.LessonIntroPending = 0;
  s.w.ActivityMode = 2;
  LayOutFrame(s.w);
  EXPECT_TRUE(s.Draw().c->TextLog().empty());
}

TEST(VerticalZone, SpansTheGapBetweenTheViewAndThePanel) {
  Strip s(1280, 768, 19);
  s.w.VerticalSteeringZone = 1;
  LayOutFrame(s.w);
  s.w.GybeCommand = 1;
  const TextLogEntry* caption = s.Draw().Find("ｽﾃｱﾘﾝｸﾞ  ｿﾞｰﾝ ");
  ASSERT_NE(caption, nullptr);
  EXPECT_GT(caption->x, s.w.MiniViewWidth);
  EXPECT_EQ(s.w.ZoneTop, s.w.SceneBottom);
  EXPECT_EQ(s.Find("ｼﾐｭﾚｰﾀ速度:      9"), nullptr);  // the panel shows the speed instead

  s.w.MouseX = s.w.MiniViewWidth + 5;
  s.w.MouseY = s.w.ViewHeight - 5;
  s.Draw();
  EXPECT_EQ(s.w.GybeCommand, 0);
  EXPECT_EQ(s.c->GetPixel(s.w.MiniViewWidth + 10, s.w.ViewHeight - 10), palette::kSteeringZoneHot);

  // Too narrow for its caption on a small screen: the caption is left out, not spilled.
  Strip small(800, 640, 19);
  small.w.VerticalSteeringZone = 1;
  LayOutFrame(small.w);
  EXPECT_EQ(small.Draw().Find("ｽﾃｱﾘﾝｸﾞ  ｿﾞｰﾝ "), nullptr);
}

}  // namespace
