// The paint-driven shell: screen metrics, the frame loop, time and the wind.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>

#include "app/frame_step.h"
#include "app/paint.h"
#include "probe_helpers.h"
#include "sim/frame_advance.h"
#include "state/activity.h"
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
  EXPECT_EQ((std::array{big.ViewWidth, big.ViewHeight}), (std::array{1280, 720}));
  EXPECT_DOUBLE_EQ(big.ScaleX, 2.0);
  EXPECT_NEAR(big.ScaleY, 1.6, 1e-12);
  World small = MetricsFor(800, 600);
  EXPECT_EQ((std::array{small.ViewHeight, small.LargeMenuFont}), (std::array{562, 0}));  // 600 - 1.25 x 30, truncated
  EXPECT_EQ(MetricsFor(800, 600, 20).LargeMenuFont, 1);
  // The frame is never larger than the window's view; the design scale still follows the screen.
  World clipped = MetricsFor(1280, 768, 19, 1270, 690);
  EXPECT_EQ((std::array{clipped.ViewWidth, clipped.ViewHeight}), (std::array{1270, 690}));
  EXPECT_DOUBLE_EQ(clipped.ScaleX, 2.0);
  // The sail lessons start the panel at the left edge; lessons with pages draw the scene over
  // the steering strip. The panel tests see the usual split.
  big.ActivityMode = Activity::kSailTrimLesson;
  LayOutFrame(big);
  EXPECT_EQ((std::array{big.PanelLeft, big.SceneBottom}), (std::array{0, 460}));
  big.ActivityMode = Activity::kRacingRulesLesson;
  LayOutFrame(big);
  EXPECT_EQ(big.SceneBottom, 712);
}

TEST(FrameLoop, TitleRepaintsOnlyItsAnimatedPart) {
  ProbeSession s({});
  World& w = s.world();
  auto paint = [&] { return PaintFrame(w, s.canvas(), ScreenMetrics{1920, 1080, 32, 19, 0, 0}); };
  const PaintResult title = paint();
  EXPECT_EQ(title.invalidate, (Rect{640, 102, 1152, 540}));
  EXPECT_TRUE(title.requestNext);
  w.SailingState = 1;
  EXPECT_EQ(paint().invalidate, (Rect{0, 0, 1280, 720}));
  EXPECT_EQ(w.SailingState, 2);
}

TEST(FrameLoop, FasterSpeedsNeverWaitLongerAndCollisionAvoidanceRunsAtTenFrames) {
  auto w = TestWorld().Build();
  int previous = 1 << 30;
  for (int speed = 1; speed <= 15; ++speed) {
    std::tie(w->SimSpeed, w->ActivityMode) = std::tuple{speed, Activity::kFreeSailing};
    const int ms = MinimumFrameMs(*w);
    EXPECT_TRUE(ms >= 0 && ms <= std::exchange(previous, ms)) << speed;
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
  // A stop or a pending lesson introduction freezes the clock but not the step; a page zeroes the step.
  for (auto [stopped, page, intro, time] : {std::tuple{1, 0, 0, 0.0}, {0, 3, 0, 0.0}, {0, 0, 1, 0.0}, {0, 0, 0, 3.0}}) {
    std::tie(w.SimTime, w.Stopped, w.InstructionPage, w.LessonIntroPending) = std::tuple{0.0, stopped, page, intro};
    AdvanceTime(w);
    EXPECT_DOUBLE_EQ(w.SimTime, time) << stopped << page << intro;
    EXPECT_EQ(w.TimeStep > 0, page == 0) << stopped << page << intro;
  }
  EXPECT_EQ((std::array{w.SimSeconds, w.PreviousSimSeconds}), (std::array{3, 0}));
}

TEST(FrameLoop, FrameCounterCountsEveryPaintAndStaysWithinAHundred) {
  ProbeSession s({});
  s.world().SailingState = 2;
  // It steps by one and starts again at 0 after 100: three cycles of 101 values.
  for (int i = 0, previous = s.world().FrameCounter; i < 303; ++i, previous = s.world().FrameCounter) {
    s.Paint();
    EXPECT_EQ(s.world().FrameCounter, (previous + 1) % 101) << i;
  }
}

TEST(Wind, SteadyWindHoldsAndShiftsStayWithinTheirRangeAroundTheVeeringBase) {
  auto owned = TestWorld().Build();
  World& w = *owned;
  w.rng.Seed(7);
  std::tie(w.WindSetting, w.BaseWindSpeed, w.BaseWindDirection) = std::tuple{0, 30, 90};
  UpdateWind(w);
  // Steady wind neither shifts nor caps the speed.
  EXPECT_EQ((std::array{w.WindSpeed, w.WindDirection, w.MeanWindDirection}), (std::array{30, 90, 90}));
  // One degree of persistent veer per clock minute.
  std::tie(w.WindSetting, w.ShiftRange, w.ShiftIntervalBase, w.PersistentShiftRate, w.TimeScale, w.SimSpeed) =
      std::tuple{2, 30, 40, 60, 1, 15};
  UpdateSimSpeedDivisor(w);
  for (int frame = 0; frame < 3000; ++frame) {
    UpdateWind(w);
    AdvanceTime(w);
    const int base = static_cast<int>(w.ClockMinutes) + 90;
    EXPECT_TRUE(w.WindSpeed == 22 && std::abs(w.WindDirection - base) <= 30) << frame;
    EXPECT_TRUE(frame >= 3 || w.WindDirection == 90) << frame;  // no shift at once
  }
  // After 9000 s the persistent veer has turned the wind by about 272 clock minutes' worth.
  EXPECT_NEAR(w.ClockMinutes, 9000.0 / 33, 1.0);
  EXPECT_EQ(w.ClockHour, w.StartHour + 4);
}

}  // namespace
