// The paint-driven shell: screen metrics, the frame loop, time and the wind.
#include <gtest/gtest.h>

#include "app/frame_step.h"
#include "app/paint.h"
#include "input/command_table.h"
#include "probe_helpers.h"
#include "world/sim_speed.h"

namespace {

World MetricsFor(int width, int height, int menuBar = 19) {
  World w;
  ScreenMetrics m;
  m.width = width;
  m.height = height;
  m.menuBarHeight = menuBar;
  ComputeScreenMetrics(w, m);
  return w;
}

TEST(ScreenMetrics, CappedAtTheDesignSize) {
  World big = MetricsFor(1920, 1080);
  EXPECT_EQ(big.ScreenWidth, 1280);
  EXPECT_EQ(big.ScreenHeight, 768);
  EXPECT_EQ(big.ViewWidth, 1280);
  EXPECT_DOUBLE_EQ(big.ScaleX, 2.0);
  EXPECT_NEAR(big.ScaleY, 1.6, 1e-12);
  EXPECT_EQ(big.ViewHeight, 720);
  EXPECT_EQ(big.HalfScreenWidth, 640);

  World small = MetricsFor(800, 600);
  EXPECT_EQ(small.ViewHeight, 562);  // 600 - 1.25 x 30, truncated
  EXPECT_EQ(small.LargeMenuFont, 0);
  EXPECT_EQ(MetricsFor(800, 600, 20).LargeMenuFont, 1);
}

TEST(ScreenMetrics, FrameNeverLargerThanTheView) {
  World w;
  ScreenMetrics m;
  m.width = 1280;
  m.height = 768;
  m.clientWidth = 1270;
  m.clientHeight = 690;
  ComputeScreenMetrics(w, m);
  EXPECT_EQ(w.ViewWidth, 1270);
  EXPECT_EQ(w.ViewHeight, 690);
  EXPECT_DOUBLE_EQ(w.ScaleX, 2.0);  // the design scale still follows the screen
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

TEST(FrameLoop, AMenuStopsTheLoopUntilACommand) {
  ProbeSession s({});
  World& w = s.world();
  w.SailingState = 2;
  ASSERT_TRUE(s.Paint());
  const double before = w.SimTime;
  MenuOpened(w);
  EXPECT_FALSE(s.Paint());
  EXPECT_EQ(w.SimTime, before);
  EXPECT_EQ(s.paints(), 1);
  // A command restarts the loop, even one the menu only toggles.
  ASSERT_TRUE(RunCommand(w, 32776));
  EXPECT_TRUE(s.Paint());
  EXPECT_EQ(s.paints(), 2);
}

TEST(FrameLoop, MinimumFrameTimes) {
  World w;
  w.SimSpeed = 1;
  EXPECT_EQ(MinimumFrameMs(w), 100);
  w.SimSpeed = 4;
  EXPECT_EQ(MinimumFrameMs(w), 35);
  for (int speed = 5; speed <= 15; ++speed) {
    w.SimSpeed = speed;
    EXPECT_EQ(MinimumFrameMs(w), 20) << speed;
  }
  w.ActivityMode = 8;  // collision avoidance runs at 10 frames a second at most
  EXPECT_EQ(MinimumFrameMs(w), 100);

  // On the probe's virtual clock every frame lasts exactly its minimum.
  auto run = RunProbe("set SimSpeed 1\nset SailingState 2\nframes 3\nset SimSpeed 5\nframes 2\n");
  EXPECT_EQ(run.exitCode, 0);
}

TEST(Time, StepFollowsSpeedAndBoatScale) {
  World w;
  w.SimSpeed = 15;
  UpdateSimSpeedDivisor(w);
  w.TimeScale = 1;  // a boat of scale length 15
  AdvanceTime(w);
  EXPECT_DOUBLE_EQ(w.TimeStep, 3.0);
  w.SimSpeed = 1;
  UpdateSimSpeedDivisor(w);
  AdvanceTime(w);
  EXPECT_NEAR(w.TimeStep, 0.0065, 0.00001);
  w.SimSpeed = 9;
  UpdateSimSpeedDivisor(w);
  AdvanceTime(w);
  EXPECT_NEAR(w.TimeStep, 0.216, 0.0002);
}

TEST(Time, OverlaysAndStopFreezeTime) {
  World w;
  w.SimSpeed = 15;
  UpdateSimSpeedDivisor(w);
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
  World w;
  w.services.sound = &sink;
  w.SailingState = 2;
  w.ActivityMode = 14;
  w.SimSpeed = 15;
  UpdateSimSpeedDivisor(w);
  w.SimTime = -10.5;
  for (int i = 0; i < 10; ++i) AdvanceTime(w);
  int signals = 0;
  for (const SoundRequest& r : sink.Requests()) signals += r.event == 17;
  EXPECT_EQ(signals, 1);
}

TEST(FrameLoop, FrameCounterWraps) {
  ProbeSession s({});
  World& w = s.world();
  w.SailingState = 2;
  for (int i = 0; i < 100; ++i) s.Paint();
  EXPECT_EQ(w.FrameCounter, 100);
  s.Paint();
  EXPECT_EQ(w.FrameCounter, 0);
  s.Paint();
  EXPECT_EQ(w.FrameCounter, 1);
}

TEST(Wind, SteadyWindAndMooringDoNotShift) {
  World w;
  w.WindSetting = 0;
  w.BaseWindSpeed = 30;  // steady wind is not clamped
  w.BaseWindDirection = 45;
  UpdateWind(w);
  EXPECT_EQ(w.WindSpeed, 30);
  EXPECT_EQ(w.WindDirection, 45);
  EXPECT_EQ(w.MeanWindDirection, 45);
}

TEST(Wind, ShiftsStayWithinTheirRangeAroundTheVeeringBase) {
  World w;
  w.rng.Seed(7);
  w.WindSetting = 2;
  w.BaseWindSpeed = 30;
  w.BaseWindDirection = 90;
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
    if (frame < 3) EXPECT_EQ(w.WindDirection, 90);
  }
  // After 9000 s the persistent veer has turned the wind by about 272 clock minutes' worth.
  EXPECT_NEAR(w.ClockMinutes, 9000.0 / 33, 1.0);
  EXPECT_EQ(w.ClockHour, w.StartHour + 4);
}

TEST(Layout, BottomStripDividesTheFrame) {
  World w = MetricsFor(1920, 1080);
  LayOutFrame(w);
  EXPECT_EQ(w.SceneHeight, 460);
  EXPECT_EQ(w.PanelLeft, 426);
  EXPECT_EQ(w.MiniViewWidth, 426);
  w.VerticalSteeringZone = 1;
  LayOutFrame(w);
  EXPECT_EQ(w.PanelLeft, 460);
  EXPECT_EQ(w.MiniViewWidth, 371);
  w.ActivityMode = 2;
  LayOutFrame(w);
  EXPECT_EQ(w.PanelLeft, 0);
  w.ActivityMode = 10;
  LayOutFrame(w);
  EXPECT_EQ(w.SceneBottom, 712);  // lessons with tutorials draw the scene over the strip

  World narrow = MetricsFor(800, 600, 20);
  LayOutFrame(narrow);
  EXPECT_EQ(narrow.SceneHeight, 342);  // 562 x 0.61
}

}  // namespace
