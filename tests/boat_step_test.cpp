// The boat model: drive, heel, target speed, capsize and grounding.
#include <gtest/gtest.h>

#include <cmath>

#include "boat/boat_step.h"
#include "boat/boat_step_parts.h"
#include "boat_test_world.h"

namespace {

TEST(BoatStep, PointOfSailIsContinuousAtSixtyDegrees) {
  for (int drive : {-50, 1, 90, 250}) {
    for (bool cat : {false, true}) {
      EXPECT_EQ(PointOfSail(drive, 60, cat), PointOfSail(drive, 61, cat)) << drive << " " << cat;
      EXPECT_EQ(PointOfSail(drive, 60, cat), drive);
    }
  }
  // Pinching loses drive: head to wind it is all gone, and more.
  EXPECT_EQ(PointOfSail(100, 0, false), -80);
  EXPECT_EQ(PointOfSail(100, 0, true), -60);
  EXPECT_LT(PointOfSail(100, 45, false), PointOfSail(100, 55, false));
}

TEST(BoatStep, TargetSpeedFromForwardForce) {
  BoatWorld bw;
  World& w = bw.w;
  const double hull = HullSpeed(w, 1);
  EXPECT_NEAR(hull, 50.0, 1e-9);  // 10 x sqrt(25)

  StepValues v;
  v.twa = 90;
  v.wind = 10;
  v.forward = 576;
  ComputeTargetSpeed(w, v);
  EXPECT_NEAR(v.target, hull, 1e-9);

  v.forward = 0;
  ComputeTargetSpeed(w, v);
  EXPECT_NEAR(v.target, hull / 3, 1e-9);

  for (int force : {-1, -100, -576, -5000}) {
    v.forward = force;
    ComputeTargetSpeed(w, v);
    EXPECT_LE(v.target, -hull / 3 + 1e-9) << force;
  }

  // Beyond the hull-speed force the boat planes towards 15 hull speeds over its displacement.
  v.forward = 24 * 24 + 64 * 64;
  ComputeTargetSpeed(w, v);
  EXPECT_GT(v.target, hull);

  // The boat's rating scales the target.
  w.BoatRatingPercent[1] = 90;
  v.forward = 576;
  ComputeTargetSpeed(w, v);
  EXPECT_NEAR(v.target, 0.9 * hull, 1e-9);
}

TEST(BoatStep, UserHeelStaysInRangeAndChangesSlowly) {
  BoatWorld bw;
  World& w = bw.w;
  w.HullClass = 1;
  w.MaxHeel = 15;
  w.ScaleLength = 10;
  w.DisplacementClass = 6;
  w.WindSetting = 3;
  w.WindSpeed = 22;
  w.MainAutoTrimActive = 0;
  for (int simSpeed : {3, 9}) {
    w.SimSpeed = simSpeed;
    const int limit = simSpeed < 5 ? 2 : 1;
    for (int i = 0; i < 400; ++i) {
      // Sweep the heading, the sheet and the hiking so that the heel force swings both ways.
      bw.Heading(1, (i * 37) % 360);
      w.MainSheet = (i * 13) % 50 - 3;
      w.SkipperHike = (i / 7) % 5 - 2;
      const int before = w.HeelAngles[1];
      BoatStep(w, 1);
      const int after = w.HeelAngles[1];
      ASSERT_GE(after, -20);
      ASSERT_LE(after, 35);
      ASSERT_LE(std::abs(after - before), limit) << "step " << i;
      ASSERT_TRUE(std::isfinite(w.BoatSpeeds[1]));
    }
  }
}

TEST(BoatStep, NoHikingCrewAndNegativeHeelForceGiveNoHeel) {
  BoatWorld bw;
  World& w = bw.w;
  StepValues v;
  v.twa = 170;
  v.drive = 400;
  w.SailAngles[1] = 100;  // boom past square: the heel force turns to windward
  ComputeRighting(w, v);
  ComputeHeel(w, v);
  EXPECT_EQ(v.heel, 0);

  // With the crew hiked the same force heels the boat to windward, one degree per step.
  w.SkipperHike = w.Crew1Hike = w.Crew2Hike = 2;
  ComputeRighting(w, v);
  ComputeHeel(w, v);
  EXPECT_EQ(v.heel, -1);
}

TEST(BoatStep, CapsizeOnlyForDinghiesCatamaransAndScows) {
  struct Case {
    int hullClass;
    int catamaran, scow;
    int heel;
    bool capsizes;
  };
  const Case cases[] = {
      {1, 0, 0, 26, true}, {1, 0, 0, 25, false}, {3, 0, 0, 30, true}, {6, 0, 0, 26, false},
      {7, 0, 0, 35, false}, {9, 1, 0, 26, true}, {6, 0, 1, 26, true},
  };
  for (const Case& c : cases) {
    BoatWorld bw;
    World& w = bw.w;
    w.HullClass = c.hullClass;
    w.IsCatamaran = c.catamaran;
    w.IsScow = c.scow;
    CheckCapsize(w, c.heel);
    EXPECT_EQ(w.ResultsShown == 4, c.capsizes) << c.hullClass << " " << c.heel;
    EXPECT_EQ(bw.Played(16), c.capsizes);
  }
  BoatWorld intro;
  intro.w.HullClass = 1;
  intro.w.LessonIntroPending = 1;
  CheckCapsize(intro.w, 30);
  EXPECT_EQ(intro.w.ResultsShown, 0);
}

TEST(BoatStep, AgroundTheBoatStopsDeadAndBeepsEveryStep) {
  BoatWorld bw;
  World& w = bw.w;
  w.BoatSpeeds[1] = 45.5;
  w.BoatSpeedTenths[1] = 45;
  w.DepthUnderBoat = 4;
  CheckGrounding(w);
  CheckGrounding(w);
  EXPECT_EQ(w.BoatSpeeds[1], 0);
  EXPECT_EQ(w.BoatSpeedTenths[1], 0);
  EXPECT_EQ(w.PenaltyMessage, 8);
  EXPECT_EQ(w.Grounded, 1);
  EXPECT_EQ(bw.Beeps(), 2);

  w.SoundOff = 1;
  CheckGrounding(w);
  EXPECT_EQ(bw.Beeps(), 2);

  w.DepthUnderBoat = 5;
  w.BoatSpeeds[1] = 30;
  CheckGrounding(w);
  EXPECT_EQ(w.Grounded, 0);
  EXPECT_EQ(w.BoatSpeeds[1], 30);
}

TEST(BoatStep, WindShadowNeedsAnotherBoatNearby) {
  BoatWorld bw;
  World& w = bw.w;
  w.ActivityMode = 14;
  w.WindShadowState[1] = 2;
  bw.Heading(1, 315);
  w.BoatTack[1] = w.BoatTack[2] = 1;
  BoatStep(w, 1);
  EXPECT_EQ(w.WindShadowState[1], 0);  // alone on the water

  // Boat 2 lies 40 units dead upwind: boat 1 sails in its wind shadow.
  w.BoatCount = 2;
  w.BoatY[2] = -40;
  bw.Heading(2, 315);
  BoatStep(w, 1);
  EXPECT_EQ(w.WindShadowState[1], 2);
  EXPECT_EQ(w.SameTackNeighbour[1], 0);

  // Close ahead on the same tack while close-hauled: its backwind.
  w.BoatX[2] = -12;
  w.BoatY[2] = -12;
  BoatStep(w, 1);
  EXPECT_EQ(w.BoatAheadClose[1], 1);
  EXPECT_EQ(w.SameTackNeighbour[1], 1);
  EXPECT_EQ(w.WindShadowState[1], 3);

  // Out of range at 85 units.
  w.BoatX[2] = 0;
  w.BoatY[2] = -85;
  BoatStep(w, 1);
  EXPECT_EQ(w.WindShadowState[1], 0);

  // The skill exercises leave the state alone.
  w.ActivityMode = 8;
  w.BoatY[2] = -40;
  BoatStep(w, 1);
  EXPECT_EQ(w.WindShadowState[1], 0);
}

TEST(BoatStep, ApparentWindComesForwardWithSpeed) {
  BoatWorld bw;
  World& w = bw.w;
  w.WindSpeedAtBoat[1] = 10;
  w.TrueWindAngles[1] = 90;
  EXPECT_EQ(ComputeApparentWind(w, 0, 1).angle, 90);
  const ApparentWind moving = ComputeApparentWind(w, 50, 1);
  EXPECT_EQ(moving.angle, 63);
  EXPECT_EQ(moving.speed, 11);
  EXPECT_EQ(moving.force, 14);
  w.TrueWindAngles[1] = 180;
  EXPECT_EQ(ComputeApparentWind(w, 30, 1).angle, 179);
  // Sailing backwards head to wind the lateral component stays at least 1 knot.
  w.TrueWindAngles[1] = 0;
  EXPECT_GE(ComputeApparentWind(w, -200, 1).angle, 90);
}

TEST(BoatStep, AutomaticMainTrimEasesWhenOverHeeledAndStaysInRange) {
  BoatWorld bw;
  World& w = bw.w;
  w.TrueWindAngles[1] = 90;
  w.MainSheet = 10;
  AutoMainTrim(w, 23, 23);
  EXPECT_DOUBLE_EQ(w.MainSheet, 10.5);
  AutoMainTrim(w, 23, 31);
  EXPECT_DOUBLE_EQ(w.MainSheet, 11.5);
  AutoMainTrim(w, 23, 32);
  EXPECT_DOUBLE_EQ(w.MainSheet, 15.5);
  w.MainSheet = 46;
  AutoMainTrim(w, 23, 40);
  EXPECT_DOUBLE_EQ(w.MainSheet, 47);

  // A stalled main is eased; a close-hauled boat with the sheet far out hauls it in.
  w.MainSheet = 24;
  w.MainStalled = 1;
  w.TrueWindAngles[1] = 50;
  AutoMainTrim(w, 23, 5);
  EXPECT_DOUBLE_EQ(w.MainSheet, 12);

  // The upper main lifting: pulled in by steps, never below -2.
  w.MainStalled = 0;
  w.WindSpeedAtBoat[1] = 15;
  w.MainUpperBackwindPercent = 20;
  w.MainSheet = -1.8;
  AutoMainTrim(w, 23, 5);
  EXPECT_DOUBLE_EQ(w.MainSheet, -2);

  // A dinghy never lets the trim pull the sheet in below 2.
  w.HullClass = 1;
  w.MainSheet = 0;
  AutoMainTrim(w, 15, 5);
  EXPECT_DOUBLE_EQ(w.MainSheet, 2);
}

TEST(BoatStep, FleetBoatsSailTheirOwnSailsAndSpinnakers) {
  BoatWorld bw;
  World& w = bw.w;
  w.ActivityMode = 14;
  w.BoatCount = 2;
  w.BoatX[2] = 500;
  bw.Heading(2, 210);  // 150 degrees off the wind
  w.BoatLegs[2] = 4;
  w.BoatSpeedTenths[2] = 30;
  BoatStep(w, 2);
  EXPECT_EQ(w.TrueWindAngles[2], 150);
  EXPECT_EQ(w.SailAngles[2], (150 - 40) * 90 / 140 + 1);
  EXPECT_EQ(w.SpinnakerFlying[2], 1);
  EXPECT_GT(w.BoatSpeeds[2], 0);
  w.BoatLegs[2] = 2;  // an upwind leg: no spinnaker
  BoatStep(w, 2);
  EXPECT_EQ(w.SpinnakerFlying[2], 0);

  // The collision exercise moves its vessels itself.
  w.ActivityMode = 8;
  const double before = w.BoatSpeeds[2];
  BoatStep(w, 2);
  EXPECT_EQ(w.BoatSpeeds[2], before);
}

TEST(BoatStep, FleetCannotRunAwayFromAFastUserOnTheSameLeg) {
  BoatWorld bw;
  World& w = bw.w;
  StepValues v;
  v.b = 2;
  v.user = false;
  v.forward = 5000;
  w.BoatSpeeds[1] = 60;  // above 1.1 hull speeds
  ComputeTargetSpeed(w, v);
  EXPECT_NEAR(v.target, 66, 1e-9);
  w.BoatLegs[2] = 1;  // another leg
  ComputeTargetSpeed(w, v);
  EXPECT_GT(v.target, 66);
  w.BoatLegs[2] = 0;
  w.WindShadowState[1] = 2;  // the user in bad air
  ComputeTargetSpeed(w, v);
  EXPECT_GT(v.target, 66);
}

TEST(BoatStep, TackSlowsTheBoatForAFewSeconds) {
  BoatWorld bw;
  World& w = bw.w;
  w.CloseHauledAngle = 45;
  StepValues v;
  v.twa = 45;
  v.previousSpeed = 40;
  v.hullSpeed = 50;
  w.LastTackTime[1] = 100;
  w.SimSeconds = 100;
  w.BoatSpeeds[1] = 40;
  ApplyTackSlowdown(w, v);
  EXPECT_EQ(w.SpeedAtTack[1], 40);
  EXPECT_EQ(w.BoatSpeeds[1], 40);
  w.SimSeconds = 102;  // first phase of a keelboat's five seconds
  ApplyTackSlowdown(w, v);
  EXPECT_EQ(w.BoatSpeeds[1], 26);
  EXPECT_EQ(w.BoatSpeedTenths[1], 26);
  w.BoatSpeeds[1] = 39;
  w.SimSeconds = 104;
  ApplyTackSlowdown(w, v);
  EXPECT_EQ(w.BoatSpeeds[1], 32);
  w.SimSeconds = 106;  // over
  w.BoatSpeeds[1] = 39;
  ApplyTackSlowdown(w, v);
  EXPECT_EQ(w.BoatSpeeds[1], 39);
  // Off the wind after the turn there is no slowdown.
  w.SimSeconds = 102;
  v.twa = 90;
  ApplyTackSlowdown(w, v);
  EXPECT_EQ(w.BoatSpeeds[1], 39);
}

}  // namespace
