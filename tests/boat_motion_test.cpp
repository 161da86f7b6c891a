// Moving the boats: step factor, leeway, current, wake and the wave pitch.
#include <gtest/gtest.h>

#include <cmath>

#include "boat/boat_motion.h"
#include "boat_test_world.h"

namespace {

TEST(BoatMotion, PausedBoatsStayPutButTheWakeRecords) {
  BoatWorld bw;
  World& w = bw.w;
  w.BoatCount = 2;
  w.BoatX[1] = 100;
  w.BoatY[2] = -50;
  w.BoatSpeedTenths[1] = w.BoatSpeedTenths[2] = 50;
  w.WakeX[1][0] = 7;
  w.TimeStep = 0;
  w.FrameCounter = 0;
  UpdateBoatPositions(w);
  EXPECT_EQ(w.BoatX[1], 100);
  EXPECT_EQ(w.BoatY[1], 0);
  EXPECT_EQ(w.BoatY[2], -50);
  EXPECT_EQ(w.WakeX[1][0], 100);
  EXPECT_EQ(w.WakeX[1][1], 7);
  EXPECT_EQ(w.WakeY[2][0], -50);

  // Stopped, the chart or a page freeze the boats just the same.
  w.TimeStep = 0.216;
  w.Stopped = 1;
  UpdateBoatPositions(w);
  EXPECT_EQ(w.BoatX[1], 100);
}

TEST(BoatMotion, WakeIntervalFollowsTheSimulatorSpeed) {
  struct Case {
    int simSpeed;
    int recordedIn24Frames;
  };
  for (const Case c : {Case{1, 1}, Case{4, 2}, Case{6, 4}, Case{7, 8}, Case{10, 24}, Case{12, 0}, Case{15, 0}}) {
    BoatWorld bw;
    World& w = bw.w;
    w.SimSpeed = c.simSpeed;
    w.WakeX[1].fill(-1);
    w.BoatX[1] = 5;
    w.TimeStep = 0;
    for (int f = 0; f < 24; ++f) {
      w.FrameCounter = f;
      UpdateBoatPositions(w);
    }
    int recorded = 0;
    for (double x : w.WakeX[1]) recorded += x == 5 ? 1 : 0;
    EXPECT_EQ(recorded, c.recordedIn24Frames) << "speed " << c.simSpeed;
  }
}

TEST(BoatMotion, SailingBackwardsGoesStraightAstern) {
  BoatWorld bw;
  World& w = bw.w;
  bw.Heading(1, 90);
  w.TrueWindAngles[1] = 90;
  w.BoatTack[1] = -1;
  w.BoatSpeedTenths[1] = -20;
  UpdateBoatPositions(w);
  EXPECT_NEAR(w.BoatX[1], -20 * 0.0216, 1e-6);
  EXPECT_NEAR(w.BoatY[1], 0, 1e-3);

  // Forward at the same speed the boat crabs away from the wind (to the south here).
  w.BoatX[1] = w.BoatY[1] = 0;
  w.BoatSpeedTenths[1] = 20;
  w.DriveForces[1] = 100;
  w.SailAngles[1] = 30;
  UpdateBoatPositions(w);
  EXPECT_GT(w.LeewayAngle, 0);
  EXPECT_GT(w.BoatY[1], 0);
}

TEST(BoatMotion, LeewayOfASlowBoatGrowsAsItStops) {
  BoatWorld bw;
  World& w = bw.w;
  w.TrueWindAngles[1] = 60;
  const int expected[] = {120, 60, 60, 60, 40, 40};
  for (int s = 0; s <= 5; ++s) {
    w.BoatSpeedTenths[1] = s;
    EXPECT_EQ(ComputeLeeway(w, 1), expected[s]) << s;
  }
  w.BoatSpeedTenths[1] = 4;
  w.CentreboardUp = 100;
  EXPECT_EQ(ComputeLeeway(w, 1), 160);
  w.SimSeconds = -30;  // before a race start
  EXPECT_EQ(ComputeLeeway(w, 1), 80);
  w.Grounded = 1;
  EXPECT_EQ(ComputeLeeway(w, 1), 0);
  EXPECT_EQ(w.LeewayAngle, 0);

  // At speed it is small and never above 15.
  w.Grounded = 0;
  w.SimSeconds = 10;
  w.CentreboardUp = 0;
  w.BoatSpeedTenths[1] = 6;
  w.DriveForces[1] = 5000;
  w.WindSpeedAtBoat[1] = 10;
  EXPECT_EQ(ComputeLeeway(w, 1), 15);
}

TEST(BoatMotion, StoppedBoatDriftsWithTheCurrentOnly) {
  BoatWorld bw;
  World& w = bw.w;
  w.EffectiveCurrent = 10;
  w.CurrentDirection = 90;  // from the east
  w.BoatSpeedTenths[1] = 0;
  w.TrueWindAngles[1] = 45;
  UpdateBoatPositions(w);
  EXPECT_NEAR(w.BoatX[1], -10 * 0.0216, 1e-4);
  EXPECT_NEAR(w.BoatY[1], 0, 1e-4);
  EXPECT_EQ(w.SpeedOverGround, 10);

  // No current at the pier; before a race start it runs at half strength, and a slow boat
  // at the harder levels drifts down the wind as well.
  w.BoatX[1] = 0;
  w.ActivityMode = 5;
  UpdateBoatPositions(w);
  EXPECT_EQ(w.BoatX[1], 0);
  w.ActivityMode = 14;
  w.SimSeconds = -100;
  w.Difficulty = 7;
  w.WindDirectionAtBoat[1] = 0;
  w.WindSpeedAtBoat[1] = 10;
  UpdateBoatPositions(w);
  EXPECT_NEAR(w.BoatX[1], -5 * 0.0216, 1e-4);
  EXPECT_NEAR(w.BoatY[1], 5 * 0.0216, 1e-4);
}

TEST(BoatMotion, LookAheadPointLeadsTheBoat) {
  BoatWorld bw;
  World& w = bw.w;
  bw.Heading(1, 90);
  w.TrueWindAngles[1] = 90;
  w.BoatTack[1] = -1;
  w.BoatSpeedTenths[1] = 50;
  w.DriveForces[1] = 1;
  w.BoatX[1] = 1000;
  UpdateBoatPositions(w);
  EXPECT_EQ(w.LookAheadX[1], static_cast<int>(w.BoatX[1] + 0.24 * 50 * std::sin(90 * kDegToRad)));
}

TEST(BoatMotion, WavePitchSoundsFollowSpeedAndWaves) {
  BoatWorld bw;
  World& w = bw.w;
  w.TrueWindAngles[1] = 120;
  w.WindSpeedAtBoat[1] = 10;
  w.SimSeconds = 7;
  w.BoatSpeeds[1] = 50;  // at hull speed in flat water: the rushing sound
  RunWavePitch(w);
  EXPECT_TRUE(bw.Played(5));
  EXPECT_FALSE(bw.Played(11));
  w.BoatSpeeds[1] = 30;
  RunWavePitch(w);
  EXPECT_TRUE(bw.Played(11));

  // A luffing main flogs, unless the crew is busy calling a commanded tack.
  w.MainBackwindPercent = 70;
  w.AutoManoeuvre = 1;
  RunWavePitch(w);
  EXPECT_FALSE(bw.Played(7));
  w.AutoManoeuvre = 0;
  RunWavePitch(w);
  EXPECT_TRUE(bw.Played(7));

  // The timer wraps after a third of the divisor.
  w.PitchTimer = w.SimSpeedDivisor / 3;
  RunWavePitch(w);
  EXPECT_EQ(w.PitchTimer, 0);
}

TEST(BoatMotion, BigWaveKicksThePitchOnceAndCoolsDown) {
  BoatWorld bw;
  World& w = bw.w;
  w.WaveClass = 3;
  w.TrueWindAngles[1] = 45;
  w.BoatSpeeds[1] = 40;
  w.CrestX.fill(5000);
  w.CrestX[0] = 5;
  w.PreviousCrestDistance = 50000;
  RunWavePitch(w);
  EXPECT_EQ(w.BigWave, 1);
  EXPECT_EQ(w.PitchTimer, w.SimSpeedDivisor / 5);
  EXPECT_TRUE(bw.Played(21));
  w.CrestX[0] = 4;
  RunWavePitch(w);
  EXPECT_EQ(w.BigWave, 0);  // cooling down
  EXPECT_DOUBLE_EQ(w.BigWaveCooldown, 19);
}

}  // namespace
