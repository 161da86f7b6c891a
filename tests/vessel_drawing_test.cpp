// The collision exercise's ships in the sailing view: where they stand, what they look like
// from ahead and astern, and the screen points the pick on release reads.
#include <gtest/gtest.h>

#include <memory>

#include "app/paint.h"
#include "canvas_helpers.h"
#include "draw/palette.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "view3d/scene.h"
#include "view3d/vessel_drawing.h"

namespace {

const Rect kScene{0, 0, 1280, 460};

struct ShipScene {
  std::unique_ptr<World> w = std::make_unique<World>();
  std::unique_ptr<Canvas> c;
  ShipScene() {
    ComputeScreenMetrics(*w, ScreenMetrics{1920, 1080, 32, 19, 0, 0});
    FillTrigTables(w->SinTable, w->CosTable);
    w->SailingState = 2, w->ActivityMode = Activity::kCollisionAvoidance, w->BoatCount = 4;
    w->SceneryObjectCount = w->WindSetting = w->BoatHeadings[1] = 0;
    w->CrestX.fill(5000), w->CrestY.fill(5000);
    // Vessel 2 dead ahead 300 yards off, the other two far astern.
    w->BoatX[2] = 0, w->BoatY[2] = -300, w->BoatHeadings[2] = 90;
    w->BoatX[3] = 0, w->BoatY[3] = 3000;
    w->BoatX[4] = 0, w->BoatY[4] = 3100;
  }
  ShipScene& Draw() {
    c = std::make_unique<Canvas>(w->ViewWidth, w->ViewHeight);
    c->BeginFrame();
    ComposeScene(*w, *c, kScene);
    return *this;
  }
};

TEST(VesselDrawing, AShipAheadIsDrawnWhereThePickLooksForIt) {
  ShipScene s;
  s.Draw();  // fills the screen points the pick reads
  const int x = s.w->VesselScreenX[2], y = s.w->VesselScreenY[2];
  EXPECT_NEAR(x, s.w->ViewWidth / 2, 40);
  EXPECT_TRUE(y > s.w->SceneTop && y < kScene.bottom) << y;
  const Rect around{x - 150, y - 60, x + 150, y + 10};
  EXPECT_GT(CountPixels(*s.c, palette::kShipHullDark, around), 20);
  EXPECT_GT(CountPixels(*s.c, palette::kShipCabin, around), 5);
  // A ship seen beam-on is much longer than it is high.
  EXPECT_EQ(CountPixels(*s.c, palette::kShipHullDark, Rect{x - 5, y - 200, x + 5, y - 60}), 0);
}

TEST(VesselDrawing, ColoursTellTheShipsApartAndMonochromeDropsThem) {
  ShipScene s;
  s.w->BoatX[4] = 0, s.w->BoatY[4] = -350, s.w->BoatHeadings[4] = 270;
  s.w->BoatX[2] = 0, s.w->BoatY[2] = 3000;
  s.Draw();
  EXPECT_GT(CountPixels(*s.c, palette::kShipHullGrey, kScene), 20);
  EXPECT_GT(CountPixels(*s.c, palette::kShipCabinOrange, kScene), 5);
  EXPECT_EQ(CountPixels(*s.c, palette::kShipHullDark, kScene), 0);
  s.w->Monochrome = 1;
  s.Draw();
  EXPECT_EQ(CountPixels(*s.c, palette::kShipHullGrey, kScene), 0);
}

TEST(VesselDrawing, NothingOutsideTheViewAndTheApparentHeading) {
  ShipScene s;
  const Rect view{0, 0, s.w->ViewWidth, s.w->ViewHeight};
  Canvas c(view.right, view.bottom);
  c.BeginFrame();
  c.FillRect(view, palette::kWhite);
  DrawVessel(*s.w, c, 2, -5, 300, 2.0);
  DrawVessel(*s.w, c, 2, 600, s.w->SceneTop, 2.0);
  EXPECT_EQ(CountPixels(c, palette::kShipHullDark, view), 0);
  // Crossing ahead from left to right, seen from astern with the camera forward: 90 degrees.
  s.w->ViewDirection = 0;
  EXPECT_EQ(ApparentVesselHeading(*s.w, 2), 90);
  // Heading straight at the viewer.
  s.w->BoatHeadings[2] = 180;
  EXPECT_EQ(ApparentVesselHeading(*s.w, 2), 180);
}

}  // namespace
