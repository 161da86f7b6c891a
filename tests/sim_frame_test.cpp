// The frame's advance runs without a canvas, and drawing a frame changes nothing the
// simulation steps beyond the steps the frame names.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include "app/panel.h"
#include "boat/boat_motion.h"
#include "probe_runner.h"
#include "sim/frame_advance.h"
#include "sim/frame_counts.h"
#include "sim/steering.h"
#include "state/activity.h"
#include "state/world.h"

namespace {

// An activity in the default wind, running after its box has been closed.
struct RunningSession {
  ProbeSession probe{ProbeOptions{7, 1280, 768, 0, ""}};
  explicit RunningSession(int mode = Activity::kFreeSailing) {
    std::istringstream in("set ActivityMode " + std::to_string(mode) +
                          "\nkey SPACE\nframes 2\nkey SPACE\nframes 30\nmove 5 5\n");
    std::ostringstream out;
    EXPECT_EQ(probe.RunScript(in, out), 0) << out.str();
  }
  World& w() { return probe.world(); }
  // A copy of the running world with no services: no clock, no sound.
  std::unique_ptr<World> Copy() {
    auto copy = std::make_unique<World>(w());
    copy->services = Services{};
    return copy;
  }
};

TEST(SimFrame, AdvanceMovesTheBoatAndTheClockWithoutACanvas) {
  RunningSession s;
  auto w = s.Copy();
  ASSERT_EQ(w->SailingState, 2);
  const double x0 = w->BoatX[1], y0 = w->BoatY[1], t0 = w->SimTime;
  const int counter0 = w->FrameCounter;
  for (int frame = 0; frame < 60; ++frame) AdvanceWorld(*w);
  EXPECT_GT(w->TimeStep, 0);
  EXPECT_NEAR(w->SimTime - t0, 60 * w->TimeStep, 1e-6);
  EXPECT_EQ(w->SimSeconds, static_cast<int>(w->SimTime));
  EXPECT_GT(std::hypot(w->BoatX[1] - x0, w->BoatY[1] - y0), 1.0);
  EXPECT_EQ(w->FrameCounter, (counter0 + 60) % 101);

  // The hand in the steering zone reaches the helm through the advance alone: left of the
  // zone's centre the bow goes right, the same distance to the right turns it back.
  const int y = static_cast<int>(s.w().ViewHeightF * 0.95);
  const int centre = s.w().ViewWidth / 2 - s.w().ViewWidth / 40;
  auto turn = [&](int dx) {
    auto c = s.Copy();
    c->MouseX = centre + dx;
    c->MouseY = y;
    for (int frame = 0; frame < 20; ++frame) AdvanceWorld(*c);
    return std::fmod(c->OwnHeading - s.w().OwnHeading + 540.0, 360.0) - 180;
  };
  const double pullOnly = turn(-10000);  // outside the zone: the helm's own pull only
  EXPECT_GT(turn(-60), pullOnly + 1);
  EXPECT_LT(turn(60), pullOnly - 1);
}

// Two copies of one running world: one painted frame by frame, the other stepped by the
// advance and the steps a painted frame names, in its order (the user's boat is in view, so
// its pitch runs). Drawing may use the generator (wake marks, ripples), so the stepped copy
// starts each frame from the painted copy's generator; everything else the simulation keeps
// must stay the same.
class DrawingLeavesTheSimulation : public ::testing::TestWithParam<int> {};

TEST_P(DrawingLeavesTheSimulation, AsTheAdvanceAndTheNamedStepsLeaveIt) {
  RunningSession s(GetParam());
  World& painted = s.w();
  auto stepped = s.Copy();
  const double x0 = painted.BoatX[1], y0 = painted.BoatY[1];
  for (int frame = 0; frame < 300; ++frame) {
    stepped->rng = painted.rng;
    ASSERT_TRUE(s.probe.Paint());
    World& w = *stepped;
    AdvanceWorld(w);
    RunWavePitch(w);
    UpdatePanelReadings(w);
    CountAnalysisFrames(w);
    UpdateDrawnSteeringZone(w);
    CountSwimmerSightFrames(w);
  }
  const World& a = painted;
  const World& b = *stepped;
  EXPECT_EQ(a.SimTime, b.SimTime);
  EXPECT_EQ(a.WindDirection, b.WindDirection);
  EXPECT_EQ(a.PitchTimer, b.PitchTimer);
  EXPECT_EQ(a.WavePitch, b.WavePitch);
  EXPECT_EQ(a.FrameCounter, b.FrameCounter);
  EXPECT_EQ(a.OwnHeading, b.OwnHeading);
  EXPECT_EQ(a.HelmInput, b.HelmInput);
  EXPECT_EQ(a.SwimmerSightFrames, b.SwimmerSightFrames);
  EXPECT_EQ(a.TargetDistanceYards, b.TargetDistanceYards);
  EXPECT_EQ(a.TotalFrames, b.TotalFrames);
  EXPECT_EQ(a.LiftedFrames, b.LiftedFrames);
  for (int boat = 1; boat <= a.BoatCount; ++boat) {
    EXPECT_EQ(a.BoatX[boat], b.BoatX[boat]) << boat;
    EXPECT_EQ(a.BoatY[boat], b.BoatY[boat]) << boat;
    EXPECT_EQ(a.BoatHeadings[boat], b.BoatHeadings[boat]) << boat;
    EXPECT_EQ(a.BoatSpeeds[boat], b.BoatSpeeds[boat]) << boat;
    EXPECT_EQ(a.HeelAngles[boat], b.HeelAngles[boat]) << boat;
    EXPECT_EQ(a.BoatTack[boat], b.BoatTack[boat]) << boat;
  }
  // The run must have sailed for the comparison to mean anything.
  EXPECT_GT(std::hypot(a.BoatX[1] - x0, a.BoatY[1] - y0), 10.0);
}

INSTANTIATE_TEST_SUITE_P(SimFrame, DrawingLeavesTheSimulation,
                         ::testing::Values(Activity::kFreeSailing, Activity::kUpwind, Activity::kManOverboard));

// The frames the results screen analyses: only after the start, only in the upwind exercise
// and the races; a frame sailed straight at the mean wind counts as lifted.
TEST(SimFrame, AnalysisCountsFollowTheStartTheActivityAndTheShift) {
  auto world = std::make_unique<World>();
  World& w = *world;
  w.ActivityMode = Activity::kUpwind;
  w.BoatTack[1] = 1;
  w.TrueWindAngles[1] = 45;
  w.MeanWindDirection = w.WindDirectionAtBoat[1] = 10;
  CountAnalysisFrames(w);
  EXPECT_EQ(w.TotalFrames, 0);  // SimSeconds 0: not yet
  w.SimSeconds = 1;
  CountAnalysisFrames(w);
  EXPECT_EQ(w.LiftedFrames, 1);
  w.WindDirectionAtBoat[1] = 5;  // headed on starboard
  w.WindShadowState[1] = 2;
  CountAnalysisFrames(w);
  EXPECT_EQ(w.LiftedFrames, 1);
  EXPECT_EQ(w.BadAirFrames, 1);
  w.BoatTack[1] = -1;  // the same shift lifts on port
  w.TrueWindAngles[1] = 55;  // but the boat is no longer close-hauled
  CountAnalysisFrames(w);
  EXPECT_EQ(w.CloseHauledFrames, 2);
  EXPECT_EQ(w.LiftedFrames, 1);
  w.ActivityMode = Activity::kMooring;
  CountAnalysisFrames(w);
  EXPECT_EQ(w.TotalFrames, 3);
  w.ActivityMode = Activity::kTriangleRace;
  w.TrueWindAngles[1] = 40;
  CountAnalysisFrames(w);
  EXPECT_EQ(w.TotalFrames, 4);
  EXPECT_EQ(w.LiftedFrames, 2);
  // Across north the shift is still the short way round.
  w.MeanWindDirection = 355;
  w.WindDirectionAtBoat[1] = 3;
  EXPECT_EQ(WindShiftAtBoat(w), 8);
  EXPECT_EQ(LiftOnTack(w), -8);
}

}  // namespace
