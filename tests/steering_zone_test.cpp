// The steering zone: its geometry and the steering value the cursor gives.
#include <gtest/gtest.h>

#include "app/helm.h"
#include "boat_test_world.h"
#include "input/steering.h"

namespace {

void LayOut1280x720(World& w) {
  w.ViewWidth = 1280;
  w.ViewHeight = 720;
  w.ViewWidthF = 1280;
  w.ViewHeightF = 720;
  w.ScaleX = 2;
  w.SceneBottom = 460;
  w.MiniViewWidth = 371;
  w.PanelLeft = 460;
}

TEST(SteeringZone, Geometry) {
  BoatWorld bw;
  World& w = bw.w;
  LayOut1280x720(w);
  SteeringZone z = SteeringZoneGeometry(w);
  EXPECT_FALSE(z.vertical);
  EXPECT_EQ(z.top, 612);
  EXPECT_EQ(z.left, 426);
  EXPECT_EQ(z.right, 789);
  EXPECT_EQ(z.centreX, 608);

  w.VerticalSteeringZone = 1;
  z = SteeringZoneGeometry(w);
  EXPECT_TRUE(z.vertical);
  EXPECT_EQ(z.top, 460);
  EXPECT_EQ(z.left, 371);
  EXPECT_EQ(z.right, 460);
  EXPECT_EQ(z.centreY, 572);
}

TEST(SteeringZone, HorizontalValueGrowsWithDistanceFromCentre) {
  BoatWorld bw;
  World& w = bw.w;
  LayOut1280x720(w);
  w.MouseY = 650;
  w.MouseX = 508;  // 100 left of centre: gain 2
  EXPECT_EQ(UpdateSteering(w, false), 100);
  EXPECT_EQ(w.HelmInput, 10);
  w.MouseX = 500;  // 108 left, beyond W/12: gain 3
  EXPECT_EQ(UpdateSteering(w, false), 162);
  w.MouseX = 730;
  EXPECT_EQ(UpdateSteering(w, false), -183);
  EXPECT_EQ(w.HelmInput, -18);
  EXPECT_EQ(w.ZoneCentreX, 608);
  EXPECT_EQ(w.ZoneTop, 612);

  // The edges do not count, nor does anything above the zone.
  for (auto [x, y] : {std::pair{426, 650}, std::pair{789, 650}, std::pair{600, 612}}) {
    w.MouseX = x;
    w.MouseY = y;
    EXPECT_EQ(UpdateSteering(w, false), 0) << x << "," << y;
    EXPECT_EQ(w.HelmInput, 0);
  }
  w.MouseX = 427;
  w.MouseY = 613;
  EXPECT_NE(UpdateSteering(w, false), 0);

  // Nothing steers while a lesson introduction is up.
  w.LessonIntroPending = 1;
  EXPECT_EQ(UpdateSteering(w, false), 0);
}

TEST(SteeringZone, SteeringByHandEndsCommandedManoeuvres) {
  BoatWorld bw;
  World& w = bw.w;
  LayOut1280x720(w);
  w.AutoManoeuvre = 1;
  w.HoldCloseHauled = w.BearAwayCommand = w.GybeCommand = w.HoldDownwindCourse = 1;
  w.MouseY = 100;
  UpdateSteering(w, false);
  EXPECT_EQ(w.AutoManoeuvre, 1);
  w.MouseX = 600;
  w.MouseY = 700;
  UpdateSteering(w, false);
  EXPECT_EQ(w.AutoManoeuvre, 0);
  EXPECT_EQ(w.HoldCloseHauled + w.BearAwayCommand + w.GybeCommand + w.HoldDownwindCourse, 0);
}

// Steers one frame with the cursor where it is; returns the heading change.
double SteerOnce(BoatWorld& bw, bool tackChanged) {
  World& w = bw.w;
  const double before = w.OwnHeading;
  SteerOwnBoat(w, tackChanged);
  double d = w.OwnHeading - before;
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

TEST(SteeringZone, HorizontalZoneMovesTheTiller) {
  BoatWorld bw;
  World& w = bw.w;
  LayOut1280x720(w);
  bw.Heading(1, 90);
  w.BoatTack[1] = -1;
  w.TrueWindAngles[1] = 90;
  w.BoatSpeedTenths[1] = 40;
  w.MouseY = 650;
  w.MouseX = 500;  // tiller to the left turns the boat to the right
  EXPECT_GT(SteerOnce(bw, false), 0);
  w.MouseX = 700;
  EXPECT_LT(SteerOnce(bw, false), 0);
  w.HelmSign = 1;  // a wheel turns the boat the way it is turned
  EXPECT_GT(SteerOnce(bw, false), 0);
}

TEST(SteeringZone, VerticalZoneUpHeadsUpOnEitherTackAndKeepsItsSenseThroughATack) {
  BoatWorld bw;
  World& w = bw.w;
  LayOut1280x720(w);
  w.VerticalSteeringZone = 1;
  w.BoatSpeedTenths[1] = 40;
  w.MouseX = 400;
  w.MouseY = 500;  // above the centre row

  // Starboard tack, wind from the north, heading 300: heading up turns towards 360.
  bw.Heading(1, 300);
  w.BoatTack[1] = 1;
  w.TrueWindAngles[1] = 60;
  EXPECT_GT(SteerOnce(bw, false), 0);
  // Port tack, heading 60: heading up turns towards 0.
  bw.Heading(1, 60);
  w.BoatTack[1] = -1;
  EXPECT_LT(SteerOnce(bw, false), 0);

  // The boat has just tacked onto port with the cursor still in the zone: the hand keeps the
  // sense it had on starboard.
  EXPECT_GT(SteerOnce(bw, true), 0);
  EXPECT_GT(SteerOnce(bw, false), 0);
  // Out of the zone and back: the sense follows the new tack again.
  w.MouseX = 100;
  SteerOnce(bw, false);
  w.MouseX = 400;
  EXPECT_LT(SteerOnce(bw, false), 0);
}

}  // namespace
