// The boat model: drive, heel, target speed, capsize, grounding and the wind shadow.
#include <gtest/gtest.h>

#include <cmath>

#include "boat/boat_step.h"
#include "boat/boat_step_parts.h"
#include "boat_test_world.h"

namespace {

struct BoatStepTest : BoatWorld, ::testing::Test {};

TEST_F(BoatStepTest, PointOfSailIsContinuousAtSixtyDegrees) {
  for (int drive : {-50, 1, 90, 250}) {
    EXPECT_EQ(PointOfSail(drive, 60, false), PointOfSail(drive, 61, false)) << drive;
    EXPECT_EQ(PointOfSail(drive, 60, true), PointOfSail(drive, 61, true)) << drive;
  }
  EXPECT_EQ(PointOfSail(100, 0, false), -80);
  EXPECT_EQ(PointOfSail(100, 0, true), -60);
}

TEST_F(BoatStepTest, TargetSpeedFromForwardForce) {
  StepValues v;
  const double hull = HullSpeed(w, 1);
  EXPECT_NEAR(hull, 50.0, 1e-9);
  for (auto [force, expected] : {std::pair{576, hull}, {0, hull / 3}}) {
    v.forward = force;
    ComputeTargetSpeed(w, v);
    EXPECT_NEAR(v.target, expected, 1e-9) << force;
  }
  for (int force : {-1, -576, -5000}) {
    v.forward = force;
    ComputeTargetSpeed(w, v);
    EXPECT_LE(v.target, -hull / 3) << force;
  }
  // A fleet boat on the user's leg is held to 1.1 times a user sailing above hull speed.
  v.b = 2;
  v.user = false;
  v.forward = 5000;
  w.BoatSpeeds[1] = 60;
  ComputeTargetSpeed(w, v);
  EXPECT_NEAR(v.target, 66, 1e-9);
}

TEST_F(BoatStepTest, UserHeelStaysInRangeAndChangesSlowly) {
  w.HullClass = 1;
  w.ScaleLength = 10;
  w.DisplacementClass = 6;
  w.WindSetting = 3;
  w.WindSpeed = 22;
  w.MainAutoTrimActive = 0;
  for (int simSpeed : {3, 9}) {
    w.SimSpeed = simSpeed;
    for (int i = 0; i < 400; ++i) {
      // Sweep heading, sheet and hiking so that the heel force swings both ways.
      Heading(1, (i * 37) % 360);
      w.MainSheet = (i * 13) % 50 - 3;
      w.SkipperHike = (i / 7) % 5 - 2;
      const int before = w.HeelAngles[1];
      BoatStep(w, 1);
      ASSERT_GE(w.HeelAngles[1], -20);
      ASSERT_LE(w.HeelAngles[1], 35);
      ASSERT_LE(std::abs(w.HeelAngles[1] - before), simSpeed < 5 ? 2 : 1) << i;
      ASSERT_TRUE(std::isfinite(w.BoatSpeeds[1]));
    }
  }
}

TEST_F(BoatStepTest, NoHikingCrewAndNegativeHeelForceGiveNoHeel) {
  StepValues v;
  v.twa = 170;
  v.drive = 400;
  w.SailAngles[1] = 100;  // boom past square: the heel force turns to windward
  ComputeRighting(w, v);
  ComputeHeel(w, v);
  EXPECT_EQ(v.heel, 0);
  w.SkipperHike = w.Crew1Hike = w.Crew2Hike = 2;
  ComputeRighting(w, v);
  ComputeHeel(w, v);
  EXPECT_EQ(v.heel, -1);
}

TEST_F(BoatStepTest, FleetHeelStaysInRangeOnEitherSideOfDeadRun) {
  // A boom past square turns the heel force to windward; at 160 degrees the fleet's floor
  // (below 160) and its limit (above 160) both stop short.
  for (const int twa : {159, 160, 161}) {
    StepValues v;
    v.b = 2;
    v.user = false;
    v.twa = twa;
    v.drive = 4000;
    w.HeelAngles[2] = -20;
    w.SailAngles[2] = 100;
    ComputeRighting(w, v);
    ComputeHeel(w, v);
    EXPECT_GE(v.heel, -20) << twa;
    EXPECT_LE(v.heel, 35) << twa;
  }
}

TEST_F(BoatStepTest, CapsizeOnlyForDinghiesCatamaransAndScows) {
  struct Case {
    int hullClass, catamaran, scow, intro, heel;
    bool capsizes;
  };
  for (const Case c : {Case{1, 0, 0, 0, 26, true}, Case{1, 0, 0, 0, 25, false}, Case{6, 0, 0, 0, 26, false},
                       Case{7, 0, 0, 0, 35, false}, Case{9, 1, 0, 0, 26, true}, Case{6, 0, 1, 0, 26, true},
                       Case{1, 0, 0, 1, 30, false}}) {
    BoatWorld bw;
    bw.w.HullClass = c.hullClass;
    bw.w.IsCatamaran = c.catamaran;
    bw.w.IsScow = c.scow;
    bw.w.LessonIntroPending = c.intro;
    CheckCapsize(bw.w, c.heel);
    EXPECT_EQ(bw.w.ResultsShown == 4, c.capsizes) << c.hullClass << " " << c.heel;
    EXPECT_EQ(bw.Count(16), c.capsizes ? 1 : 0);
  }
}

// The stop and the beep at every step are seen through the probe; here the edges.
TEST_F(BoatStepTest, GroundingBelowFiveFeetSilentWithoutSound) {
  w.BoatSpeeds[1] = 45.5;
  w.BoatSpeedTenths[1] = 45;
  w.DepthUnderBoat = 4;
  w.SoundOff = 1;
  CheckGrounding(w);
  EXPECT_EQ(w.Grounded, 1);
  EXPECT_EQ(w.BoatSpeedTenths[1], 0);
  EXPECT_EQ(Count(-1), 0);
  w.DepthUnderBoat = 5;
  w.BoatSpeeds[1] = 30;
  CheckGrounding(w);
  EXPECT_EQ(w.Grounded, 0);
  EXPECT_EQ(w.BoatSpeeds[1], 30);
}

TEST_F(BoatStepTest, WindShadowNeedsAnotherBoatNearby) {
  w.ActivityMode = 14;
  w.WindShadowState[1] = 2;
  Heading(1, 315);
  w.BoatTack[1] = w.BoatTack[2] = 1;
  BoatStep(w, 1);
  EXPECT_EQ(w.WindShadowState[1], 0);  // alone on the water

  w.BoatCount = 2;
  Heading(2, 315);
  const struct {
    double x, y;
    int state, aheadClose;
  } cases[] = {{0, -40, 2, 0}, {-12, -12, 3, 1}, {0, -85, 0, 0}};
  for (const auto& c : cases) {
    w.BoatX[2] = c.x;
    w.BoatY[2] = c.y;
    BoatStep(w, 1);
    EXPECT_EQ(w.WindShadowState[1], c.state) << c.x << "," << c.y;
    EXPECT_EQ(w.BoatAheadClose[1], c.aheadClose);
  }
  w.ActivityMode = 8;  // the skill exercises leave it alone
  w.BoatY[2] = -40;
  BoatStep(w, 1);
  EXPECT_EQ(w.WindShadowState[1], 0);
}

TEST_F(BoatStepTest, AutomaticMainTrim) {
  w.TrueWindAngles[1] = 90;
  w.MainSheet = 10;
  for (auto [heel, sheet] : {std::pair{23, 10.5}, {31, 11.5}, {32, 15.5}}) {
    AutoMainTrim(w, 23, heel);
    EXPECT_DOUBLE_EQ(w.MainSheet, sheet) << heel;
  }
  w.MainSheet = 46;
  AutoMainTrim(w, 23, 40);
  EXPECT_DOUBLE_EQ(w.MainSheet, 47);
  // A stalled main is eased; close-hauled with the sheet far out it is hauled in.
  w.MainSheet = 24;
  w.MainStalled = 1;
  w.TrueWindAngles[1] = 50;
  AutoMainTrim(w, 23, 5);
  EXPECT_DOUBLE_EQ(w.MainSheet, 12);
  // The top of the main lifting: pulled in, never below -2.
  w.MainStalled = 0;
  w.WindSpeedAtBoat[1] = 15;
  w.MainUpperBackwindPercent = 20;
  w.MainSheet = -1.8;
  AutoMainTrim(w, 23, 5);
  EXPECT_DOUBLE_EQ(w.MainSheet, -2);
}

TEST_F(BoatStepTest, TackSlowsTheBoatForAFewSeconds) {
  w.CloseHauledAngle = 45;
  StepValues v;
  v.twa = 45;
  v.previousSpeed = 40;
  v.hullSpeed = 50;
  w.LastTackTime[1] = w.SimSeconds = 100;
  w.BoatSpeeds[1] = 40;
  ApplyTackSlowdown(w, v);
  EXPECT_EQ(w.SpeedAtTack[1], 40);
  // A keelboat: 2/3 of the speed at the tack in the 2nd second, 4/5 up to the 5th, then free.
  for (auto [t, speed] : {std::pair{102, 26.0}, {104, 32.0}, {106, 39.0}}) {
    w.SimSeconds = t;
    w.BoatSpeeds[1] = 39;
    ApplyTackSlowdown(w, v);
    EXPECT_EQ(w.BoatSpeeds[1], speed) << t;
  }
}

}  // namespace
