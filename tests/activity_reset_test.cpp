// What a new boat or a new activity must not inherit, the islands' open water, and the boats
// of a lesson scene.
#include <gtest/gtest.h>

#include <memory>

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
  w->CrewHint = 1;
  w->VangHint = -1;
  w->OuthaulHint = 1;
  w->LuffBendHint = -1;
  w->BoatType = 11;  // offshore catamaran: its step never writes the crew hint
  SetUpBoatClass(*w);
  EXPECT_EQ(w->CrewHint, 0);
  EXPECT_EQ(w->VangHint, 0);
  EXPECT_EQ(w->OuthaulHint, 0);
  EXPECT_EQ(w->LuffBendHint, 0);
}

TEST(ActivityReset, ANewActivityForgetsThePickedVessel) {
  auto w = std::make_unique<World>();
  w->ActivityMode = 8;
  w->PickedBearing = 40;
  w->PreviousPickedBearing = 300;
  StartActivity(*w);
  EXPECT_EQ(w->PickedBearing, -1);
  EXPECT_EQ(w->PreviousPickedBearing, -1);
}

TEST(IslandsDepth, OpenWaterFarFromTheIslandsStaysDeep) {
  for (uint32_t seed : {1u, 7u, 42u}) {
    auto w = std::make_unique<World>();
    w->rng.Seed(seed);
    w->ActivityMode = 0;
    w->SailingArea = 2;
    StartActivity(*w);
    ASSERT_NE(w->ShoreOffset, 0) << "the set-up gives the islands a shore offset to ignore";
    EXPECT_EQ(DepthAt(*w, 0, 12000), 59) << seed;
    EXPECT_EQ(DepthAt(*w, 0, -12000), 59) << seed;
  }
  // The coast still shoals toward its shore.
  auto coast = std::make_unique<World>();
  coast->rng.Seed(1);
  coast->SailingArea = 1;
  StartActivity(*coast);
  const int towardShore = coast->ShoreOffset < 0 ? -1 : 1;
  EXPECT_LT(DepthAt(*coast, 0, towardShore * 2000), 59);
}

std::string Get(const std::string& out, const std::string& name) {
  const auto at = out.rfind(name + "=");
  if (at == std::string::npos) return "";
  const auto end = out.find('\n', at);
  return out.substr(at + name.size() + 1, end - at - name.size() - 1);
}

TEST(LessonScene, BoatsWaitForTheSceneThenMove) {
  const std::string intro = "command 32816\nkey SPACE\nframes 2\n";
  const ProbeRun waiting = RunProbe(intro + "frames 60\nget BoatY[1] LessonIntroPending\n");
  EXPECT_EQ(Get(waiting.output, "LessonIntroPending"), "1");
  EXPECT_EQ(Get(waiting.output, "BoatY[1]"), "0");
  const ProbeRun chosen = RunProbe(intro + "key 2\nframes 60\nget BoatY[1] LessonIntroPending LessonChoice\n");
  EXPECT_EQ(Get(chosen.output, "LessonIntroPending"), "1");
  EXPECT_EQ(Get(chosen.output, "LessonChoice"), "2");
  EXPECT_NE(Get(chosen.output, "BoatY[1]"), "0");
}

}  // namespace
