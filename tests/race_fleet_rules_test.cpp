// The computer-sailed fleet's decisions, the racing rules and the message line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "boat/boat_step.h"
#include "boat/sailing_angles.h"
#include "race/course.h"
#include "race/fleet.h"
#include "race/race_start.h"
#include "race/rules.h"
#include "state/sound_event.h"
#include "support/test_world.h"
#include "view3d/race_overlays.h"

namespace {

// A 4-boat windward-leeward race after the start, wind from the north, boats far apart.
std::unique_ptr<World> Racing(SoundSink* sink = nullptr) {
  auto w = TestWorld().Seed(5).Activity(Activity::kWindwardLeewardRace).Fleet(4).Screen(1280, 720).Tables().Sound(sink).Start();
  World& r = *w;
  std::tie(r.InstructionPage, r.MeanWindDirection, r.WindDirection, r.SimTime, r.SimSeconds, r.TimeStep) =
      std::tuple{0, 0, 0, 100, 100, 0.216};
  for (int b = 1; b <= 4; ++b)
    std::tie(r.WindDirectionAtBoat[b], r.WindSpeedAtBoat[b], r.BoatLegs[b], r.BoatX[b], r.LookAheadX[b], r.BoatY[b],
             r.LookAheadY[b]) = std::tuple{0, 12, 1, 1000 * b, 1000 * b, -500, -500};
  return w;
}

void Place(World& w, int b, double x, double y, int heading) {
  std::tie(w.BoatX[b], w.BoatY[b], w.LookAheadX[b], w.LookAheadY[b], w.BoatHeadings[b]) =
      std::tuple{x, y, static_cast<int>(x), static_cast<int>(y), heading};
  std::tie(w.BoatTack[b], w.TrueWindAngles[b]) =
      std::tuple{TackFor(heading, w.WindDirectionAtBoat[b]), AngleBetween(heading, w.WindDirectionAtBoat[b])};
}

void Target(World& w, int b, int x, int y) {
  std::tie(w.BoatTargetX[b], w.BoatTargetY[b]) = std::tuple{x, y};
  w.BoatTargetDistance[b] = std::abs(x - static_cast<int>(w.BoatX[b])) + std::abs(y - static_cast<int>(w.BoatY[b]));
}

TEST(RaceFleet, NeverGybesOntoPortIntoASameTackNeighbour) {
  auto w = Racing();
  w->RunningAngle = 20, w->TimeStep = 5;
  const auto gybes = [&](int neighbour) {  // of 400 chances; starboard far off the target: a high score
    int n = 0;
    for (int i = 0; i < 400; ++i, n += w->BoatTack[2] < 0) {
      Place(*w, 2, 0, 0, 210), Target(*w, 2, 0, 3000);
      std::tie(w->LastAvoidTime[2], w->SameTackNeighbour[2]) = std::tuple{-400, neighbour};
      ConsiderGybe(*w, 179, 180, 2);
    }
    return n;
  };
  EXPECT_EQ(gybes(1), 0);
  EXPECT_GT(gybes(0), 0);
}

TEST(RaceFleet, ATackTakesEightSecondsAndNotAgainWithinThirty) {
  auto w = Racing();
  const int ch = CloseHauledAngleFor(*w, 2);
  Place(*w, 2, 0, 0, 360 - ch), Target(*w, 2, 3000, -600);  // far to starboard: a tack is due
  for (auto [last, tacking] : {std::pair{71, 0}, {69, 1}}) {
    std::tie(w->TimeStep, w->LastTackTime[2]) = std::tuple{1, last};
    ConsiderTack(*w, 2, 80);
    ASSERT_EQ(w->TackInProgress[2], tacking) << last;
  }
  EXPECT_EQ(w->LastTackTime[2], 100);
  for (int t = 100; t <= 107; ++t) w->SimSeconds = t, RaceBoatStep(*w, 2);
  EXPECT_EQ(w->TackInProgress[2], 1);  // still tacking at 7 s
  w->SimSeconds = 108, RaceBoatStep(*w, 2);
  EXPECT_EQ(std::tuple(w->TackInProgress[2], w->BoatTack[2], w->BoatHeadings[2]), std::tuple(0, -1, ch));
}

TEST(RaceFleet, SteersAtTheTargetWithTurnsClampedToThirtyFive) {
  // A turn of exactly 180 degrees counts as a turn to starboard. (The target due west lies at
  // 271 with the program's degree factor.) With the wind at 200 no tack is due. Dead downwind
  // (last row, spread 8, no gybe decision) a starboard run is 180 + spread / 2 + running angle.
  struct Case { int wind, heading, targetX, targetY, spread, want; } cases[] = {
      {0, 80, 150, 0, 0, 90}, {200, 0, 150, 0, 0, 35}, {200, 91, -150, 0, 0, 126}, {0, 200, 0, 1500, 8, 184}};
  for (const Case& c : cases) {
    auto w = Racing();
    for (int b = 2; b <= 4; ++b) w->WindDirectionAtBoat[b] = c.wind;
    if (c.spread) std::tie(w->SteeringSpread[2], w->LastAvoidTime[2]) = std::tuple{c.spread, 95};
    Place(*w, 2, 0, 0, c.heading), Target(*w, 2, c.targetX, c.targetY);
    RaceBoatStep(*w, 2);
    EXPECT_EQ(w->BoatHeadings[2], c.want + (c.spread ? RunningAngleFor(*w, 2) : 0)) << c.heading;
  }
}

TEST(RaceFleet, PortBoatTacksOrBearsAwayFromAStarboardBoat) {
  struct Case { double upwind; int heading; int tack; bool forced; } cases[] = {
      {10, 345, 1, true},    // clear ahead: tacks onto starboard at wind - 15
      {-1.5, 40 + 65, -1, false},  // just short of the limit: bears away 65
      {-10, 40 + 55, -1, false},   // well short: bears away 55
  };
  for (const Case& c : cases) {
    auto w = Racing();
    Place(*w, 3, 0, 0, 320), Place(*w, 2, 40, -c.upwind, 40);  // starboard j, port k c yards further up
    Target(*w, 2, 2000, -2000), w->CourseError[2] = 30;
    AvoidBoat(*w, 5, 3, 2);
    EXPECT_EQ(std::tuple(w->BoatHeadings[2], w->BoatTack[2], w->ForcedTack[2] == 1, w->LastAvoidTime[2]),
              std::tuple(c.heading, c.tack, c.forced, 100)) << c.upwind;
  }
}

TEST(RaceRules, MarkTouchBeforeAndAfterTwentyUnits) {
  auto w = Racing();
  w->SimSeconds = 10;
  Place(*w, 2, w->WindwardMarkX + 1, w->WindwardMarkY + 1, 320), CheckMarkTouchAndRecall(*w, 2);
  EXPECT_EQ(std::tuple(w->BoatLegs[2], w->PenaltyUntil[2]), std::tuple(int{Leg::kStartSlot}, 40));
  EXPECT_LT(std::hypot(w->BoatX[2] - w->CommitteeBoatX, w->BoatY[2] - w->CommitteeBoatY), w->LegLength / 2);
  // After 20 the boat stays on its leg and is pushed 150 off; three yards off is no touch.
  w->SimSeconds = 25, w->BoatLegs[3] = 2;
  Place(*w, 3, w->WindwardMarkX + 1, w->WindwardMarkY - 1, 320), CheckMarkTouchAndRecall(*w, 3);
  ASSERT_EQ(w->BoatLegs[3], 2);
  EXPECT_NEAR(std::hypot(w->BoatX[3] - w->WindwardMarkX, w->BoatY[3] - w->WindwardMarkY), 150, 2.5);
  Place(*w, 4, w->SideMarkX + 2, w->SideMarkY + 1, 320), CheckMarkTouchAndRecall(*w, 4);
  EXPECT_EQ(w->BoatX[4], w->SideMarkX + 2);
}

TEST(RaceRules, RecallInTheLastSecondsOnly) {
  auto w = Racing();
  // 20 yards from the middle of the line towards the windward mark: on the course side.
  const double mx = LineMiddleX(*w), my = LineMiddleY(*w);
  const double up = std::hypot(w->WindwardMarkX - mx, w->WindwardMarkY - my);
  const double overX = mx + 20 * (w->WindwardMarkX - mx) / up, overY = my + 20 * (w->WindwardMarkY - my) / up;
  constexpr int kWL = Activity::kWindwardLeewardRace;
  struct Case { int mode, t; bool recalled; } cases[] = {{kWL, -3, true}, {kWL, 0, false}, {kWL, -6, false}, {kWL, 51, false},
                                                         {Activity::kJustStartRace, -3, false}};
  for (const Case& c : cases) {
    std::tie(w->ActivityMode, w->SimSeconds, w->BoatLegs[2]) = std::tuple{c.mode, c.t, 1};
    Place(*w, 2, overX, overY, 320), CheckMarkTouchAndRecall(*w, 2);
    EXPECT_EQ(w->BoatLegs[2] == Leg::kStartSlot, c.recalled) << c.mode << " " << c.t;
  }
}

TEST(RaceRules, OnePenaltyPerIncident) {
  RecordingSoundSink sink;
  auto w = Racing(&sink);
  w->SimSeconds = 200;
  Place(*w, 1, 0, 0, 45), Place(*w, 2, 3, 0, 315);  // the user on port, 2 on starboard
  CheckContact(*w, 1, 2);
  const auto sounded = std::ranges::count_if(sink.Requests(), [](const SoundRequest& r) { return r.event == SoundEvent::kPenalty; });
  EXPECT_EQ(std::tuple(w->PenaltyMessage, w->PenaltyUntil[1], sounded), std::tuple(int{PenaltyCode::kPortStarboard}, 230, 1));
  // The other boat's check of the same contact sees the fresh guard time.
  Place(*w, 1, 0, 0, 45), CheckContact(*w, 2, 1);
  EXPECT_EQ(w->BoatPenaltyCount[2], 0);
  // Level on the same tack both boats count as windward: only the first check pays.
  w->SimSeconds = 300;
  Place(*w, 3, 500, 0, 320), Place(*w, 4, 500, 0, 320), CheckContact(*w, 3, 4);
  Place(*w, 3, 500, 0, 320), CheckContact(*w, 4, 3);
  EXPECT_EQ(std::tuple(w->BoatPenaltyCount[3], w->BoatPenaltyCount[4]), std::tuple(1, 0));
}

TEST(RaceRules, ContactDistancesSixEightTen) {
  auto w = Racing();
  w->SimSeconds = 200;
  // Same tack, 7 apart: no contact; crossing at right angles on opposite tacks the distance is 8.
  Place(*w, 2, 0, 0, 320), Place(*w, 3, 7, 0, 320), CheckContacts(*w, 3);
  EXPECT_EQ(w->BoatPenaltyCount[3] + w->BoatPenaltyCount[2], 0);
  Place(*w, 3, 7, 0, 45), CheckContacts(*w, 3);
  EXPECT_EQ(w->BoatPenaltyCount[3], 1);
  // Catamarans touch at 10.
  w->IsCatamaran = 1;
  Place(*w, 4, 1000, 0, 320), Place(*w, 2, 1009, 0, 45), CheckContacts(*w, 2);
  EXPECT_EQ(w->BoatPenaltyCount[2], 1);
}

TEST(RaceRules, RoomPenaltyPushesBackEvenEarly) {
  auto w = Racing();
  w->SimSeconds = 5;
  const double mx = w->LeewardMarkX, my = w->LeewardMarkY;
  const double cd = std::hypot(w->CommitteeBoatX - mx, w->CommitteeBoatY - my);
  const double ux = (w->CommitteeBoatX - mx) / cd, uy = (w->CommitteeBoatY - my) / cd;
  const auto at = [&](int b, double d) { Place(*w, b, mx + d * ux, my + d * uy, 200); };
  at(2, 30), at(3, 33);  // 2 outside, nearer the mark than the committee boat
  w->BoatLegs[2] = w->BoatLegs[3] = 6;
  CheckContact(*w, 2, 3);
  EXPECT_EQ(w->BoatLegs[2], 6);
  EXPECT_NEAR(std::hypot(w->BoatX[2] - mx - 30 * ux, w->BoatY[2] - my - 30 * uy), 150, 1);
  // The inside boat is not penalised.
  at(2, 30), w->PenaltyUntil[2] = -400, CheckContact(*w, 3, 2);
  EXPECT_EQ(w->BoatPenaltyCount[3], 0);
}

TEST(RaceRules, WarningHighlightsAndSpeaksOncePerEncounter) {
  RecordingSoundSink sink;
  auto w = Racing(&sink);
  w->SimSeconds = 200;
  Place(*w, 1, 0, 40, 45), Place(*w, 2, 5, 35, 315);  // the user on port, close-hauled
  w->ApparentWindAngle = 30;
  for (int frame = 0; frame < 3; ++frame) {
    LatchRightOfWayWarning(*w), AvoidNeighbours(*w, 1);
    EXPECT_EQ(w->RightOfWayWarning, 1);
  }
  EXPECT_EQ(std::ranges::count_if(sink.Requests(), [](const SoundRequest& r) { return r.voice; }), 1);
  // Apart again: the warning lapses.
  Place(*w, 2, 500, 30, 315);
  LatchRightOfWayWarning(*w), AvoidNeighbours(*w, 1), LatchRightOfWayWarning(*w);
  EXPECT_EQ(w->WarningActive, 0);
}

TEST(RaceMessageLine, PenaltyFirstThenStateAndCountdown) {
  auto w = Racing();
  w->ActivityMode = Activity::kTriangleRace;
  w->SimTime = w->SimSeconds = -60;
  RaceClockStep(*w);
  w->PenaltyMessage = PenaltyCode::kRecall, w->Stopped = 1;
  const auto lines = MessageLines(*w);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(std::tuple(lines[0], lines[2]), std::tuple(std::string{PenaltyText(PenaltyCode::kRecall)}, " 1 分  45 秒  "));
  // Head to wind: under 30 degrees, no speed, after the signal (then no countdown line).
  w->PenaltyMessage = w->Stopped = 0;
  for (auto [twa, speed, t, shown] : {std::tuple{29, 0, 10, true}, {30, 0, 10, false}, {29, 1, 10, false}, {29, 0, 0, false}}) {
    std::tie(w->TrueWindAngles[1], w->BoatSpeedTenths[1], w->SimSeconds) = std::tuple{twa, speed, t};
    const auto l = MessageLines(*w);
    EXPECT_EQ(!l.empty() && l[0].starts_with("風位に立った"), shown) << twa << " " << speed << " " << t;
  }
}

}  // namespace
