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
  r.InstructionPage = 0;
  r.MeanWindDirection = r.WindDirection = 0;
  for (int b = 1; b <= 4; ++b) {
    r.WindDirectionAtBoat[b] = 0, r.WindSpeedAtBoat[b] = 12, r.BoatLegs[b] = 1;
    r.BoatX[b] = r.LookAheadX[b] = 1000 * b;
    r.BoatY[b] = r.LookAheadY[b] = -500;
  }
  r.SimTime = r.SimSeconds = 100;
  r.TimeStep = 0.216;
  return w;
}

void Place(World& w, int b, double x, double y, int heading) {
  w.BoatX[b] = x, w.BoatY[b] = y;
  w.LookAheadX[b] = static_cast<int>(x), w.LookAheadY[b] = static_cast<int>(y);
  w.BoatHeadings[b] = heading;
  w.BoatTack[b] = TackFor(heading, w.WindDirectionAtBoat[b]);
  w.TrueWindAngles[b] = AngleBetween(heading, w.WindDirectionAtBoat[b]);
}

void Target(World& w, int b, int x, int y) {
  w.BoatTargetX[b] = x, w.BoatTargetY[b] = y;
  w.BoatTargetDistance[b] = std::abs(x - static_cast<int>(w.BoatX[b])) + std::abs(y - static_cast<int>(w.BoatY[b]));
}

int Count(const RecordingSoundSink& s, int event) {
  return std::count_if(s.Requests().begin(), s.Requests().end(), [event](const SoundRequest& r) { return r.event == event; });
}

// --- Race fleet -------------------------------------------------------------------------------

TEST(RaceFleet, RunsByTheWindWithTheTargetDeadDownwind) {
  auto w = Racing();
  w->SteeringSpread[2] = 8, w->LastAvoidTime[2] = 95;  // no gybe decision this step
  Place(*w, 2, 0, 0, 200);  // starboard
  Target(*w, 2, 0, 1500);
  RaceBoatStep(*w, 2);
  const int ra = RunningAngleFor(*w, 2);
  // Starboard run: 180 + (spread / 2 + running angle) off the wind.
  EXPECT_EQ(w->BoatHeadings[2], 180 + 4 + ra);
}

TEST(RaceFleet, NeverGybesOntoPortIntoASameTackNeighbour) {
  auto w = Racing();
  w->RunningAngle = 20, w->TimeStep = 5;
  const auto gybes = [&](int neighbour) {  // of 400 chances
    int n = 0;
    for (int i = 0; i < 400; ++i) {
      Place(*w, 2, 0, 0, 210);  // starboard, far off the target's bearing: a high gybe score
      Target(*w, 2, 0, 3000);
      w->LastAvoidTime[2] = -400, w->SameTackNeighbour[2] = neighbour;
      ConsiderGybe(*w, 179, 180, 2);
      n += w->BoatTack[2] < 0;
    }
    return n;
  };
  EXPECT_EQ(gybes(1), 0);
  EXPECT_GT(gybes(0), 0);
}

TEST(RaceFleet, ATackTakesEightSecondsAndNotAgainWithinThirty) {
  auto w = Racing();
  const int ch = CloseHauledAngleFor(*w, 2);
  Place(*w, 2, 0, 0, 360 - ch);
  Target(*w, 2, 3000, -600);  // far to starboard: a tack is due
  w->TimeStep = 1, w->LastTackTime[2] = 100 - 29;
  ConsiderTack(*w, 2, 80);
  EXPECT_EQ(w->TackInProgress[2], 0);
  w->LastTackTime[2] = 100 - 31;
  ConsiderTack(*w, 2, 80);
  ASSERT_EQ(w->TackInProgress[2], 1);
  EXPECT_EQ(w->LastTackTime[2], 100);
  for (int t = 100; t <= 107; ++t) w->SimSeconds = t, RaceBoatStep(*w, 2);
  EXPECT_EQ(w->TackInProgress[2], 1);  // still tacking at 7 s
  w->SimSeconds = 108;
  RaceBoatStep(*w, 2);
  EXPECT_EQ(std::tuple(w->TackInProgress[2], w->BoatTack[2], w->BoatHeadings[2]), std::tuple(0, -1, ch));
}

TEST(RaceFleet, SteersAtAReachingTargetWithTurnsClampedToThirtyFive) {
  // A turn of exactly 180 degrees counts as a turn to starboard. (The target due west lies at
  // 271 with the program's degree factor.) With the wind at 200 no tack is due.
  struct Case { int wind, heading, targetX, want; } cases[] = {{0, 80, 150, 90}, {200, 0, 150, 35}, {200, 91, -150, 126}};
  for (const Case& c : cases) {
    auto w = Racing();
    for (int b = 2; b <= 4; ++b) w->WindDirectionAtBoat[b] = c.wind;
    Place(*w, 2, 0, 0, c.heading);
    Target(*w, 2, c.targetX, 0);  // 150 yards
    RaceBoatStep(*w, 2);
    EXPECT_EQ(w->BoatHeadings[2], c.want) << c.heading;
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
    Place(*w, 3, 0, 0, 320);                // j: starboard, close-hauled
    Place(*w, 2, 40, -c.upwind, 40);        // k: port, close-hauled, c yards further upwind
    Target(*w, 2, 2000, -2000);
    w->CourseError[2] = 30;
    AvoidBoat(*w, 5, 3, 2);
    EXPECT_EQ(std::tuple(w->BoatHeadings[2], w->BoatTack[2], w->ForcedTack[2] == 1, w->LastAvoidTime[2]),
              std::tuple(c.heading, c.tack, c.forced, 100)) << c.upwind;
  }
}

// --- Racing rules and penalties ---------------------------------------------------------------

TEST(RaceRules, MarkTouchBeforeAndAfterTwentyUnits) {
  auto w = Racing();
  w->SimSeconds = 10;
  Place(*w, 2, w->WindwardMarkX + 1, w->WindwardMarkY + 1, 320);
  CheckMarkTouchAndRecall(*w, 2);
  EXPECT_EQ(w->BoatLegs[2], Leg::kStartSlot);
  EXPECT_LT(std::hypot(w->BoatX[2] - w->CommitteeBoatX, w->BoatY[2] - w->CommitteeBoatY), w->LegLength / 2);
  EXPECT_EQ(w->PenaltyUntil[2], 40);

  w->SimSeconds = 25, w->BoatLegs[3] = 2;
  Place(*w, 3, w->WindwardMarkX + 1, w->WindwardMarkY - 1, 320);
  CheckMarkTouchAndRecall(*w, 3);
  ASSERT_EQ(w->BoatLegs[3], 2);
  EXPECT_NEAR(std::hypot(w->BoatX[3] - w->WindwardMarkX, w->BoatY[3] - w->WindwardMarkY), 150, 2.5);
  // Three yards off is no touch.
  Place(*w, 4, w->SideMarkX + 2, w->SideMarkY + 1, 320);
  CheckMarkTouchAndRecall(*w, 4);
  EXPECT_EQ(w->BoatX[4], w->SideMarkX + 2);
}

TEST(RaceRules, RecallInTheLastSecondsOnly) {
  auto w = Racing();
  // 20 yards from the middle of the line towards the windward mark: on the course side.
  const double mx = LineMiddleX(*w), my = LineMiddleY(*w);
  const double up = std::hypot(w->WindwardMarkX - mx, w->WindwardMarkY - my);
  const double overX = mx + 20 * (w->WindwardMarkX - mx) / up, overY = my + 20 * (w->WindwardMarkY - my) / up;
  struct Case { int mode, t; bool recalled; } cases[] = {
      {Activity::kWindwardLeewardRace, -3, true}, {Activity::kWindwardLeewardRace, 0, false},
      {Activity::kWindwardLeewardRace, -6, false}, {Activity::kWindwardLeewardRace, 51, false},
      {Activity::kJustStartRace, -3, false}};
  for (const Case& c : cases) {
    w->ActivityMode = c.mode, w->SimSeconds = c.t;
    Place(*w, 2, overX, overY, 320);
    w->BoatLegs[2] = 1;
    CheckMarkTouchAndRecall(*w, 2);
    EXPECT_EQ(w->BoatLegs[2] == Leg::kStartSlot, c.recalled) << c.mode << " " << c.t;
  }
}

TEST(RaceRules, OnePenaltyPerIncident) {
  RecordingSoundSink sink;
  auto w = Racing(&sink);
  w->SimSeconds = 200;
  Place(*w, 1, 0, 0, 45);   // the user on port
  Place(*w, 2, 3, 0, 315);  // starboard
  CheckContact(*w, 1, 2);
  EXPECT_EQ(std::tuple(w->PenaltyMessage, w->PenaltyUntil[1], Count(sink, SoundEvent::kPenalty)),
            std::tuple(int{PenaltyCode::kPortStarboard}, 230, 1));
  // The other boat's check of the same contact sees the fresh guard time.
  Place(*w, 1, 0, 0, 45);
  CheckContact(*w, 2, 1);
  EXPECT_EQ(w->BoatPenaltyCount[2], 0);
  // Level on the same tack both boats count as windward: only the first check pays.
  w->SimSeconds = 300;
  Place(*w, 3, 500, 0, 320);
  Place(*w, 4, 500, 0, 320);
  CheckContact(*w, 3, 4);
  Place(*w, 3, 500, 0, 320);
  CheckContact(*w, 4, 3);
  EXPECT_EQ(std::tuple(w->BoatPenaltyCount[3], w->BoatPenaltyCount[4]), std::tuple(1, 0));
}

TEST(RaceRules, ContactDistancesSixEightTen) {
  auto w = Racing();
  w->SimSeconds = 200;
  // Same tack, 7 apart: no contact; 5 apart: the windward boat pays.
  Place(*w, 2, 0, 0, 320);
  Place(*w, 3, 7, 0, 320);
  CheckContacts(*w, 3);
  EXPECT_EQ(w->BoatPenaltyCount[3] + w->BoatPenaltyCount[2], 0);
  // Crossing at right angles on opposite tacks the distance is 8.
  Place(*w, 3, 7, 0, 45);
  CheckContacts(*w, 3);
  EXPECT_EQ(w->BoatPenaltyCount[3], 1);
  // Catamarans touch at 10.
  w->IsCatamaran = 1;
  Place(*w, 4, 1000, 0, 320);
  Place(*w, 2, 1009, 0, 45);
  CheckContacts(*w, 2);
  EXPECT_EQ(w->BoatPenaltyCount[2], 1);
}

TEST(RaceRules, RoomPenaltyPushesBackEvenEarly) {
  auto w = Racing();
  w->SimSeconds = 5;
  const double mx = w->LeewardMarkX, my = w->LeewardMarkY;
  const double cd = std::hypot(w->CommitteeBoatX - mx, w->CommitteeBoatY - my);
  const double ux = (w->CommitteeBoatX - mx) / cd, uy = (w->CommitteeBoatY - my) / cd;
  Place(*w, 2, mx + 30 * ux, my + 30 * uy, 200);  // farther from the committee boat
  Place(*w, 3, mx + 33 * ux, my + 33 * uy, 200);
  w->BoatLegs[2] = w->BoatLegs[3] = 6;
  CheckContact(*w, 2, 3);
  EXPECT_EQ(w->BoatLegs[2], 6);
  EXPECT_NEAR(std::hypot(w->BoatX[2] - mx - 30 * ux, w->BoatY[2] - my - 30 * uy), 150, 1);
  // The inside boat is not penalised.
  Place(*w, 2, mx + 30 * ux, my + 30 * uy, 200);
  w->PenaltyUntil[2] = -400;
  CheckContact(*w, 3, 2);
  EXPECT_EQ(w->BoatPenaltyCount[3], 0);
}

TEST(RaceRules, WarningHighlightsAndSpeaksOncePerEncounter) {
  RecordingSoundSink sink;
  auto w = Racing(&sink);
  w->SimSeconds = 200;
  Place(*w, 1, 0, 40, 45);  // the user on port, close-hauled
  Place(*w, 2, 5, 35, 315);
  w->ApparentWindAngle = 30;
  for (int frame = 0; frame < 3; ++frame) {
    LatchRightOfWayWarning(*w);
    AvoidNeighbours(*w, 1);
    EXPECT_EQ(w->RightOfWayWarning, 1);
  }
  EXPECT_EQ(std::count_if(sink.Requests().begin(), sink.Requests().end(), [](const SoundRequest& r) { return r.voice; }), 1);
  // Apart again: the warning lapses and a new encounter speaks again.
  Place(*w, 2, 500, 30, 315);
  LatchRightOfWayWarning(*w);
  AvoidNeighbours(*w, 1);
  LatchRightOfWayWarning(*w);
  EXPECT_EQ(w->WarningActive, 0);
}

TEST(RaceMessageLine, PenaltyFirstThenStateAndCountdown) {
  auto w = Racing();
  w->ActivityMode = Activity::kTriangleRace;
  w->SimTime = w->SimSeconds = -60;
  RaceClockStep(*w);
  w->PenaltyMessage = PenaltyCode::kRecall, w->Stopped = 1;
  EXPECT_EQ(MessageLines(*w), (std::vector<std::string>{" ﾍﾟﾅﾙﾃｨ ﾘｺｰﾙ(規則29.1)",
                                                        "動作停止中。テキストウィンドウの外でマウスをクリックして再開。", " 1 分  45 秒  "}));
  w->PenaltyMessage = w->Stopped = 0, w->SimTime = w->SimSeconds = 10;
  w->TrueWindAngles[1] = 10, w->BoatSpeedTenths[1] = 0;
  EXPECT_EQ(MessageLines(*w), std::vector<std::string>{"風位に立った ﾊﾞｯｸしている。 "});
}

}  // namespace
