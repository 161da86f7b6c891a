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
  EXPECT_TRUE(bw.Played(21));

  // A commanded tack has its own call.
  bw.sounds.Clear();
  w.AutoManoeuvre = 1;
  PlayTackCalls(w, true);
  EXPECT_FALSE(bw.Played(21));

  // A gybe calls, then restarts the background sound in the same frame.
  w.AutoManoeuvre = 0;
  w.TrueWindAngles[1] = 150;
  PlayTackCalls(w, true);
  ASSERT_EQ(bw.sounds.Requests().size(), 2u);
  EXPECT_EQ(bw.sounds.Requests()[0].event, 20);
  EXPECT_EQ(bw.sounds.Requests()[1].event, 10);
  EXPECT_EQ(w.BackgroundSoundDue, 10000);

  // A reach changes nothing; nor does the first second of the activity.
  bw.sounds.Clear();
  w.TrueWindAngles[1] = 90;
  PlayTackCalls(w, true);
  w.TrueWindAngles[1] = 50;
  w.SimSeconds = 0;
  PlayTackCalls(w, true);
  EXPECT_TRUE(bw.sounds.Requests().empty());
}

TEST(Helm, BiasFromIronsHeelAndSailBalance) {
  BoatWorld bw;
  World& w = bw.w;
  w.TrueWindAngles[1] = 20;
  w.BoatSpeedTenths[1] = 0;
  EXPECT_EQ(ComputeHelmBias(w), 200);
  w.BoatSpeedTenths[1] = -5;
  EXPECT_EQ(ComputeHelmBias(w), -200);

  w.BoatSpeedTenths[1] = 40;
  w.TrueWindAngles[1] = 60;
  w.HeelAngles[1] = 12;
  EXPECT_EQ(ComputeHelmBias(w), 0);  // the easiest level has no weather helm
  EXPECT_EQ(w.WeatherHelm, -6);
  w.Difficulty = 7;
  EXPECT_EQ(ComputeHelmBias(w), -60);
  w.HeelAngles[1] = -6;
  EXPECT_GE(ComputeHelmBias(w), 30);
  w.HeelAngles[1] = 0;
  w.MainBackwindPercent = 40;  // the main luffs more than the jib: lee helm
  EXPECT_EQ(ComputeHelmBias(w), 40);
  w.JibState = 60;
  EXPECT_EQ(ComputeHelmBias(w), -20);
  w.HeelAngles[1] = w.MaxHeel + 5;
  EXPECT_EQ(ComputeHelmBias(w), -400);

  // Catamarans, scows and commanded manoeuvres have none.
  w.AutoManoeuvre = 1;
  EXPECT_EQ(ComputeHelmBias(w), 0);
  w.AutoManoeuvre = 0;
  w.IsCatamaran = 1;
  EXPECT_EQ(ComputeHelmBias(w), 0);
}

TEST(Helm, NoTurnWhileTimeStandsStill) {
  BoatWorld bw;
  World& w = bw.w;
  w.Difficulty = 7;
  w.HeelAngles[1] = 20;
  w.BoatSpeedTenths[1] = 40;
  w.TrueWindAngles[1] = 60;
  bw.Heading(1, 300);
  w.BoatTack[1] = 1;
  w.TimeStep = 0;
  SteerOwnBoat(w, false);
  EXPECT_EQ(w.OwnHeading, 300);
  w.TimeStep = 0.216;
  SteerOwnBoat(w, false);
  EXPECT_GT(w.OwnHeading, 300);  // weather helm: rounds up towards the wind at 0
}

TEST(Helm, HandTackRecordsItsTime) {
  BoatWorld bw;
  World& w = bw.w;
  w.SimSeconds = 42;
  w.TrueWindAngles[1] = 40;
  SteerOwnBoat(w, true);
  EXPECT_EQ(w.LastTackTime[1], 42);
  EXPECT_EQ(w.LastHandTackTime, 42);
  w.SimSeconds = 50;
  w.AutoManoeuvre = 1;
  SteerOwnBoat(w, true);
  EXPECT_EQ(w.LastTackTime[1], 50);
  EXPECT_EQ(w.LastHandTackTime, 42);
}

TEST(Helm, BearAwayEndsDownwindAndHoldsTheCourse) {
  BoatWorld bw;
  World& w = bw.w;
  w.WindSpeedAtBoat[1] = 10;
  w.WindDirectionAtBoat[1] = 0;
  bw.Heading(1, 300);
  w.BoatTack[1] = 1;
  w.BoatSpeedTenths[1] = 40;
  w.BearAwayCommand = 1;
  for (int frame = 0; frame < 200 && w.BearAwayCommand; ++frame) {
    w.TrueWindAngles[1] = AngleBetween(w.BoatHeadings[1], 0);
    SteerOwnBoat(w, false);
  }
  EXPECT_EQ(w.BearAwayCommand, 0);
  EXPECT_EQ(w.HoldDownwindCourse, 1);
  EXPECT_EQ(w.DownwindMargin, 30);  // a keelboat under 12 knots
  EXPECT_EQ(w.BoatHeadings[1], 360 - 146);
}

TEST(Helm, CommandedHeadUpSettlesCloseHauled) {
  BoatWorld bw;
  World& w = bw.w;
  w.WindSpeedAtBoat[1] = 10;
  w.JibPointingIndex = 7;
  bw.Heading(1, 240);
  w.BoatTack[1] = 1;
  w.BoatSpeedTenths[1] = 40;
  w.AutoManoeuvre = -1;
  for (int frame = 0; frame < 200 && w.AutoManoeuvre; ++frame) {
    w.TrueWindAngles[1] = AngleBetween(w.BoatHeadings[1], 0);
    SteerOwnBoat(w, false);
  }
  EXPECT_EQ(w.HoldCloseHauled, 1);
  EXPECT_EQ(w.CloseHauledAngle, 45);
  EXPECT_EQ(w.BoatHeadings[1], 315);
}

}  // namespace
