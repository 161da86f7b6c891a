// The score of a finished activity, the best score of each scored activity and the two skill
// levels built from the bests. Nothing here draws: the results screen lays these texts out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct World;

// The BestScores slot that keeps the best of an activity, or -1 for an activity without a
// score. The just-start race keeps one best per course.
int BestSlot(int32_t activityMode, int32_t justStartCourseUpDown);
int BestSlot(const World& w);

// The scored activities in the order the skill table lists them.
inline constexpr int kSailingSlots[6] = {0, 2, 3, 4, 5, 7};
inline constexpr int kRacingSlots[4] = {13, 12, 14, 15};  // just-start triangle, just-start up/down,
                                                          // triangle, up/down

// A best is kept only within this range; the settings file discards anything outside it.
inline constexpr int kLowestBest = 0;
inline constexpr int kHighestBest = 200;

// Base score of a finished race: 4 boats (4 - place) x (difficulty + 10) x 3 / 2; 10 boats
// trunc((10 - place) x (difficulty + 10) x 5 / 9). Last place scores 0.
int RaceBaseScore(int place, int fleetSize, int difficulty);

// The results of the activity that has just ended, as its lines read.
struct ScoreSheet {
  // Drawn one per line: the activity's own lines, the base score, each bonus that applies.
  std::vector<std::string> lines;
  // The capsize and collision lines: one red line and no score.
  bool failed = false;
  bool hasTotal = false;    // the activity has a score (the total counts toward its best)
  bool drawTotal = false;   // the just-start race records a total without showing it
  int total = 0;
  std::string totalLine;
  int bestSlot = -1;        // where the total is kept; -1 when it is not
};
ScoreSheet ComputeScoreSheet(const World& w);

// The clock shown on the results' time line for a simulated time: whole minutes and seconds.
struct ResultClock {
  int minutes = 0;
  int seconds = 0;
};
ResultClock ResultClockAt(double simTime);

// Keeps the total of the finished activity as its best when it beats it (held within
// 0..200), and raises the kept skill totals. Safe to run on every paint of the results screen.
void RecordResult(World& w);

int SailingSkillLevel(const World& w);      // sum of the six sailing bests / 60
int RacingSkillLevel(const World& w);       // sum of the four race bests / 40
int BestSailingLevel(const World& w);       // the highest sailing level reached so far
int BestRacingLevel(const World& w);

// The skill table: its sailing block (heading, six bests, the two level lines) and its racing
// block (four bests, the two level lines).
struct SkillTable {
  std::vector<std::string> sailing;
  std::vector<std::string> racing;
};
SkillTable ComposeSkillTable(const World& w);
