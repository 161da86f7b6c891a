// The slowdown through a tack and the leeway angle's whole-number steps.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "boat/boat_motion.h"
#include "boat/boat_step_parts.h"
#include "boat_test_world.h"

namespace {

struct TackSlowdown : BoatWorld, ::testing::Test {
  StepValues v;
  TackSlowdown() {
    std::tie(w.CloseHauledAngle, v.twa, v.hullSpeed) = std::tuple{45, 45, 50};  // a 25-foot keelboat
  }
  // The boat tacks at second 100 with speed p.
  void TackAt(int p) {
    w.LastTackTime[1] = w.SimSeconds = 100;
    std::tie(v.previousSpeed, w.BoatSpeeds[1]) = std::tuple{p, p};
    ApplyTackSlowdown(w, v);
  }
  // The speed the slowdown leaves at second t when the boat comes in with speed p.
  double SpeedAt(int t, int p) {
    std::tie(w.SimSeconds, v.previousSpeed, w.BoatSpeeds[1], w.BoatSpeedTenths[1]) = std::tuple{t, p, p, p};
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
  EXPECT_EQ(SpeedAt(102, 4), 10);  // 2/3 of 15
  EXPECT_EQ(SpeedAt(104, 3), 20);  // 4/5 of 25
  TackAt(12);
  EXPECT_EQ(SpeedAt(104, 3), 9);   // 4/5 of the 12 it tacked at
}

TEST_F(TackSlowdown, LightDinghiesKeepMoreAndTurnFaster) {
  w.HullClass = 2;  // the two-person dinghy: three-second tack, 3/4 then 5/6
  TackAt(40);
  // L/2 = 1: the first window is empty; then 5/6 of 40 up to the third second.
  for (auto [t, speed] : {std::pair{101, 30}, {102, 33}, {103, 33}, {104, 30}}) EXPECT_EQ(SpeedAt(t, 30), speed) << t;
}

TEST(Leeway, TheSailsShareIsAWholeNumberBeforeTheHeel) {
  BoatWorld bw;
  World& w = bw.w;
  // Cos 0 = 100; 100 * 29 / 200 = 14.5: 14 as a whole number; 14 / cos 20 = 14.9 where 14.5 / cos 20
  // would give 15.
  std::tie(w.BoatSpeedTenths[1], w.TrueWindAngles[1], w.SailAngles[1], w.DriveForces[1], w.HeelAngles[1]) =
      std::tuple{10, 45, 0, 29, 20};
  EXPECT_EQ(ComputeLeeway(w, 1), 14);
  std::tie(w.HeelAngles[1], w.DriveForces[1]) = std::tuple{0, 31};  // 15.5 -> 15 either way at no heel
  EXPECT_EQ(ComputeLeeway(w, 1), 15);
  EXPECT_EQ(w.LeewayAngle, 15);
}

}  // namespace
