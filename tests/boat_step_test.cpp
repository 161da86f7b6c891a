// The boat model: drive, heel, target speed, capsize, grounding and the wind shadow.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "boat/boat_step.h"
#include "boat/boat_step_parts.h"
#include "boat_test_world.h"

namespace {

struct BoatStepTest : BoatWorld, ::testing::Test {};

TEST_F(BoatStepTest, PointOfSailIsContinuousAtSixtyDegrees) {
  for (int drive : {-50, 1, 90, 250}) {
    for (bool b : {false, true}) EXPECT_EQ(PointOfSail(drive, 60, b), PointOfSail(drive, 61, b)) << drive << b;
  }
  EXPECT_EQ((std::pair{PointOfSail(100, 0, false), PointOfSail(100, 0, true)}), (std::pair{-80, -60}));
}

TEST_F(BoatStepTest, TargetSpeedFromForwardForce) {
  StepValues v;
  const double hull = HullSpeed(w, 1);
  EXPECT_NEAR(hull, 50.0, 1e-9);
  auto target = [&](int force) { return v.forward = force, ComputeTargetSpeed(w, v), v.target; };
  EXPECT_NEAR(target(576), hull, 1e-9);
  EXPECT_NEAR(target(0), hull / 3, 1e-9);
  for (int force : {-1, -576, -5000}) EXPECT_LE(target(force), -hull / 3) << force;
  // A fleet boat on the user's leg is held to 1.1 times a user sailing above hull speed.
  std::tie(v.b, v.user, w.BoatSpeeds[1]) = std::tuple{2, false, 60};
  EXPECT_NEAR(target(5000), 66, 1e-9);
}

TEST_F(BoatStepTest, UserHeelStaysInRangeAndChangesSlowly) {
  std::tie(w.HullClass, w.ScaleLength, w.DisplacementClass, w.WindSetting, w.WindSpeed, w.MainAutoTrimActive) =
      std::tuple{1, 10, 6, 3, 22, 0};
  for (int simSpeed : {3, 9}) {
    w.SimSpeed = simSpeed;
    for (int i = 0; i < 400; ++i) {
      // Sweep heading, sheet and hiking so that the heel force swings both ways.
      Heading(1, (i * 37) % 360);
      w.MainSheet = (i * 13) % 50 - 3;
      w.SkipperHike = (i / 7) % 5 - 2;
      const int before = w.HeelAngles[1];
      BoatStep(w, 1);
      ASSERT_TRUE(w.HeelAngles[1] >= -20 && w.HeelAngles[1] <= 35) << w.HeelAngles[1];
      ASSERT_LE(std::abs(w.HeelAngles[1] - before), simSpeed < 5 ? 2 : 1) << i;
      ASSERT_TRUE(std::isfinite(w.BoatSpeeds[1]));
    }
  }
}

TEST_F(BoatStepTest, HeelFromHikingAndFromABoomPastSquare) {
  // Boom past square: the heel force turns to windward. A user crew not hiking gets no heel.
  for (auto [b, twa, hike, lo, hi] : {std::tuple{1, 170, 0, 0, 0}, {1, 170, 2, -1, -1},
                                      {2, 159, 0, -20, 35}, {2, 160, 0, -20, 35}, {2, 161, 0, -20, 35}}) {
    StepValues v;
    // At 160 degrees the fleet's floor (below) and its limit (above) both stop short.
    std::tie(v.b, v.user, v.twa, v.drive, w.HeelAngles[b], w.SailAngles[b]) =
        std::tuple{b, b == 1, twa, b == 1 ? 400 : 4000, b == 1 ? 0 : -20, 100};
    w.SkipperHike = w.Crew1Hike = w.Crew2Hike = hike;
    ComputeRighting(w, v);
    ComputeHeel(w, v);
    EXPECT_TRUE(v.heel >= lo && v.heel <= hi) << b << " " << twa << " " << hike << ": " << v.heel;
  }
}

TEST_F(BoatStepTest, CapsizeOnlyForDinghiesCatamaransAndScows) {
  // hull class, catamaran, scow, lesson intro, heel, capsizes
  for (const auto& [hull, cat, scow, intro, heel, capsizes] :
       {std::tuple{1, 0, 0, 0, 26, true}, {1, 0, 0, 0, 25, false}, {6, 0, 0, 0, 26, false}, {7, 0, 0, 0, 35, false},
        {9, 1, 0, 0, 26, true}, {6, 0, 1, 0, 26, true}, {1, 0, 0, 1, 30, false}}) {
    BoatWorld bw;
    std::tie(bw.w.HullClass, bw.w.IsCatamaran, bw.w.IsScow, bw.w.LessonIntroPending) =
        std::tuple{hull, cat, scow, intro};
    CheckCapsize(bw.w, heel);
    EXPECT_EQ(bw.w.ResultsShown == 4, capsizes) << hull << " " << heel;
    EXPECT_EQ(bw.Count(16), capsizes ? 1 : 0);
  }
}

// The stop and the beep at every step are seen through the probe; here the edges.
TEST_F(BoatStepTest, GroundingBelowFiveFeetSilentWithoutSound) {
  std::tie(w.BoatSpeeds[1], w.BoatSpeedTenths[1], w.DepthUnderBoat, w.SoundOff) = std::tuple{45.5, 45, 4, 1};
  CheckGrounding(w);
  EXPECT_EQ(w.Grounded, 1);
  EXPECT_EQ(w.BoatSpeedTenths[1], 0);
  EXPECT_EQ(Count(-1), 0);
  std::tie(w.DepthUnderBoat, w.BoatSpeeds[1]) = std::tuple{5, 30};
  CheckGrounding(w);
  EXPECT_EQ((std::pair{w.Grounded, w.BoatSpeeds[1]}), (std::pair{0, 30.0}));
}

TEST_F(BoatStepTest, WindShadowNeedsAnotherBoatNearby) {
  std::tie(w.WindShadowState[1], w.BoatTack[1], w.BoatTack[2]) = std::tuple{2, 1, 1};
  for (int b : {1, 2}) Heading(b, 315);
  // boats, activity, the other boat's x and y, shadow state, boat ahead close: none when alone
  // on the water, nor in the skill exercises (activity 8)
  for (const auto& [count, mode, x, y, state, aheadClose] :
       {std::tuple{1, 14, 0.0, -40.0, 0, 0}, {2, 14, 0.0, -40.0, 2, 0}, {2, 14, -12.0, -12.0, 3, 1},
        {2, 14, 0.0, -85.0, 0, 0}, {2, 8, 0.0, -40.0, 0, 0}}) {
    std::tie(w.BoatCount, w.ActivityMode, w.BoatX[2], w.BoatY[2]) = std::tuple{count, mode, x, y};
    BoatStep(w, 1);
    EXPECT_EQ((std::pair{w.WindShadowState[1], w.BoatAheadClose[1]}), (std::pair{state, aheadClose}))
        << count << " " << mode << " " << x << "," << y;
  }
}

TEST_F(BoatStepTest, AutomaticMainTrim) {
  w.TrueWindAngles[1] = 90;
  w.MainSheet = 10;
  for (auto [heel, sheet] : {std::pair{23, 10.5}, {31, 11.5}, {32, 15.5}}) {
    AutoMainTrim(w, 23, heel);
    EXPECT_DOUBLE_EQ(w.MainSheet, sheet) << heel;
  }
  w.MainSheet = 46;  // eased out by 4, but held at 47
  AutoMainTrim(w, 23, 40);
  EXPECT_DOUBLE_EQ(w.MainSheet, 47);
  // A stalled main is eased; close-hauled with the sheet far out it is hauled in.
  std::tie(w.MainSheet, w.MainStalled, w.TrueWindAngles[1]) = std::tuple{24, 1, 50};
  AutoMainTrim(w, 23, 5);
  EXPECT_DOUBLE_EQ(w.MainSheet, 12);
  // The top of the main lifting: pulled in, never below -2.
  std::tie(w.MainStalled, w.WindSpeedAtBoat[1], w.MainUpperBackwindPercent, w.MainSheet) = std::tuple{0, 15, 20, -1.8};
  AutoMainTrim(w, 23, 5);
  EXPECT_DOUBLE_EQ(w.MainSheet, -2);
}

// The slowdown through a tack is pinned in tack_and_leeway_test.cpp.

}  // namespace
