// The frame's advance runs without a canvas, and drawing a frame changes nothing the
// simulation steps beyond the steps the frame names.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>

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
  for (int frame = 0; frame < 60; ++frame) AdvanceWorld(*w);
  ASSERT_GT(w->TimeStep, 0);
  EXPECT_NEAR(w->SimTime - t0, 60 * w->TimeStep, 1e-6);
  EXPECT_EQ(w->SimSeconds, static_cast<int>(w->SimTime));
  EXPECT_GT(std::hypot(w->BoatX[1] - x0, w->BoatY[1] - y0), 1.0);

  // The hand in the steering zone reaches the helm through the advance alone: left of the
  // zone's centre the bow goes right, the same distance to the right turns it back.
  const int y = static_cast<int>(s.w().ViewHeightF * 0.95);
  const int centre = s.w().ViewWidth / 2 - s.w().ViewWidth / 40;
  auto turn = [&](int dx) {
    auto c = s.Copy();
    std::tie(c->MouseX, c->MouseY) = std::tuple{centre + dx, y};
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
    for (auto step : {AdvanceWorld, RunWavePitch, UpdatePanelReadings, CountAnalysisFrames, UpdateDrawnSteeringZone,
                      CountSwimmerSightFrames})
      step(*stepped);
  }
  const World &a = painted, &b = *stepped;
  auto kept = [](const World& x) {
    return std::tuple{x.SimTime, x.WindDirection, x.PitchTimer, x.WavePitch, x.FrameCounter, x.OwnHeading,
                      x.HelmInput, x.SwimmerSightFrames, x.TargetDistanceYards, x.TotalFrames, x.LiftedFrames};
  };
  EXPECT_EQ(kept(a), kept(b));
  for (int boat = 1; boat <= a.BoatCount; ++boat) {
    auto boatOf = [boat](const World& x) {
      return std::tuple{x.BoatX[boat], x.BoatY[boat], x.BoatHeadings[boat], x.BoatSpeeds[boat], x.HeelAngles[boat],
                        x.BoatTack[boat]};
    };
    EXPECT_EQ(boatOf(a), boatOf(b)) << boat;
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
  std::tie(w.ActivityMode, w.BoatTack[1], w.TrueWindAngles[1], w.MeanWindDirection, w.WindDirectionAtBoat[1]) =
      std::tuple{Activity::kUpwind, 1, 45, 10, 10};
  CountAnalysisFrames(w);
  EXPECT_EQ(w.TotalFrames, 0);  // SimSeconds 0: not yet
  w.SimSeconds = 1;
  CountAnalysisFrames(w);
  EXPECT_EQ(w.LiftedFrames, 1);
  std::tie(w.WindDirectionAtBoat[1], w.WindShadowState[1]) = std::tuple{5, 2};  // headed on starboard, in bad air
  CountAnalysisFrames(w);
  EXPECT_EQ((std::array{w.LiftedFrames, w.BadAirFrames}), (std::array{1, 1}));
  // The same shift lifts on port, but the boat is no longer close-hauled.
  std::tie(w.BoatTack[1], w.TrueWindAngles[1]) = std::tuple{-1, 55};
  CountAnalysisFrames(w);
  EXPECT_EQ((std::array{w.CloseHauledFrames, w.LiftedFrames}), (std::array{2, 1}));
  w.ActivityMode = Activity::kMooring;
  CountAnalysisFrames(w);
  EXPECT_EQ(w.TotalFrames, 3);  // not counted outside upwind and the races
  std::tie(w.ActivityMode, w.TrueWindAngles[1]) = std::tuple{Activity::kTriangleRace, 40};
  CountAnalysisFrames(w);
  EXPECT_EQ((std::array{w.TotalFrames, w.LiftedFrames}), (std::array{4, 2}));
  // Across north the shift is still the short way round.
  std::tie(w.MeanWindDirection, w.WindDirectionAtBoat[1]) = std::tuple{355, 3};
  EXPECT_EQ(WindShiftAtBoat(w), 8);
  EXPECT_EQ(LiftOnTack(w), -8);
}

}  // namespace
