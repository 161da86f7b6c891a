// The user's helm: tack calls, the helm's own pull and the commanded manoeuvres.
#include <gtest/gtest.h>

#include "app/helm.h"
#include "boat/boat_step.h"
#include "boat_test_world.h"

namespace {

TEST(Helm, TackCallsOnAChangeOfTack) {
  BoatWorld bw;
  World& w = bw.w;
  w.SimSeconds = 30;
  w.TrueWindAngles[1] = 50;
  PlayTackCalls(w, true);
  w.AutoManoeuvre = 1;  // a commanded tack has its own call
  PlayTackCalls(w, true);
  EXPECT_EQ(bw.Count(21), 2);  // the crew's call and the sails coming across
  // A gybe calls, then restarts the background sound in the same frame.
  w.TrueWindAngles[1] = 150;
  PlayTackCalls(w, true);
  ASSERT_EQ(bw.sounds.Requests().size(), 4u);
  EXPECT_EQ(bw.sounds.Requests()[2].event, 20);
  EXPECT_EQ(bw.sounds.Requests()[3].event, 10);
  // Nothing on a reach, nor in the first second of the activity.
  w.TrueWindAngles[1] = 90;
  PlayTackCalls(w, true);
  w.TrueWindAngles[1] = 50;
  w.AutoManoeuvre = w.SimSeconds = 0;
  PlayTackCalls(w, true);
  EXPECT_EQ(bw.sounds.Requests().size(), 4u);
}

TEST(Helm, BiasFromIronsHeelAndSailBalance) {
  BoatWorld bw;
  World& w = bw.w;
  w.TrueWindAngles[1] = 20;
  EXPECT_EQ(ComputeHelmBias(w), 200);  // stopped in irons: falls off
  w.BoatSpeedTenths[1] = -5;
  EXPECT_EQ(ComputeHelmBias(w), -200);  // the same way when drifting astern
  w.BoatSpeedTenths[1] = 40;
  w.TrueWindAngles[1] = 60;
  w.HeelAngles[1] = 12;
  EXPECT_EQ(ComputeHelmBias(w), 0);  // the easiest level has no weather helm
  w.Difficulty = 7;
  EXPECT_EQ(ComputeHelmBias(w), -60);
  w.HeelAngles[1] = 0;
  w.MainBackwindPercent = 40;  // the main luffs more than the jib: lee helm
  EXPECT_EQ(ComputeHelmBias(w), 40);
  w.HeelAngles[1] = w.MaxHeel + 5;
  EXPECT_EQ(ComputeHelmBias(w), -400);
  w.IsCatamaran = 1;
  EXPECT_EQ(ComputeHelmBias(w), 0);
}

TEST(Helm, BearAwayEndsDownwindAndHoldsTheCourse) {
  BoatWorld bw;
  World& w = bw.w;
  w.WindSpeedAtBoat[1] = 10;
  bw.Heading(1, 300);
  w.BoatTack[1] = 1;
  w.BoatSpeedTenths[1] = 40;
  w.BearAwayCommand = 1;
  for (int frame = 0; frame < 200 && w.BearAwayCommand; ++frame) {
    w.TrueWindAngles[1] = AngleBetween(w.BoatHeadings[1], 0);
    SteerOwnBoat(w, false);
  }
  EXPECT_EQ(w.HoldDownwindCourse, 1);
  EXPECT_EQ(w.BoatHeadings[1], 360 - (176 - 30));  // a keelboat runs 30 off under 12 knots
  w.TimeStep = 0;
  w.HoldDownwindCourse = 0;
  SteerOwnBoat(w, false);
  EXPECT_EQ(w.BoatHeadings[1], 214);
}

}  // namespace
