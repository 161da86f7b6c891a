// Moving the boats: step factor, leeway, current, wake and the wave pitch.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "boat/boat_motion.h"
#include "boat_test_world.h"

namespace {

struct BoatMotion : BoatWorld, ::testing::Test {};

TEST_F(BoatMotion, PausedBoatsStayPutButTheWakeRecordsAtItsInterval) {
  // Wake points in 24 frames at each simulator speed.
  for (auto [simSpeed, points] : {std::pair{1, 1}, {4, 2}, {6, 4}, {7, 8}, {10, 24}, {12, 0}, {15, 0}}) {
    BoatWorld bw;
    World& w = bw.w;
    std::tie(w.SimSpeed, w.TimeStep, w.BoatX[1], w.BoatSpeedTenths[1]) = std::tuple{simSpeed, 0, 5, 50};
    w.WakeX[1].fill(-1);
    for (w.FrameCounter = 0; w.FrameCounter < 24; ++w.FrameCounter) UpdateBoatPositions(w);
    EXPECT_EQ(w.BoatX[1], 5);
    EXPECT_EQ(std::count(w.WakeX[1].begin(), w.WakeX[1].end(), 5.0), points) << simSpeed;
  }
}

TEST_F(BoatMotion, BackwardsStraightAsternForwardsCrabbingToLeeward) {
  Heading(1, 90);
  std::tie(w.TrueWindAngles[1], w.BoatTack[1], w.BoatSpeedTenths[1]) = std::tuple{90, -1, -20};
  UpdateBoatPositions(w);
  EXPECT_NEAR(w.BoatX[1], -20 * 0.0216, 1e-6);
  EXPECT_NEAR(w.BoatY[1], 0, 1e-3);
  std::tie(w.BoatX[1], w.BoatY[1], w.BoatSpeedTenths[1], w.DriveForces[1], w.SailAngles[1]) =
      std::tuple{0, 0, 20, 100, 30};
  UpdateBoatPositions(w);
  EXPECT_GT(w.LeewayAngle, 0);
  EXPECT_GT(w.BoatY[1], 0.01);  // the wind is from the north
}

TEST_F(BoatMotion, LeewayOfASlowBoatGrowsAsItStops) {
  w.TrueWindAngles[1] = 60;
  const int expected[] = {120, 60, 60, 60, 40, 40};
  for (int s = 0; s <= 5; ++s) {
    w.BoatSpeedTenths[1] = s;
    EXPECT_EQ(ComputeLeeway(w, 1), expected[s]) << s;
  }
  w.CentreboardUp = 100;
  EXPECT_EQ(ComputeLeeway(w, 1), 160);
  w.SimSeconds = -30;  // before a race start
  EXPECT_EQ(ComputeLeeway(w, 1), 80);
  w.Grounded = 1;
  EXPECT_EQ(ComputeLeeway(w, 1), 0);
  // Under way, a strong drive.
  std::tie(w.Grounded, w.CentreboardUp, w.SimSeconds, w.BoatSpeedTenths[1], w.DriveForces[1]) =
      std::tuple{0, 0, 10, 6, 5000};
  EXPECT_EQ(ComputeLeeway(w, 1), 15);
}

TEST_F(BoatMotion, StoppedBoatDriftsWithTheCurrent) {
  std::tie(w.EffectiveCurrent, w.CurrentDirection) = std::tuple{10, 90};  // from the east
  UpdateBoatPositions(w);
  EXPECT_NEAR(w.BoatX[1], -10 * 0.0216, 1e-4);
  EXPECT_EQ(w.SpeedOverGround, 10);
  w.BoatX[1] = 0;
  w.ActivityMode = 5;  // no current at the pier
  UpdateBoatPositions(w);
  EXPECT_EQ(w.BoatX[1], 0);
  // Before a race start: half the current, and a slow boat drifts down the wind.
  std::tie(w.ActivityMode, w.SimSeconds, w.Difficulty) = std::tuple{14, -100, 7};
  UpdateBoatPositions(w);
  EXPECT_NEAR(w.BoatX[1], -5 * 0.0216, 1e-4);
  EXPECT_NEAR(w.BoatY[1], 5 * 0.0216, 1e-4);
}

TEST_F(BoatMotion, WavePitchSounds) {
  std::tie(w.TrueWindAngles[1], w.SimSeconds, w.BoatSpeeds[1]) = std::tuple{120, 7, 50};  // at hull speed, flat water
  RunWavePitch(w);
  w.BoatSpeeds[1] = 30;
  RunWavePitch(w);
  EXPECT_EQ((std::array{Count(5), Count(11)}), (std::array{1, 1}));  // each sound once
  // A flogging main, unless the crew is calling a commanded tack.
  w.MainBackwindPercent = 70;
  for (int m : {1, 0}) w.AutoManoeuvre = m, RunWavePitch(w);
  EXPECT_EQ(Count(7), 1);

  // Close-hauled in big waves a crest under the bow kicks the pitch once, then cools down.
  std::tie(w.WaveClass, w.TrueWindAngles[1]) = std::tuple{3, 45};
  w.CrestX.fill(5000);
  w.CrestX[0] = 5;
  RunWavePitch(w);
  EXPECT_EQ(w.BigWave, 1);
  EXPECT_EQ(w.PitchTimer, w.SimSpeedDivisor / 5);
  w.CrestX[0] = 4;
  RunWavePitch(w);
  EXPECT_EQ(w.BigWave, 0);
  EXPECT_EQ(Count(21), 2);  // one wave event: two clips
}

}  // namespace
