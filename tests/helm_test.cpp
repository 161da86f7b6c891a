// The user's helm: tack calls, the helm's own pull, the commanded manoeuvres and the steering
// zone where the cursor works the tiller.
#include <gtest/gtest.h>

#include <tuple>

#include "boat/helm.h"
#include "boat/boat_step.h"
#include "boat_test_world.h"
#include "sim/steering.h"

namespace {

struct Helm : BoatWorld, ::testing::Test {};

TEST_F(Helm, TackCallsOnAChangeOfTack) {
  std::tie(w.SimSeconds, w.TrueWindAngles[1]) = std::tuple{30, 50};
  PlayTackCalls(w, true);
  w.AutoManoeuvre = 1;  // a commanded tack has its own call
  PlayTackCalls(w, true);
  EXPECT_EQ(Count(21), 2);  // the crew's call and the sails coming across
  // A gybe calls, then restarts the background sound in the same frame.
  w.TrueWindAngles[1] = 150;
  PlayTackCalls(w, true);
  ASSERT_EQ(sounds.Requests().size(), 4u);
  EXPECT_EQ((std::pair{sounds.Requests()[2].event, sounds.Requests()[3].event}), (std::pair{20, 10}));
  // Nothing on a reach, nor in the first second of the activity.
  w.TrueWindAngles[1] = 90;
  PlayTackCalls(w, true);
  std::tie(w.TrueWindAngles[1], w.AutoManoeuvre, w.SimSeconds) = std::tuple{50, 0, 0};
  PlayTackCalls(w, true);
  EXPECT_EQ(sounds.Requests().size(), 4u);
}

TEST_F(Helm, BiasFromIronsHeelAndSailBalance) {
  w.TrueWindAngles[1] = 20;
  EXPECT_EQ(ComputeHelmBias(w), 200);  // stopped in irons: falls off
  w.BoatSpeedTenths[1] = -5;
  EXPECT_EQ(ComputeHelmBias(w), -200);  // the same way when drifting astern
  std::tie(w.BoatSpeedTenths[1], w.TrueWindAngles[1], w.HeelAngles[1]) = std::tuple{40, 60, 12};
  EXPECT_EQ(ComputeHelmBias(w), 0);  // the easiest level has no weather helm
  w.Difficulty = 7;
  EXPECT_EQ(ComputeHelmBias(w), -60);
  // The main luffs more than the jib: lee helm.
  std::tie(w.HeelAngles[1], w.MainBackwindPercent) = std::tuple{0, 40};
  EXPECT_EQ(ComputeHelmBias(w), 40);
  w.HeelAngles[1] = w.MaxHeel + 5;
  EXPECT_EQ(ComputeHelmBias(w), -400);
  w.IsCatamaran = 1;
  EXPECT_EQ(ComputeHelmBias(w), 0);
}

TEST_F(Helm, BearAwayEndsDownwindAndHoldsTheCourse) {
  Heading(1, 300);
  std::tie(w.WindSpeedAtBoat[1], w.BoatTack[1], w.BoatSpeedTenths[1], w.BearAwayCommand) = std::tuple{10, 1, 40, 1};
  for (int frame = 0; frame < 200 && w.BearAwayCommand; ++frame) {
    w.TrueWindAngles[1] = AngleBetween(w.BoatHeadings[1], 0);
    SteerOwnBoat(w, false, UpdateSteering(w, false));
  }
  EXPECT_EQ(w.HoldDownwindCourse, 1);
  EXPECT_EQ(w.BoatHeadings[1], 360 - (176 - 30));  // a keelboat runs 30 off under 12 knots
  std::tie(w.TimeStep, w.HoldDownwindCourse) = std::tuple{0, 0};
  SteerOwnBoat(w, false, UpdateSteering(w, false));
  EXPECT_EQ(w.BoatHeadings[1], 214);
}

TEST_F(Helm, SteeringZoneGeometryAndValue) {
  std::tie(w.ViewWidth, w.ViewHeight, w.ViewHeightF, w.ScaleX, w.SceneBottom, w.PanelLeft, w.MiniViewWidth) =
      std::tuple{1280, 720, 720, 2, 460, 460, 371};
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
  std::tie(w.BoatSpeedTenths[1], w.MouseX, w.MouseY) = std::tuple{40, 430, 680};
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
  std::tie(w.MouseX, w.MouseY, w.BoatTack[1]) = std::tuple{400, 500, -1};
  EXPECT_EQ(UpdateSteering(w, false), -216);
  // A tack with the cursor kept in the zone keeps the sense; a second tack restores it.
  EXPECT_EQ(UpdateSteering(w, true), 216);
  EXPECT_EQ(UpdateSteering(w, true), -216);
  w.LessonIntroPending = 1;
  EXPECT_EQ(UpdateSteering(w, false), 0);
}

}  // namespace
