// The slowdown through a tack and the leeway angle's whole-number steps.
#include <gtest/gtest.h>

#include <cmath>

#include "boat/boat_motion.h"
#include "boat/boat_step_parts.h"
#include "boat_test_world.h"

namespace {

struct TackSlowdown : BoatWorld, ::testing::Test {
  StepValues v;
  TackSlowdown() {
    w.CloseHauledAngle = 45;
    v.twa = 45;
    v.hullSpeed = 50;  // a 25-foot keelboat
  }
  // The boat tacks at second 100 with speed p.
  void TackAt(int p) {
    w.LastTackTime[1] = w.SimSeconds = 100;
    v.previousSpeed = p;
    w.BoatSpeeds[1] = p;
    ApplyTackSlowdown(w, v);
  }
  // The speed the slowdown leaves at second t when the boat comes in with speed p.
  double SpeedAt(int t, int p) {
    w.SimSeconds = t;
    v.previousSpeed = p;
    w.BoatSpeeds[1] = p;
    w.BoatSpeedTenths[1] = p;
    ApplyTackSlowdown(w, v);
    return w.BoatSpeeds[1];
  }
};

TEST_F(TackSlowdown, EachWindowSetsItsShareOfTheSpeedAtTheTack) {
  TackAt(40);
  EXPECT_EQ(w.SpeedAtTack[1], 40);
  // Faster than the window's share: brought down to it.
  EXPECT_EQ(SpeedAt(102, 39), 26);  // 2/3 of 40
  EXPECT_EQ(w.BoatSpeedTenths[1], 26);
  // Stalled in the turn: carried up to the same share, in both windows.
  EXPECT_EQ(SpeedAt(102, 12), 26);
  EXPECT_EQ(SpeedAt(103, 12), 32);  // 4/5 of 40 from L/2 + 1 on
  EXPECT_EQ(SpeedAt(105, 12), 32);
  EXPECT_EQ(w.BoatSpeedTenths[1], 32);
  // Before the first window and after the last the boat keeps its own speed.
  EXPECT_EQ(SpeedAt(101, 12), 12);
  EXPECT_EQ(SpeedAt(106, 12), 12);
  // Bearing away out of the tack ends the slowdown.
  v.twa = 50;
  EXPECT_EQ(SpeedAt(102, 12), 12);
}

TEST_F(TackSlowdown, ABoatAlmostStoppedGetsTheLowCaps) {
  TackAt(40);
  // Under half a knot the cap is 15 (then 25) tenths, still limited to the speed at the tack.
  EXPECT_EQ(SpeedAt(102, 3), 10);  // 2/3 of 15
  EXPECT_EQ(SpeedAt(104, 3), 20);  // 4/5 of 25
  TackAt(12);
  EXPECT_EQ(SpeedAt(104, 3), 9);   // 4/5 of the 12 it tacked at
}

TEST_F(TackSlowdown, LightDinghiesKeepMoreAndTurnFaster) {
  w.HullClass = 2;  // the two-person dinghy: three-second tack, 3/4 then 5/6
  TackAt(40);
  EXPECT_EQ(SpeedAt(101, 30), 30);  // L/2 = 1: the first window is empty
  EXPECT_EQ(SpeedAt(102, 30), 33);  // 5/6 of 40
  EXPECT_EQ(SpeedAt(103, 30), 33);
  EXPECT_EQ(SpeedAt(104, 30), 30);
}

TEST(Leeway, TheSailsShareIsAWholeNumberBeforeTheHeel) {
  BoatWorld bw;
  World& w = bw.w;
  w.BoatSpeedTenths[1] = 10;
  w.TrueWindAngles[1] = 45;
  w.SailAngles[1] = 0;  // Cos 100
  w.DriveForces[1] = 29;  // 100 * 29 / 200 = 14.5: 14 as a whole number
  w.HeelAngles[1] = 20;   // 14 / cos 20 = 14.9; 14.5 / cos 20 would give 15
  EXPECT_EQ(ComputeLeeway(w, 1), 14);
  w.HeelAngles[1] = 0;
  w.DriveForces[1] = 31;  // 15.5 -> 15 either way at no heel
  EXPECT_EQ(ComputeLeeway(w, 1), 15);
  EXPECT_EQ(w.LeewayAngle, 15);
}

}  // namespace
