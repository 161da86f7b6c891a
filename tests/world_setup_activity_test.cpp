#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <set>
#include <tuple>
#include <utility>

#include "boat/boat_setup.h"
#include "sim/activity_setup.h"
#include "sim/activity_start.h"
#include "state/angles.h"
#include "state/world.h"
#include "world/weather.h"
#include "test_world.h"

namespace {

TestWorld Fresh(uint32_t seed = 1) { return TestWorld().Seed(seed).View(1280, 720); }
std::unique_ptr<World> FreshWorld(uint32_t seed = 1) { return Fresh(seed).Build(); }
std::unique_ptr<World> Started(int mode, int boatType = 12) {
  TestWorld world = Fresh().Activity(mode).Type(boatType);
  return (IsRace(mode) ? world.Fleet(4) : world).Start();
}

TEST(ActivitySetup, RaceClocksStartAtTheCountdownOrAtZero) {
  for (int mode : {14, 15}) {
    auto w = Started(mode);
    EXPECT_EQ((std::pair{w->SimTime, w->ActivityStartSeconds}), (std::pair{-170.5, -170})) << mode;
  }
  auto w = FreshWorld();
  std::tie(w->ActivityMode, w->BoatCount, w->MeanWindDirection, w->SimTime) = std::tuple{13, 4, 30, 55.0};
  SetUpActivity(*w);
  EXPECT_EQ((std::pair{w->SimTime, w->ActivityStartSeconds}), (std::pair{0.0, 0}));
}

TEST(ActivitySetup, CommonPartClearsTheLastActivity) {
  auto w = FreshWorld();
  std::tie(w->ActivityMode, w->SailingArea, w->AutopilotOff, w->MainAutoTrimOff, w->ResultsShown, w->BoatCount,
           w->BoatSpeeds[7], w->SpeedOverride[3], w->TotalFrames) = std::tuple{3, 4, 1, 1, 2, 10, 55, 20, 900};
  SetUpActivity(*w);
  EXPECT_EQ(w->AutopilotOff, 1) << "upwind sailing keeps its no-autopilot choice";
  EXPECT_EQ(w->BoatSpeeds[7], 0) << "every slot, not only the new activity's boats";
  EXPECT_EQ((std::array{w->SailingArea, w->MainAutoTrimActive, w->ResultsShown, w->BoatCount, w->SpeedOverride[3],
                        w->TotalFrames}),
            (std::array{1, 0, 0, 1, -1, 0}));
  w->ActivityMode = 1;
  SetUpActivity(*w);
  EXPECT_EQ((std::array{w->AutopilotOff, w->MainAutoTrimActive, w->JibAutoTrimActive, w->SpinnakerAutoTrimActive}),
            (std::array{0, 1, 1, 0}));
}

TEST(ActivitySetup, ExercisesPlaceTheirObjects) {
  EXPECT_EQ(Started(1)->SceneObjectKind[6], kSceneKindBuoy);
  EXPECT_EQ(Started(8)->BoatType, 9);  // collision avoidance sails its own boat (vessels: exercise_rules_test)
  auto docking = Started(5);
  EXPECT_EQ((std::pair{docking->MirrorScenery, docking->SceneryX[1]}), (std::pair{0, -680})) << "the pier";
  auto overboard = Started(6, 2);  // the single-hander takes a crew for the rescue
  EXPECT_EQ((std::pair{overboard->HullClass, overboard->SceneObjectKind[6]}), (std::pair{2, kSceneKindPerson}));
}

TEST(ActivitySetup, LessonsSwapTheBoatAndHeelToTheNewOne) {
  const std::pair<int, int> swaps[] = {{10, 12}, {9, 14}, {2, 6}, {7, 6}, {1, 6}, {12, 12}, {11, 11}};
  for (const auto& [from, to] : swaps) {
    auto w = FreshWorld();
    w->BoatType = from;
    SetUpBoatClass(*w);
    w->ActivityMode = 11;
    SetUpActivity(*w);
    EXPECT_EQ((std::pair{w->BoatType, w->HoldCloseHauled}), (std::pair{to, 1})) << "from " << from;
    // The keelboat heels as a keelboat, not as the catamaran it replaced.
    if (from == 10) EXPECT_EQ(w->MaxHeel, 23);
  }

  for (const auto& [step, type] : {std::pair{0, 2}, {4, 2}, {5, 12}, {7, 12}, {8, 14}}) {
    auto w = FreshWorld();
    std::tie(w->ActivityMode, w->LessonChoice, w->HelmSign) = std::tuple{2, step, 1};
    SetUpActivity(*w);
    EXPECT_EQ((std::array{w->BoatType, w->HelmSign, w->InstructionPage}), (std::array{type, -1, step == 0 ? 2 : 0}))
        << "step " << step;
  }

  auto rules = FreshWorld();
  std::tie(rules->ActivityMode, rules->CurrentOn) = std::tuple{10, 1};
  SetUpActivity(*rules);
  // No wind shifts nor current while the introduction is pending.
  EXPECT_EQ((std::array{rules->InstructionPage, rules->WindSetting, rules->CurrentOn}), (std::array{101, 0, 0}));
}

TEST(Weather, ScenarioStaysWithinItsLimits) {
  std::set<int> strong, collision;
  for (uint32_t seed = 1; seed <= 400; ++seed) {
    auto w = FreshWorld(seed);
    std::tie(w->ActivityMode, w->WindSetting, w->SailingArea, w->ShoreQuadrant, w->CurrentOn) =
        std::tuple{seed % 2 ? 0 : 8, 3, 1 + static_cast<int>(seed / 2 % 4), seed / 8 % 2 ? 1 : 3, 1};
    SetUpWeather(*w);
    strong.insert(w->BaseWindSpeed);
    if (w->ActivityMode == 8) {
      EXPECT_EQ(w->BaseWindDirection, 45 * (w->WindOctant - 1));
      collision.insert(w->WindOctant);
    }
    EXPECT_TRUE(w->SeaBreeze == 1 || w->SailingArea < 3);
    EXPECT_TRUE(w->PuffStrength == 0 || w->SeaBreeze == 0);
    EXPECT_TRUE(w->CurrentSpeed >= 10 && w->CurrentSpeed <= 14) << w->CurrentSpeed;
    for (int i = 1; i <= 5; ++i) {
      const double r = std::hypot(w->PuffX[i], w->PuffY[i]);
      EXPECT_TRUE(r >= 500 && r <= 2564) << r;
      // Upwind of the boat: within about 70 degrees of the wind.
      const int bearing = BearingTo(w->PuffX[i], -w->PuffY[i]);
      EXPECT_LE(std::abs(SignedDegrees(bearing - w->WindDirection)), 74);
    }
  }
  // RandomBelow(4) reaches 4 for the top 768 of its 32768 draws, hence a rare 24 knots.
  EXPECT_EQ(*strong.begin(), 20);
  EXPECT_LE(*strong.rbegin(), 24);
  EXPECT_EQ(collision, (std::set<int>{1, 5}));
}

}  // namespace
