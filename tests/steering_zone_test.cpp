// The steering zone: its geometry and the steering value the cursor gives.
#include <gtest/gtest.h>

#include "boat_test_world.h"
#include "input/steering.h"

namespace {

TEST(SteeringZone, GeometryAndValue) {
  BoatWorld bw;
  World& w = bw.w;
  w.ViewWidth = 1280;
  w.ViewHeight = 720;
  w.ViewHeightF = 720;
  w.ScaleX = 2;
  w.SceneBottom = w.PanelLeft = 460;
  w.MiniViewWidth = 371;
  const SteeringZone h = SteeringZoneGeometry(w);
  EXPECT_EQ(h.top, 612);
  EXPECT_EQ(h.left, 426);
  EXPECT_EQ(h.right, 789);
  EXPECT_EQ(h.centreX, 608);

  w.MouseY = 650;
  // Gain 2 near the centre, 3 beyond W / 12; the edges and the row of the top do not count.
  const std::pair<int, int> cases[] = {{508, 100}, {500, 162}, {730, -183}, {426, 0}, {789, 0}, {427, 271}};
  for (auto [x, value] : cases) {
    w.MouseX = x;
    EXPECT_EQ(UpdateSteering(w, false), value) << x;
    EXPECT_EQ(w.HelmInput, value / 10);
  }
  w.MouseY = 612;
  EXPECT_EQ(UpdateSteering(w, false), 0);

  // Steering by hand ends every commanded manoeuvre.
  w.AutoManoeuvre = w.HoldCloseHauled = w.BearAwayCommand = w.GybeCommand = w.HoldDownwindCourse = 1;
  w.MouseY = 700;
  UpdateSteering(w, false);
  EXPECT_EQ(w.AutoManoeuvre + w.HoldCloseHauled + w.BearAwayCommand + w.GybeCommand + w.HoldDownwindCourse, 0);

  w.VerticalSteeringZone = 1;
  const SteeringZone v = SteeringZoneGeometry(w);
  EXPECT_EQ(v.top, 460);
  EXPECT_EQ(v.centreY, 572);
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
