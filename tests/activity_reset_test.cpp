// What a new boat or a new activity must not inherit, the islands' open water, and the boats
// of a lesson scene.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "boat/boat_setup.h"
#include "probe_helpers.h"
#include "sim/activity_start.h"
#include "state/world.h"
#include "world/depth.h"

namespace {

TEST(ActivityReset, ANewBoatStartsWithoutTheOldBoatsHints) {
  auto w = std::make_unique<World>();
  w->BoatType = 12;  // keelboat
  SetUpBoatClass(*w);
  std::tie(w->CrewHint, w->VangHint, w->OuthaulHint, w->LuffBendHint) = std::tuple{1, -1, 1, -1};
  w->BoatType = 11;  // offshore catamaran: its step never writes the crew hint
  SetUpBoatClass(*w);
  EXPECT_EQ((std::tuple{w->CrewHint, w->VangHint, w->OuthaulHint, w->LuffBendHint}), (std::tuple{0, 0, 0, 0}));
}

TEST(ActivityReset, ANewActivityForgetsThePickedVessel) {
  auto w = std::make_unique<World>();
  std::tie(w->ActivityMode, w->PickedBearing, w->PreviousPickedBearing) = std::tuple{8, 40, 300};
  StartActivity(*w);
  EXPECT_EQ((std::pair{w->PickedBearing, w->PreviousPickedBearing}), (std::pair{-1, -1}));
}

std::unique_ptr<World> Started(uint32_t seed, int area) {
  auto w = std::make_unique<World>();
  w->rng.Seed(seed);
  std::tie(w->ActivityMode, w->SailingArea) = std::pair{0, area};
  StartActivity(*w);
  return w;
}

TEST(IslandsDepth, OpenWaterFarFromTheIslandsStaysDeep) {
  for (uint32_t seed : {1u, 7u, 42u}) {
    auto w = Started(seed, 2);
    ASSERT_NE(w->ShoreOffset, 0) << "the set-up gives the islands a shore offset to ignore";
    EXPECT_EQ(DepthAt(*w, 0, 12000), 59) << seed;
    EXPECT_EQ(DepthAt(*w, 0, -12000), 59) << seed;
  }
  auto coast = Started(1, 1);  // the coast still shoals toward its shore
  const int towardShore = coast->ShoreOffset < 0 ? -1 : 1;
  EXPECT_LT(DepthAt(*coast, 0, towardShore * 2000), 59);
}

std::string Get(const std::string& out, const std::string& name) {
  const auto at = out.rfind(name + "=");
  if (at == std::string::npos) return "";
  return out.substr(at + name.size() + 1, out.find('\n', at) - at - name.size() - 1);
}

TEST(LessonScene, BoatsWaitForTheSceneThenMove) {
  const std::string intro = "command 32816\nkey SPACE\nframes 2\n";
  const ProbeRun waiting = RunProbe(intro + "frames 60\nget BoatY[1] LessonIntroPending\n");
  EXPECT_EQ(Get(waiting.output, "LessonIntroPending") + Get(waiting.output, "BoatY[1]"), "10");
  const ProbeRun chosen = RunProbe(intro + "key 2\nframes 60\nget BoatY[1] LessonIntroPending LessonChoice\n");
  EXPECT_EQ(Get(chosen.output, "LessonIntroPending") + Get(chosen.output, "LessonChoice"), "12");
  EXPECT_NE(Get(chosen.output, "BoatY[1]"), "0");
}

}  // namespace
