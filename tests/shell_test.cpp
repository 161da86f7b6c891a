// The paint-driven shell: screen metrics, the frame loop, time and the wind.
#include <gtest/gtest.h>

#include "app/frame_step.h"
#include "app/paint.h"
#include "probe_helpers.h"
#include "sim/frame_advance.h"
#include "state/activity.h"
#include "state/sound_event.h"
#include "test_world.h"
#include "world/sim_speed.h"

namespace {

World MetricsFor(int width, int height, int menuBar = 19, int clientWidth = 0, int clientHeight = 0) {
  World w;
  ComputeScreenMetrics(w, ScreenMetrics{width, height, 32, menuBar, clientWidth, clientHeight});
  return w;
}

TEST(ScreenMetrics, CappedAtTheDesignSize) {
  World big = MetricsFor(1920, 1080);
  EXPECT_EQ(big.ViewWidth, 1280);
  EXPECT_DOUBLE_EQ(big.ScaleX, 2.0);
  EXPECT_NEAR(big.ScaleY, 1.6, 1e-12);
  EXPECT_EQ(big.ViewHeight, 720);

  World small = MetricsFor(800, 600);
  EXPECT_EQ(small.ViewHeight, 562);  // 600 - 1.25 x 30, truncated
  EXPECT_EQ(small.LargeMenuFont, 0);
  EXPECT_EQ(MetricsFor(800, 600, 20).LargeMenuFont, 1);

  // The frame is never larger than the window's view; the design scale still follows the screen.
  World clipped = MetricsFor(1280, 768, 19, 1270, 690);
  EXPECT_EQ(clipped.ViewWidth, 1270);
  EXPECT_EQ(clipped.ViewHeight, 690);
  EXPECT_DOUBLE_EQ(clipped.ScaleX, 2.0);
}

TEST(FrameLoop, TitleRepaintsOnlyItsAnimatedPart) {
  ProbeSession s({});
  World& w = s.world();
  Canvas& c = s.canvas();
  ScreenMetrics m{1920, 1080, 32, 19, 0, 0};
  PaintResult title = PaintFrame(w, c, m);
  EXPECT_EQ(title.invalidate, (Rect{640, 102, 1152, 540}));
  EXPECT_TRUE(title.requestNext);
  w.SailingState = 1;
  PaintResult running = PaintFrame(w, c, m);
  EXPECT_EQ(w.SailingState, 2);
  EXPECT_EQ(running.invalidate, (Rect{0, 0, 1280, 720}));
}

TEST(FrameLoop, FasterSpeedsNeverWaitLongerAndCollisionAvoidanceRunsAtTenFrames) {
  auto w = TestWorld().Build();
  int previous = 1 << 30;
  for (int speed = 1; speed <= 15; ++speed) {
    w->SimSpeed = speed;
    w->ActivityMode = Activity::kFreeSailing;
    const int ms = MinimumFrameMs(*w);
    EXPECT_GE(ms, 0) << speed;
    EXPECT_LE(ms, previous) << speed;
    previous = ms;
    // The ships of the collision exercise are drawn at 10 frames a second at most.
    w->ActivityMode = Activity::kCollisionAvoidance;
    EXPECT_EQ(MinimumFrameMs(*w), std::max(ms, 100)) << speed;
  }
}

TEST(Time, StepFollowsSpeedAndBoatScaleAndOverlaysAndStopFreezeTime) {
  auto owned = TestWorld().Build();
  World& w = *owned;
  w.TimeScale = 1;  // a boat of scale length 15
  for (const auto& [speed, step] : {std::pair{1, 0.0065}, {9, 0.216}, {15, 3.0}}) {
    w.SimSpeed = speed;
    UpdateSimSpeedDivisor(w);
    AdvanceTime(w);
    EXPECT_NEAR(w.TimeStep, step, step * 1e-3) << speed;
  }
  w.SimTime = 0;
  w.Stopped = 1;
  AdvanceTime(w);
  EXPECT_EQ(w.SimTime, 0);
  EXPECT_GT(w.TimeStep, 0);
  w.Stopped = 0;
  w.InstructionPage = 3;
  AdvanceTime(w);
  EXPECT_EQ(w.TimeStep, 0);
  w.InstructionPage = 0;
  w.LessonIntroPending = 1;
  AdvanceTime(w);
  EXPECT_EQ(w.SimTime, 0);
  w.LessonIntroPending = 0;
  AdvanceTime(w);
  EXPECT_DOUBLE_EQ(w.SimTime, 3.0);
  EXPECT_EQ(w.SimSeconds, 3);
  EXPECT_EQ(w.PreviousSimSeconds, 0);
}

TEST(Time, RaceStartSignalSoundsOnce) {
  RecordingSoundSink sink;
  auto owned = TestWorld().Build();
  World& w = *owned;
  w.services.sound = &sink;
  w.SailingState = 2;
  w.ActivityMode = Activity::kTriangleRace;
  w.SimSpeed = 15;
  UpdateSimSpeedDivisor(w);
  w.SimTime = -10.5;
  for (int i = 0; i < 10; ++i) AdvanceTime(w);
  int signals = 0;
  for (const SoundRequest& r : sink.Requests()) signals += r.event == SoundEvent::kStartSignal;
  EXPECT_EQ(signals, 1);
}

TEST(FrameLoop, FrameCounterCountsEveryPaintAndStaysWithinAHundred) {
  ProbeSession s({});
  s.world().SailingState = 2;
  int previous = s.world().FrameCounter;
  int wraps = 0;
  for (int i = 0; i < 303; ++i) {
    s.Paint();
    const int now = s.world().FrameCounter;
    EXPECT_GE(now, 0);
    EXPECT_LE(now, 100);
    if (now != previous + 1) {
      EXPECT_EQ(now, 0) << "the counter only ever steps by one or starts again at 0";
      ++wraps;
    }
    previous = now;
  }
  EXPECT_EQ(wraps, 3);  // 101 values a cycle
}

TEST(Wind, SteadyWindHoldsAndShiftsStayWithinTheirRangeAroundTheVeeringBase) {
  auto owned = TestWorld().Build();
  World& w = *owned;
  w.rng.Seed(7);
  w.WindSetting = 0;
  w.BaseWindSpeed = 30;
  w.BaseWindDirection = 90;
  UpdateWind(w);
  EXPECT_EQ(w.WindSpeed, 30);  // steady wind neither shifts nor caps the speed
  EXPECT_EQ(w.WindDirection, 90);
  EXPECT_EQ(w.MeanWindDirection, 90);

  w.WindSetting = 2;
  w.ShiftRange = 30;
  w.ShiftIntervalBase = 40;
  w.PersistentShiftRate = 60;  // one degree per clock minute
  w.TimeScale = 1;
  w.SimSpeed = 15;
  UpdateSimSpeedDivisor(w);
  for (int frame = 0; frame < 3000; ++frame) {
    UpdateWind(w);
    AdvanceTime(w);
    EXPECT_EQ(w.WindSpeed, 22);
    const int base = static_cast<int>(w.ClockMinutes) * 60 / 60 + 90;
    EXPECT_LE(std::abs(w.WindDirection - base), 30) << frame;
    EXPECT_TRUE(frame >= 3 || w.WindDirection == 90) << frame;  // no shift at once
  }
  // After 9000 s the persistent veer has turned the wind by about 272 clock minutes' worth.
  EXPECT_NEAR(w.ClockMinutes, 9000.0 / 33, 1.0);
  EXPECT_EQ(w.ClockHour, w.StartHour + 4);
}

// The panel and steering strip tests see the usual split on each screen; here the lessons
// that change it.
TEST(Layout, LessonsMoveThePanelOrTakeTheWholeHeight) {
  World w = MetricsFor(1920, 1080);
  w.ActivityMode = Activity::kSailTrimLesson;  // the sail lessons start the panel at the left edge
  LayOutFrame(w);
  EXPECT_EQ(w.PanelLeft, 0);
  EXPECT_EQ(w.SceneBottom, 460);
  w.ActivityMode = Activity::kRacingRulesLesson;  // lessons with pages draw the scene over the strip
  LayOutFrame(w);
  EXPECT_EQ(w.SceneBottom, 712);
}

}  // namespace
