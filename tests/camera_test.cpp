// Where world points land in the sailing view.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "app/paint.h"
#include "state/angles.h"
#include "state/world.h"
#include "view3d/camera.h"
#include "test_world.h"

namespace {

// A 1280x720 frame with the user's boat at the origin heading north on starboard tack.
World Scene(int zoom = 2) {
  World w = *TestWorld().Screen(1920, 1080).Build();
  w.CameraDistance = zoom;
  w.BoatTack[1] = 1;
  UpdateViewDirection(w);
  SetSceneGeometry(w, Rect{0, 0, w.ViewWidth, 460});
  return w;
}

TEST(Camera, LooksALittleToLeewardOfTheBow) {
  World w = Scene(2);
  EXPECT_EQ(w.ViewDirection, 354);
  // Closer in, the other tack, looking astern (no bias), a look kept within -179..180.
  for (auto [zoom, tack, look, view] : {std::tuple{1, 1, 0, 352}, {1, -1, 0, 8}, {1, -1, 180, 180}, {1, -1, -390, 30}}) {
    std::tie(w.CameraDistance, w.BoatTack[1], w.LookAngle) = std::tuple{zoom, tack, look};
    UpdateViewDirection(w);
    EXPECT_EQ(w.ViewDirection, view) << look;
  }
  EXPECT_EQ(w.LookAngle, -30);
  EXPECT_EQ(w.WaveOrientation, 30);
  // Many look steps gathered under the chart: still modulo 360.
  for (const int look : {1080 + 30, -1800 - 30, 36000 + 90}) {
    w.LookAngle = look;
    UpdateViewDirection(w);
    const int turn = ((look % 360) + 360) % 360;
    EXPECT_EQ(w.LookAngle, turn > 180 ? turn - 360 : turn) << look;
    EXPECT_EQ(w.ViewDirection, NormalizeDegrees(w.BoatHeadings[1] - w.LookAngle)) << look;
  }
}

TEST(Camera, NearFarBehindTheCameraAndFromAbove) {
  World w = Scene(2);
  EXPECT_EQ(w.SceneTop, 72);
  EXPECT_EQ(w.HorizonY, 247);
  EXPECT_EQ(Scene(4).SceneTop, 0);  // the plan view has no sky
  const int k = (720 / 9) * (w.HorizonY - w.SceneTop);
  // A point exactly at the camera (45 units behind the boat) takes the nearest row.
  w.ViewDirection = 0;
  Project(w, 0, 0.0, 45.0);
  EXPECT_EQ(w.ProjectedDistance, 0);
  EXPECT_EQ(w.ProjectedY[0], w.SceneTop + k / 10);
  // A point ViewHeight / 9 ahead of the camera lands on the horizon row.
  Project(w, 1, 0.0, 45.0 - 80.0);
  EXPECT_EQ((Point{w.ProjectedX[1], w.ProjectedY[1]}), (Point{640, w.HorizonY}));
  // Far points converge on the top of the scene.
  Project(w, 2, 0.0, -100000.0);
  EXPECT_EQ(w.ProjectedY[2], w.SceneTop);
  // Right of the view direction is right on the screen.
  Project(w, 3, 50.0, -200.0);
  EXPECT_GT(w.ProjectedX[3], 640);
  EXPECT_GT(w.ProjectedBearing, 0);
  // Behind, within 120 degrees of the view direction: a fixed row above the horizon.
  Project(w, 4, 200.0, 100.0);  // east and a little south of the camera at (0, 45)
  EXPECT_LT(std::abs(w.ProjectedBearing), 121);
  EXPECT_GT(std::abs(w.ProjectedBearing), 90);
  EXPECT_EQ(w.ProjectedY[4], static_cast<int>(w.SceneTop + 0.15 * k));
  // Beyond 120 degrees: seen from above with the factor 0.4, from the boat.
  Project(w, 5, 0.0, 300.0);
  EXPECT_EQ((Point{w.ProjectedX[5], w.ProjectedY[5]}), (Point{640, w.HorizonY + 1200}));

  // The farthest zoom is a plan view.
  World plan = Scene(4);
  plan.ViewDirection = 0;
  Project(plan, 0, 0.0, -100.0);
  EXPECT_EQ((Point{plan.ProjectedX[0], plan.ProjectedY[0]}), (Point{640, plan.HorizonY - 700}));
  Project(plan, 0, 3000.0, 0.0);  // distance capped at 1500
  EXPECT_EQ(plan.ProjectedX[0], 640 + 15000);
}

// A point straight ahead along the view lands in the middle of the screen however the view
// direction and the boat change from one projection to the next.
TEST(Camera, FollowsEveryChangeOfViewDirection) {
  World w = Scene(2);
  for (auto [view, boatX] : {std::tuple{10, 0.0}, {50, 0.0}, {10, 0.0}, {300, 0.0}, {300, 500.0}, {11, 500.0}}) {
    w.ViewDirection = view;
    w.BoatX[1] = boatX;
    const double v = view * kDegToRad;
    Project(w, 0, boatX + 300 * std::sin(v), -300 * std::cos(v));
    EXPECT_EQ(w.ProjectedBearing, 0) << view;
    EXPECT_EQ(w.ProjectedX[0], w.SceneCentreX + w.SceneShiftX) << view;
  }
}

TEST(Camera, DrawOrderFarFirstTiesInListOrder) {
  World w = *TestWorld().Build();
  std::tie(w.DrawKey[1], w.DrawKey[2], w.DrawKey[3], w.DrawKey[4], w.DrawKey[5]) = std::tuple{300, 100, 300, 19500, 50};
  OrderObjects(w, 5);
  // Object 4's key lies beyond 19000: it is never drawn.
  EXPECT_EQ((std::array{w.DrawOrder[1], w.DrawOrder[2], w.DrawOrder[3], w.DrawOrder[4], w.DrawOrder[5]}),
            (std::array{5, 2, 1, 3, 0}));
}

}  // namespace
