// The user's helm: tack calls, the helm's own pull, the commanded manoeuvres and the steering
// zone where the cursor works the tiller.
#include <gtest/gtest.h>

#include "boat/helm.h"
#include "boat/boat_step.h"
#include "boat_test_world.h"
#include "sim/steering.h"

namespace {

struct Helm : BoatWorld, ::testing::Test {};

TEST_F(Helm, TackCallsOnAChangeOfTack) {
  w.SimSeconds = 30;
  w.TrueWindAngles[1] = 50;
  PlayTackCalls(w, true);
  w.AutoManoeuvre = 1;  // a commanded tack has its own call
  PlayTackCalls(w, true);
  EXPECT_EQ(Count(21), 2);  // the crew's call and the sails coming across
  // A gybe calls, then restarts the background sound in the same frame.
  w.TrueWindAngles[1] = 150;
  PlayTackCalls(w, true);
  ASSERT_EQ(sounds.Requests().size(), 4u);
  EXPECT_EQ(sounds.Requests()[2].event, 20);
  EXPECT_EQ(sounds.Requests()[3].event, 10);
  // Nothing on a reach, nor in the first second of the activity.
  w.TrueWindAngles[1] = 90;
  PlayTackCalls(w, true);
  w.TrueWindAngles[1] = 50;
  w.AutoManoeuvre = w.SimSeconds = 0;
  PlayTackCalls(w, true);
  EXPECT_EQ(sounds.Requests().size(), 4u);
}

TEST_F(Helm, BiasFromIronsHeelAndSailBalance) {
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

TEST_F(Helm, BearAwayEndsDownwindAndHoldsTheCourse) {
  w.WindSpeedAtBoat[1] = 10;
  Heading(1, 300);
  w.BoatTack[1] = 1;
  w.BoatSpeedTenths[1] = 40;
  w.BearAwayCommand = 1;
  for (int frame = 0; frame < 200 && w.BearAwayCommand; ++frame) {
    w.TrueWindAngles[1] = AngleBetween(w.BoatHeadings[1], 0);
    SteerOwnBoat(w, false, UpdateSteering(w, false));
  }
  EXPECT_EQ(w.HoldDownwindCourse, 1);
  EXPECT_EQ(w.BoatHeadings[1], 360 - (176 - 30));  // a keelboat runs 30 off under 12 knots
  w.TimeStep = 0;
  w.HoldDownwindCourse = 0;
  SteerOwnBoat(w, false, UpdateSteering(w, false));
  EXPECT_EQ(w.BoatHeadings[1], 214);
}

TEST_F(Helm, SteeringZoneGeometryAndValue) {
  w.ViewWidth = 1280;
  w.ViewHeight = 720;
  w.ViewHeightF = 720;
  w.ScaleX = 2;
  w.SceneBottom = w.PanelLeft = 460;
  w.MiniViewWidth = 371;
  // The zone spans x 426..789 below row 612, centred on column 608. Gain 2 near the centre,
  // 3 beyond W / 12; the edges and the row of the top do not count.
  w.MouseY = 650;
  const std::pair<int, int> cases[] = {{508, 100}, {500, 162}, {730, -183}, {426, 0}, {789, 0}, {427, 271}};
  for (auto [x, value] : cases) {
    w.MouseX = x;
    EXPECT_EQ(UpdateSteering(w, false), value) << x;
    EXPECT_EQ(w.HelmInput, value / 10);
  }
  w.MouseY = 612;
  EXPECT_EQ(UpdateSteering(w, false), 0);
  // The value turns the boat: the tiller to the left, the bow goes right.
  Heading(1, 270);
  w.BoatSpeedTenths[1] = 40;
  w.MouseX = 430;
  w.MouseY = 680;
  SteerOwnBoat(w, false, UpdateSteering(w, false));
  EXPECT_GT(w.BoatHeadings[1], 270);

  // Steering by hand ends every commanded manoeuvre.
  w.AutoManoeuvre = w.HoldCloseHauled = w.BearAwayCommand = w.GybeCommand = w.HoldDownwindCourse = 1;
  w.MouseY = 700;
  UpdateSteering(w, false);
  EXPECT_EQ(w.AutoManoeuvre + w.HoldCloseHauled + w.BearAwayCommand + w.GybeCommand + w.HoldDownwindCourse, 0);

  // The vertical zone runs down from the scene's bottom, centred on row 572.
  w.VerticalSteeringZone = 1;
  EXPECT_EQ(SteeringZoneGeometry(w).top, 460);
  w.MouseX = 400;
  w.MouseY = 500;
  w.BoatTack[1] = -1;
  EXPECT_EQ(UpdateSteering(w, false), -216);
  // A tack with the cursor kept in the zone keeps the sense; a second tack restores it.
  EXPECT_EQ(UpdateSteering(w, true), 216);
  EXPECT_EQ(UpdateSteering(w, true), -216);
  w.LessonIntroPending = 1;
  EXPECT_EQ(UpdateSteering(w, false), 0);
}

}  // namespace
