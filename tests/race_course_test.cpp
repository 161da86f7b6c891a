// The race course, the waypoint and finish tests, the start sequence and the race clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "race/course.h"
#include "race/race_start.h"
#include "sim/frame_advance.h"
#include "state/sound_event.h"
#include "support/test_world.h"

namespace {

std::unique_ptr<World> Race(int mode, int boats, SoundSink* sink = nullptr, uint32_t seed = 3) {
  auto w = TestWorld().Seed(seed).Activity(mode).Fleet(boats).Screen(1280, 720).Tables().Sound(sink).Start();
  w->InstructionPage = 0;
  return w;
}

int Count(const RecordingSoundSink& s, int e) { return std::ranges::count_if(s.Requests(), [e](auto& r) { return r.event == e; }); }

// Puts boat b at (x, y), runs its leg check and returns the leg it is on after it.
int LegAt(World& w, int b, double x, double y) {
  w.BoatX[b] = x, w.BoatY[b] = y, UpdateLegProgress(w, b);
  return w.BoatLegs[b];
}

TEST(RaceCourse, LineLengthFollowsTheFleet) {
  for (auto [boats, length] : {std::pair{4, 210}, std::pair{10, 300}}) {
    auto w = Race(Activity::kTriangleRace, boats);
    // The committee boat lies at the starboard end, at right angles to the wind.
    EXPECT_EQ(std::tuple(w->StartLineLength, w->CommitteeBoatX), std::tuple(length, PointAt(0, 0, length, w->MeanWindDirection + 90).x));
    EXPECT_NEAR(std::hypot(w->CommitteeBoatX, w->CommitteeBoatY), length, 1.5);
  }
}

TEST(RaceCourse, LegLengthByWindAndBoat) {
  auto w = TestWorld().Tables().Build();
  w->BoatCount = 4, w->MeanWindDirection = 0;
  struct Case { int hull, wind, leg; } cases[] = {
      {Hull::kTwoPerson, 9, 1800}, {Hull::kSingleHander, 12, 1800}, {Hull::kKeelboat, 9, 2000},
      {Hull::kKeelboat, 8, 1700}, {Hull::kTwoPerson, 8, 1530}, {Hull::kSpinnakerDinghy, 9, 2000}};
  for (const Case& c : cases) {
    w->HullClass = c.hull, w->BaseWindSpeed = c.wind, LayRaceCourse(*w);
    // With the program's degree factor cos 180 falls a hair short of -1: one yard less.
    EXPECT_EQ(std::tuple(-w->WindwardMarkY, w->LeewardMarkY), std::tuple(c.leg, c.leg - 1)) << c.hull << " " << c.wind;
  }
}

TEST(RaceCourse, WindwardLeewardSideMarkBesideTheWindwardMark) {
  auto w = TestWorld().Tables().Build();
  w->BoatCount = 10, w->MeanWindDirection = 90, w->BaseWindSpeed = 12, w->JustStartCourseUpDown = 1, LayRaceCourse(*w);
  EXPECT_NEAR(std::hypot(w->SideMarkX, w->SideMarkY), 2000, 1.5);
  EXPECT_EQ(BearingTo(w->SideMarkX, -w->SideMarkY), 85);
  // The triangle's wing mark lies 60..120 degrees left of the wind, three quarters out.
  w->JustStartCourseUpDown = 0, LayRaceCourse(*w);
  const int off = SignedDegrees(BearingTo(w->SideMarkX, -w->SideMarkY) - 90);
  EXPECT_TRUE(off <= -60 && off >= -121) << off;
  EXPECT_NEAR(std::hypot(w->SideMarkX, w->SideMarkY), 1500, 1.5);
  EXPECT_EQ(w->WaypointX[9], w->WaypointX[1]);
  EXPECT_EQ(w->RestartPointX, (7 * w->CommitteeBoatX + w->LeewardMarkX) / 8);
}

TEST(RaceCourse, RoundingByBoxDistance) {
  auto w = Race(Activity::kTriangleRace, 4);
  w->SimSeconds = 40;
  const double mx = w->WaypointX[1], my = w->WaypointY[1];
  for (int b : {1, 2}) w->BoatLegs[b] = 1, w->BoatTargetX[b] = mx, w->BoatTargetY[b] = my;
  // The user's boat rounds within 300 yards (box), a fleet boat within 30.
  for (auto [b, dx, dy, leg] : {std::tuple{1, 150, 150, 1}, {1, 149, 150, 2}, {2, 20, 10, 1}, {2, 19, 10, 2}})
    EXPECT_EQ(LegAt(*w, b, mx + dx, my + dy), leg) << b << " " << dx;
  EXPECT_EQ(std::tuple(w->BoatTargetX[1], w->LastTackTime[2]), std::tuple(w->WaypointX[2], 40));
  w->SimSeconds = 30;  // before 30 s nothing is rounded
  EXPECT_EQ(LegAt(*w, 2, w->WaypointX[2], w->WaypointY[2]), 2);
}

TEST(RaceCourse, FinishNeedsTheLineAndCountsPlaces) {
  RecordingSoundSink sink;
  auto w = Race(Activity::kTriangleRace, 4, &sink);
  w->SimSeconds = 2000;
  const double midX = LineMiddleX(*w), midY = LineMiddleY(*w), down = (w->MeanWindDirection + 180) * kDegToRad;
  for (int b = 1; b <= 3; ++b) w->BoatLegs[b] = Leg::kFinishLine, w->BoatTargetX[b] = w->WaypointX[8], w->BoatTargetY[b] = w->WaypointY[8];
  // 20 yards short of the line: not finished.
  EXPECT_EQ(LegAt(*w, 2, midX + 20 * std::sin(down), midY - 20 * std::cos(down)), Leg::kFinishLine);
  // On the line: the first finisher sounds 18, the next 19; the user's place is the count.
  EXPECT_EQ(LegAt(*w, 2, midX, midY), Leg::kFinished);
  EXPECT_EQ(std::tuple(w->BoatFinishPlace[2], w->ResultsShown), std::tuple(1, 0));
  LegAt(*w, 1, midX + 5, midY);
  EXPECT_EQ(std::tuple(w->FinishCount, w->ResultsShown), std::tuple(2, 1));
  EXPECT_EQ(std::tuple(Count(sink, SoundEvent::kFirstFinish), Count(sink, SoundEvent::kLaterFinish)), std::tuple(1, 1));
  // Far along the line's extension the finish is not taken.
  const double far = 3 * w->StartLineLength;
  EXPECT_EQ(LegAt(*w, 3, midX + far * std::cos(down), midY + far * std::sin(down)), Leg::kFinishLine);
}

TEST(RaceCourse, TimeLimitFinishesEveryBoatStillRacing) {
  auto w = Race(Activity::kWindwardLeewardRace, 4);
  w->BoatLegs[3] = 5;
  for (auto [t, leg] : {std::pair{37500, 5}, std::pair{37501, int{Leg::kFinished}}}) {
    EXPECT_EQ((w->SimSeconds = t, LegAt(*w, 3, w->BoatX[3], w->BoatY[3])), leg) << t;
  }
  EXPECT_EQ(w->FinishCount, 1);
}

TEST(RaceStart, CountdownReadsFourFiftyNineAtTheFirstStep) {
  auto w = Race(Activity::kTriangleRace, 4);
  AdvanceWorld(*w);
  EXPECT_EQ(CountdownText(*w), " 4 分  59 秒  ");
  w->SimTime = 0.2, RaceClockStep(*w);
  for (auto [mode, t, text] : {std::tuple{Activity::kTriangleRace, 0, " 0 分  0 秒  "}, {Activity::kTriangleRace, 1, ""},
                               {Activity::kJustStartRace, 0, ""}}) {
    w->ActivityMode = mode, w->SimSeconds = t;
    EXPECT_EQ(CountdownText(*w), text) << mode << " " << t;
  }
}

TEST(RaceStart, ClockRunsAtEightTenthsAfterTheSignalAndPastTheHour) {
  auto w = Race(Activity::kTriangleRace, 4);
  for (const auto& [t, minutes] : {std::pair{100.0, 100 * 0.8}, std::pair{-100.0, -100.0}}) {
    w->SimTime = t, RaceClockStep(*w);
    EXPECT_DOUBLE_EQ(w->RaceClockMinutes, minutes * 0.029325513196480937) << t;
  }
  // 3000 units are 70.38 minutes: the minutes go on past the hour, the seconds stay below 60.
  w->SimTime = 3000, RaceClockStep(*w);
  EXPECT_EQ(std::tuple(w->RaceClockWholeMinutes, w->RaceClockSecondsPart), std::tuple(70, 22));
}

TEST(RaceStart, SignalSoundsOnceAlsoInTheJustStartRace) {
  for (int mode : {Activity::kTriangleRace, Activity::kJustStartRace}) {
    RecordingSoundSink sink;
    auto w = Race(mode, 4, &sink);
    w->InstructionPage = 13;  // a frozen first frame (an instruction box) does not sound it
    for (int i = 0; i < 3; ++i) AdvanceWorld(*w);
    for (w->InstructionPage = 0; w->SimSeconds < 5;) AdvanceWorld(*w);
    EXPECT_EQ(Count(sink, SoundEvent::kStartSignal), 1) << mode;
  }
}

TEST(RaceStart, SlotsAndRatings) {
  auto js = Race(Activity::kJustStartRace, 10);
  // Just-start: the user nearest the committee boat, the last boat nearest the pin.
  EXPECT_EQ(std::tuple(js->BoatTargetX[1], js->BoatTargetX[10], js->BoatX[1]),
            std::tuple(js->CommitteeBoatX * 10 / 11, js->CommitteeBoatX / 11, js->BoatTargetX[1]));

  auto w = Race(Activity::kTriangleRace, 10);
  EXPECT_EQ(std::tuple(w->BoatTargetX[1], w->BoatTargetY[1]), std::tuple(LineMiddleX(*w), LineMiddleY(*w)));
  EXPECT_EQ(w->BoatTargetX[3], w->CommitteeBoatX * 3 / 11);
  // From 29 s before the signal every slot is the middle of the line.
  for (auto [t, x] : {std::pair{-30, w->CommitteeBoatX * 3 / 11}, std::pair{-29, LineMiddleX(*w)}}) {
    w->SimSeconds = t, AssignStartSlot(*w, 3);
    EXPECT_EQ(w->BoatTargetX[3], x) << t;
  }
  // Fleet boats start behind the line, not on it.
  for (int b = 2; b <= 10; ++b) {
    EXPECT_GT(std::hypot(w->BoatX[b] - w->BoatTargetX[b], w->BoatY[b] - w->BoatTargetY[b]), 50) << b;
    EXPECT_TRUE(w->BoatRatingPercent[b] >= 89 + w->Difficulty && w->BoatRatingPercent[b] <= 94 + w->Difficulty) << b;
  }
}

TEST(RaceStart, ApproachShareSlowsAnEarlyBoatButNotALateOne) {
  auto w = Race(Activity::kTriangleRace, 4);
  w->BoatSpeeds[2] = 50, w->SimTime = w->SimSeconds = -100;
  w->BoatX[2] = w->BoatTargetX[2], w->BoatY[2] = w->BoatTargetY[2] + 30;
  EXPECT_LE(StartApproachPercentFor(*w, 2), 10);
  w->BoatY[2] = w->BoatTargetY[2] + 2000;
  EXPECT_EQ(StartApproachPercentFor(*w, 2), 100);
  // Close to the line but after the signal: full speed.
  w->BoatY[2] = w->BoatTargetY[2] + 30, w->SimTime = w->SimSeconds = 1;
  EXPECT_EQ(StartApproachPercentFor(*w, 2), 100);
}

// The finish sounds: RaceCourse.FinishNeedsTheLineAndCountsPlaces.
TEST(RaceRun, SeededFleetSailsTheWholeCourse) {
  auto w = Race(Activity::kWindwardLeewardRace, 4, nullptr, 11);
  w->SimSpeed = 12, w->SimSpeedDivisor = 37;
  for (int steps = 0; w->FinishCount < 3 && steps < 20000; ++steps) AdvanceWorld(*w);
  ASSERT_EQ(w->FinishCount, 3) << "at " << w->SimSeconds;
  std::set<int> places;
  for (int b = 2; b <= 4; ++b) {
    EXPECT_TRUE(w->BoatLegs[b] == Leg::kFinished && w->BoatFinishSeconds[b] < 9000) << b;
    places.insert(w->BoatFinishPlace[b]);
  }
  EXPECT_EQ(std::tuple(places, w->ResultsShown), std::tuple(std::set{1, 2, 3}, 0));
}

}  // namespace
