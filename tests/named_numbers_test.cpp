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
    {0, true, false, false, false, false, 0},    {1, false, true, false, false, false, 0},
    {2, false, true, true, false, false, 0},     {3, false, true, false, false, false, 0},
    {4, false, true, false, false, false, 0},    {5, false, true, false, false, false, 0},
    {6, false, true, false, false, false, 0},    {7, false, true, true, false, false, 201},
    {8, false, true, false, false, false, 0},    {10, false, false, true, false, false, 101},
    {11, false, false, true, false, false, 0},   {12, false, false, true, false, false, 501},
    {13, false, false, false, true, false, 0},   {14, false, false, false, true, true, 0},
    {15, false, false, false, true, true, 0},
};

TEST(NamedActivities, PredicatesAgreeWithTheActivityTable) {
  for (const ActivityKind& a : kActivityTable) {
    SCOPED_TRACE(a.mode);
    EXPECT_EQ(IsFreeSailing(a.mode), a.freeSailing);
    EXPECT_EQ(IsSailingSkill(a.mode), a.skill);
    EXPECT_EQ(IsLesson(a.mode), a.lesson);
    EXPECT_EQ(IsRace(a.mode), a.race);
    EXPECT_EQ(!IsRace(a.mode), a.mode < 13);
    EXPECT_EQ(IsCountdownRace(a.mode), a.countdown);
    EXPECT_EQ(FirstLessonPage(a.mode), a.firstPage);
    // The lessons with pages are exactly those with a first page; the sail lessons the rest.
    EXPECT_EQ(IsLessonWithPages(a.mode), a.firstPage != 0);
    EXPECT_EQ(IsSailLesson(a.mode), a.lesson && a.firstPage == 0);
    if (a.firstPage != 0) {
      EXPECT_TRUE(IsTutorialPage(a.firstPage));
    }
  }
}

// One row per hull class 1..10, the unused 4 and 8 included, as the bare comparisons read.
struct HullFamily {
  int hull;
  bool smallDinghy, belowKeel, keelboatClass, jib, fixedKeel, spinnaker, secondCrew;
};

constexpr HullFamily kHullTable[] = {
    {1, true, true, false, false, false, false, false},  {2, true, true, false, true, false, false, false},
    {3, true, true, false, true, false, true, false},    {4, false, true, true, true, false, true, true},
    {5, false, false, true, true, true, true, true},     {6, false, false, true, true, true, true, true},
    {7, false, false, true, true, true, true, false},    {8, false, false, false, true, false, true, false},
    {9, false, false, false, true, false, false, false}, {10, false, false, false, true, false, true, false},
};

TEST(BoatFamilies, KeepEachClassBoundaryIncludingTheUnusedClasses) {
  for (const HullFamily& h : kHullTable) {
    SCOPED_TRACE(h.hull);
    EXPECT_EQ(IsSmallDinghy(h.hull), h.smallDinghy);
    EXPECT_EQ(IsBelowKeelClasses(h.hull), h.belowKeel);
    EXPECT_EQ(IsKeelboatClass(h.hull), h.keelboatClass);
    EXPECT_EQ(HasJib(h.hull), h.jib);
    EXPECT_EQ(HasFixedKeel(h.hull), h.fixedKeel);
    EXPECT_EQ(HasCentreboard(h.hull), !h.fixedKeel);
    EXPECT_EQ(IsSpinnakerClass(h.hull), h.spinnaker);
    EXPECT_EQ(HasSecondCrew(h.hull), h.secondCrew);
  }
}

TEST(BoatFamilies, WorldPredicatesReadTheClassAndTheFamilyFlags) {
  World w;
  w.HullClass = Hull::kSpinnakerDinghy;
  EXPECT_TRUE(IsSpinnakerBoat(w));
  EXPECT_TRUE(IsPoleBoat(w));
  w.IsSkiff = 1;
  EXPECT_FALSE(IsPoleBoat(w));
  EXPECT_TRUE(IsCrewBoat(w));
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
  EXPECT_NE(FindCommand(Cmd::kSteeringPractice), nullptr);
  EXPECT_EQ(FindCommand(Cmd::kSteeringPractice)->arg, Activity::kSteering);
  EXPECT_EQ(FindCommand(Cmd::kRacingRulesLesson)->arg, Activity::kRacingRulesLesson);
  EXPECT_EQ(FindCommand(Cmd::kHelpAsymmetricSpinnaker)->arg, Page::kLastHelp);
}

}  // namespace
