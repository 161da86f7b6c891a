// The objects on the water: which ones each activity shows, under which numbers, and that they
// are drawn from the farthest to the nearest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "app/paint.h"
#include "app/scene.h"
#include "view3d/palette.h"
#include "view3d/scene_objects.h"
#include "world/angles.h"
#include "world/world.h"

namespace {

const Rect kScene{0, 0, 1280, 460};
using Items = std::array<SceneItem, kMaxDrawObjects + 1>;

std::unique_ptr<World> OpenWater(int activity) {
  auto w = std::make_unique<World>();
  ComputeScreenMetrics(*w, ScreenMetrics{1920, 1080, 32, 19, 0, 0});
  FillTrigTables(w->SinTable, w->CosTable);
  w->SailingState = 2;
  w->ActivityMode = activity;
  w->SailingArea = 1;
  w->SceneryObjectCount = 0;
  w->BoatCount = 1;
  w->WindSetting = 0;
  w->BoatTack[1] = 1;
  w->BoatHeadings[1] = 6;  // looking north
  w->PanelLeft = w->ViewWidth / 3;
  w->SceneHeight = w->SceneBottom = kScene.bottom;
  w->CrestX.fill(5000);
  w->CrestY.fill(5000);
  return w;
}

// A round island of the given radius.
void Island(World& w, int i, int x, int y, int radius) {
  w.SceneryX[i] = x;
  w.SceneryY[i] = y;
  w.ScenerySize[i] = radius;
  for (int k = 0; k < kOutlinePoints; ++k) {
    const double a = 10 * (k % 36) * kDegToRad;
    w.SceneryOutlineX[i][k] = x + static_cast<int>(radius * std::sin(a));
    w.SceneryOutlineY[i][k] = y - static_cast<int>(radius * std::cos(a));
  }
}

std::unique_ptr<Canvas> Frame(World& w) {
  auto c = std::make_unique<Canvas>(w.ViewWidth, w.ViewHeight);
  c->BeginFrame();
  ComposeScene(w, *c, kScene);
  return c;
}

int Count(const Canvas& c, Color color, Rect area) {
  int n = 0;
  for (int y = std::max(area.top, 0); y < std::min(area.bottom, c.Height()); ++y) {
    for (int x = std::max(area.left, 0); x < std::min(area.right, c.Width()); ++x) n += c.GetPixel(x, y) == color;
  }
  return n;
}

}  // namespace

TEST(SceneItems, NumberedAsTheDrawOrderExpects) {
  auto w = OpenWater(0);
  w->SailingArea = 2;
  w->SceneryObjectCount = 12;
  Items items;
  EXPECT_EQ(CollectSceneItems(*w, items), 18);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(items[i].index, i);
  for (int n = 6; n <= 10; ++n) EXPECT_EQ(items[n].kind, SceneItemKind::None);
  EXPECT_EQ(items[11].kind, SceneItemKind::Boat);
  for (int i = 6; i <= 12; ++i) {
    EXPECT_EQ(items[i + 6].kind, SceneItemKind::Scenery);
    EXPECT_EQ(items[i + 6].index, i);
  }

  auto race = OpenWater(14);
  race->SceneryObjectCount = 5;
  race->BoatCount = 10;
  race->SceneObjectKind = {};
  race->SceneObjectKind[6] = kSceneKindBuoy;
  race->SceneObjectKind[7] = kSceneKindCommitteeBoat;
  race->SceneObjectKind[8] = race->SceneObjectKind[9] = race->SceneObjectKind[10] = kSceneKindBuoy;
  race->SceneObjectX[9] = 123.5;
  EXPECT_EQ(CollectSceneItems(*race, items), 20);
  EXPECT_EQ(items[6].kind, SceneItemKind::Pin);
  EXPECT_EQ(items[7].kind, SceneItemKind::CommitteeBoat);
  EXPECT_EQ(items[9].kind, SceneItemKind::Mark);
  EXPECT_EQ(items[9].x, 123.5);
  EXPECT_EQ(items[20].kind, SceneItemKind::Boat);
  EXPECT_EQ(items[20].index, 10);
}

TEST(SceneItems, WhatEachActivityShows) {
  Items items;
  auto gate = OpenWater(1);
  gate->TargetX = {0, -1500, -1500, 0, 0};
  gate->TargetY = {0, -35, 35, 0, 0};
  CollectSceneItems(*gate, items);
  EXPECT_EQ(items[6].kind, SceneItemKind::GateBuoy);
  EXPECT_EQ(items[6].y, -35);
  EXPECT_EQ(items[7].kind, SceneItemKind::CommitteeBoat);
  EXPECT_EQ(items[7].y, 35);

  // Free sailing keeps none of an earlier race's course objects.
  auto free = OpenWater(0);
  free->SceneObjectKind.fill(kSceneKindBuoy);
  CollectSceneItems(*free, items);
  for (int n = 6; n <= 10; ++n) EXPECT_EQ(items[n].kind, SceneItemKind::None);

  // The swimmer is in the water only from the fall on.
  auto overboard = OpenWater(6);
  overboard->OverboardSeconds = 12;
  overboard->SimSeconds = 11;
  CollectSceneItems(*overboard, items);
  EXPECT_EQ(items[6].kind, SceneItemKind::None);
  overboard->SimSeconds = 12;
  CollectSceneItems(*overboard, items);
  EXPECT_EQ(items[6].kind, SceneItemKind::Swimmer);

  // The navigation-rules lesson shows no scenery; the collision exercise's vessels are ships.
  auto rules = OpenWater(7);
  rules->SceneryObjectCount = 5;
  rules->BoatCount = 2;
  CollectSceneItems(*rules, items);
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(items[n].kind, SceneItemKind::None);
  EXPECT_EQ(items[12].kind, SceneItemKind::Boat);
  auto vessels = OpenWater(8);
  vessels->BoatCount = 4;
  CollectSceneItems(*vessels, items);
  EXPECT_EQ(items[11].kind, SceneItemKind::Boat);
  for (int n = 12; n <= 14; ++n) EXPECT_EQ(items[n].kind, SceneItemKind::None);
}

TEST(SceneObjects, IslandsShowExceptInTheRulesLesson) {
  auto w = OpenWater(0);
  w->SailingArea = 2;
  w->SceneryObjectCount = 1;
  Island(*w, 1, 0, -1500, 500);
  const Rect horizon{0, w->SceneTop - 3, 1280, 120};
  EXPECT_GT(Count(*Frame(*w), palette::kLandGreen, horizon), 2000);
  EXPECT_GT(Count(*Frame(*w), palette::kBeach, horizon), 50);
  w->ActivityMode = 7;
  EXPECT_EQ(Count(*Frame(*w), palette::kLandGreen, kScene), 0);
}

TEST(SceneObjects, NearerObjectsCoverFartherOnes) {
  // A mark just in front of an island's shore stands out against it.
  auto w = OpenWater(14);
  w->SceneryObjectCount = 1;
  Island(*w, 1, 0, -1100, 200);
  w->SceneObjectKind = {};
  w->SceneObjectKind[8] = kSceneKindBuoy;
  w->SceneObjectX[8] = 0;
  w->SceneObjectY[8] = -880;
  auto cOwner = Frame(*w);
  Canvas& c = *cOwner;
  const int x = w->ProjectedX[8], y = w->ProjectedY[8];
  EXPECT_LT(w->ProjectedY[1], y);  // the island's centre lies farther
  EXPECT_GT(Count(c, palette::kMarkOrange, Rect{x - 4, y - 6, x + 5, y + 1}), 3);

  // Moved behind the island, the mark is hidden by it.
  w->SceneObjectY[8] = -1500;
  auto hiddenOwner = Frame(*w);
  Canvas& hidden = *hiddenOwner;
  EXPECT_EQ(Count(hidden, palette::kMarkOrange, kScene), 0);
}

TEST(SceneObjects, ExerciseObjectsAreDrawn) {
  auto mooring = OpenWater(4);
  mooring->TargetX[1] = 0;
  mooring->TargetY[1] = -150;
  auto buoyOwner = Frame(*mooring);
  Canvas& buoy = *buoyOwner;
  const int bx = mooring->ProjectedX[6], by = mooring->ProjectedY[6];
  EXPECT_GT(Count(buoy, palette::kWhite, Rect{bx - 8, by - 16, bx + 9, by + 1}), 10);

  auto docking = OpenWater(5);
  docking->TargetX = {0, -35, 35, 35, -35};
  docking->TargetY = {0, -300, -300, -370, -370};
  EXPECT_GT(Count(*Frame(*docking), palette::kPierDeck, kScene), 100);

  auto overboard = OpenWater(6);
  overboard->TargetX[1] = 10;
  overboard->TargetY[1] = -120;
  overboard->OverboardSeconds = 0;
  EXPECT_GT(Count(*Frame(*overboard), palette::kLifeJacket, kScene), 5);
}
