// The named activity, page and hull-class tests against the activity table and the class
// boundaries they replace, and the whole-degree wraps.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "boat/boat_family.h"
#include "input/command_ids.h"
#include "input/command_table.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/pages.h"

namespace {

// One row per activity value (9 is unused): its kind and the page its tutorial opens on.
struct ActivityKind {
  int mode;
  bool freeSailing, skill, lesson, race, countdown;
  int firstPage;
};

constexpr ActivityKind kActivityTable[] = {
    {0, 1, 0, 0, 0, 0, 0},   {1, 0, 1, 0, 0, 0, 0},    {2, 0, 1, 1, 0, 0, 0},    {3, 0, 1, 0, 0, 0, 0},
    {4, 0, 1, 0, 0, 0, 0},   {5, 0, 1, 0, 0, 0, 0},    {6, 0, 1, 0, 0, 0, 0},    {7, 0, 1, 1, 0, 0, 201},
    {8, 0, 1, 0, 0, 0, 0},   {10, 0, 0, 1, 0, 0, 101}, {11, 0, 0, 1, 0, 0, 0},   {12, 0, 0, 1, 0, 0, 501},
    {13, 0, 0, 0, 1, 0, 0},  {14, 0, 0, 0, 1, 1, 0},   {15, 0, 0, 0, 1, 1, 0},
};

TEST(NamedActivities, PredicatesAgreeWithTheActivityTable) {
  for (const ActivityKind& a : kActivityTable) {
    // The lessons with pages are exactly those with a first page; the sail lessons the rest.
    EXPECT_EQ((std::tuple{IsFreeSailing(a.mode), IsSailingSkill(a.mode), IsLesson(a.mode), IsRace(a.mode), IsCountdownRace(a.mode),
                          FirstLessonPage(a.mode), IsLessonWithPages(a.mode), IsSailLesson(a.mode)}),
              (std::tuple{a.freeSailing, a.skill, a.lesson, a.race, a.countdown, a.firstPage, a.firstPage != 0,
                          a.lesson && a.firstPage == 0})) << a.mode;
    EXPECT_TRUE(a.firstPage == 0 || IsTutorialPage(a.firstPage)) << a.mode;
  }
}

// One row per hull class 1..10, the unused 4 and 8 included, as the bare comparisons read.
struct HullFamily {
  int hull;
  bool smallDinghy, belowKeel, keelboatClass, jib, fixedKeel, spinnaker, secondCrew;
};

constexpr HullFamily kHullTable[] = {
    {1, 1, 1, 0, 0, 0, 0, 0}, {2, 1, 1, 0, 1, 0, 0, 0}, {3, 1, 1, 0, 1, 0, 1, 0}, {4, 0, 1, 1, 1, 0, 1, 1},
    {5, 0, 0, 1, 1, 1, 1, 1}, {6, 0, 0, 1, 1, 1, 1, 1}, {7, 0, 0, 1, 1, 1, 1, 0}, {8, 0, 0, 0, 1, 0, 1, 0},
    {9, 0, 0, 0, 1, 0, 0, 0}, {10, 0, 0, 0, 1, 0, 1, 0},
};

TEST(BoatFamilies, KeepEachClassBoundaryIncludingTheUnusedClasses) {
  for (const HullFamily& h : kHullTable) {
    EXPECT_EQ((std::tuple{IsSmallDinghy(h.hull), IsBelowKeelClasses(h.hull), IsKeelboatClass(h.hull), HasJib(h.hull),
                          HasFixedKeel(h.hull), !HasCentreboard(h.hull), IsSpinnakerClass(h.hull), HasSecondCrew(h.hull)}),
              (std::tuple{h.smallDinghy, h.belowKeel, h.keelboatClass, h.jib, h.fixedKeel, h.fixedKeel, h.spinnaker, h.secondCrew}))
        << h.hull;
  }
}

TEST(BoatFamilies, WorldPredicatesReadTheClassAndTheFamilyFlags) {
  World w;
  w.HullClass = Hull::kSpinnakerDinghy;
  EXPECT_TRUE(IsSpinnakerBoat(w) && IsPoleBoat(w));
  w.IsSkiff = 1;  // a skiff flies its spinnaker without a pole
  EXPECT_TRUE(!IsPoleBoat(w) && IsCrewBoat(w));
  w.HullClass = Hull::kCruiser;
  EXPECT_FALSE(IsCrewBoat(w));
  w.HullClass = Hull::kOffshoreCatamaran;
  EXPECT_TRUE(IsCrewBoat(w));
  w.IsOffshoreCatamaran = 1;
  EXPECT_FALSE(IsCrewBoat(w));
}

TEST(Angles, FullWrapIsAModuloWhereNormalizeCorrectsOnce) {
  EXPECT_EQ(NormalizeDegrees(725), 365);
  for (const auto& [in, out] : {std::pair{725, 5}, {-725, 355}, {-360, 0}, {359, 359}}) {
    EXPECT_EQ(WrapDegreesFull(in), out) << in;
  }
  for (const auto& [a, b, between] :
       {std::tuple{10, 350, 20}, {350, 10, 20}, {0, 180, 180}, {-540, 0, 180}, {181, 0, 179}}) {
    EXPECT_EQ(AngleBetween(a, b), between) << a << " " << b;
  }
}

TEST(CommandIds, EveryTableRowHasADistinctNamedIdAndTheMenuRangesStayContiguous) {
  // The menu builds the difficulty, area, activity and speed sub-menus from id ranges.
  EXPECT_EQ(Cmd::kDifficulty15 - Cmd::kDifficulty1, 14);
  EXPECT_EQ(Cmd::kAreaRiver - Cmd::kAreaCoast, 3);
  EXPECT_EQ(Cmd::kSimSpeed10 - Cmd::kSimSpeed1, 9);
  EXPECT_EQ(Cmd::kSimSpeed15 - Cmd::kSimSpeed11, 4);
  ASSERT_NE(FindCommand(Cmd::kSteeringPractice), nullptr);
  EXPECT_EQ(FindCommand(Cmd::kSteeringPractice)->arg, Activity::kSteering);
  EXPECT_EQ(FindCommand(Cmd::kRacingRulesLesson)->arg, Activity::kRacingRulesLesson);
  EXPECT_EQ(FindCommand(Cmd::kHelpAsymmetricSpinnaker)->arg, Page::kLastHelp);
}

}  // namespace
