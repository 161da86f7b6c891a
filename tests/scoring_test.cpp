// Scores, bests and skill levels, grouped by results rule; the results screen's texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>

#include "app/results_screen.h"
#include "platform/canvas.h"
#include "scoring/scoring.h"
#include "state/activity.h"
#include "support/test_world.h"

namespace {

std::unique_ptr<World> Finished(int mode) {
  auto w = TestWorld().Activity(mode).Build();
  w->WindSetting = w->CurrentOn = 0, w->Difficulty = 7, w->SailingState = 2;
  w->ResultsShown = w->HelmUsed = w->CloseHauledCommandUsed = 1;
  return w;
}

// A race finished in `place` of `boats`.
std::unique_ptr<World> Raced(int mode, int boats, int place) {
  auto w = Finished(mode);
  w->BoatCount = boats, w->FinishCount = place;
  return w;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}
bool Has(const ScoreSheet& s, const std::string& line) { return Has(s.lines, line); }

// --- Races, against constructed finishing orders ---------------------------------------
TEST(RaceScore, FourAndTenBoatFleets) {
  // place, boats, difficulty, score; the last is trunc(9 x 11 x 5/9) = 55
  for (auto [p, n, d, score] : {std::array{1, 4, 15, 112}, {4, 4, 15, 0}, {2, 10, 7, 75}, {10, 10, 7, 0}, {1, 10, 1, 55}})
    EXPECT_EQ(RaceBaseScore(p, n, d), score) << p << "/" << n << " at " << d;
}

TEST(RaceScore, WinAtFifteenWithBothAidsOff) {
  auto w = Raced(Activity::kTriangleRace, 4, 1);
  w->Difficulty = 15, w->AutopilotOff = w->MainAutoTrimOff = 1;
  const ScoreSheet s = ComputeScoreSheet(*w);
  EXPECT_EQ(std::tuple(s.total, s.totalLine, s.drawTotal), std::tuple(152, std::string("ｽｺｱ : 152 "), true));  // 112 + 20 + 20
  RecordResult(*w);
  EXPECT_EQ(w->BestScores[14], 152);
}

TEST(RaceScore, JustStartRecordsWithoutShowingTheTotalInItsCoursesSlot) {
  for (const auto& [upDown, slot] : {std::pair{0, 13}, std::pair{1, 12}}) {
    auto w = Raced(Activity::kJustStartRace, 10, 2);
    w->JustStartCourseUpDown = upDown;
    EXPECT_FALSE(ComputeScoreSheet(*w).drawTotal);
    RecordResult(*w);
    EXPECT_EQ(std::pair(w->BestScores[slot], w->BestScores[25 - slot]), std::pair(75, 0)) << upDown;
  }
  auto w = Raced(Activity::kWindwardLeewardRace, 4, 3);
  RecordResult(*w);
  EXPECT_EQ(w->BestScores[15], 25);
}

// --- Exercises: base scores and every bonus with its condition ----------------------------
TEST(ExerciseScore, SteeringBaseAndRudderBonus) {
  auto w = Finished(Activity::kSteering);
  w->MaxHeadingError = 12;
  EXPECT_EQ(ComputeScoreSheet(*w).total, 58);
  w->HelmUsed = 0, w->WindSetting = 2, w->CurrentOn = 1;
  EXPECT_EQ(ComputeScoreSheet(*w).total, 58 + 58 + 20 + 10);  // rudder, wind and current bonuses
  w->MaxHeadingError = 90;
  EXPECT_EQ(ComputeScoreSheet(*w).lines.front(), "ﾍﾞｰｽ ｽｺｱ: 0 ");
}

TEST(ExerciseScore, UpwindHasNoFloorAndItsAidBonuses) {
  auto w = Finished(Activity::kUpwind);
  w->SimSeconds = w->SimTime = 400;
  // No bonus line without its condition.
  EXPECT_EQ(ComputeScoreSheet(*w).lines, (std::vector<std::string>{"時間: 9 分   23 秒 ", "ﾍﾞｰｽ ｽｺｱ: 60 "}));
  w->SimSeconds = 1200;
  EXPECT_EQ(ComputeScoreSheet(*w).total, -20);
  w->SimSeconds = 400, w->AutopilotOff = w->MainAutoTrimOff = 1;
  EXPECT_EQ(ComputeScoreSheet(*w).total, 100);
  w->CommandedTackUsed = 1;
  EXPECT_EQ(ComputeScoreSheet(*w).total, 80) << "a commanded tack forfeits the autopilot bonus";
}

TEST(ExerciseScore, MooringAndManOverboardFloorAtTen) {
  auto w = Finished(Activity::kMooring);
  w->SimSeconds = 100;
  EXPECT_EQ(ComputeScoreSheet(*w).total, 50);
  w->SimSeconds = 190, w->CloseHauledCommandUsed = 0, w->CurrentOn = 1;
  const ScoreSheet s = ComputeScoreSheet(*w);
  EXPECT_TRUE(Has(s, "ﾍﾞｰｽ ｽｺｱ: 10 ") && s.total == 60);  // floor 10, current 20, no close-hauled command 30

  auto m = Finished(Activity::kManOverboard);
  m->SimSeconds = 60, m->WindSetting = 1;
  EXPECT_EQ(ComputeScoreSheet(*m).total, 70 + 14 + 10);
}

TEST(ExerciseScore, DockingBySpeedAtThePier) {
  auto w = Finished(Activity::kDocking);
  w->DockingSpeedTenths = 23;
  EXPECT_EQ(ComputeScoreSheet(*w).lines.front(), "速度: 2.3  ﾉｯﾄ");
  for (auto [tenths, current, total] : {std::array{23, 0, 54}, {48, 0, 10}, {48, 1, 30}}) {
    std::tie(w->DockingSpeedTenths, w->CurrentOn) = std::tuple{tenths, current};
    EXPECT_EQ(ComputeScoreSheet(*w).total, total) << tenths << " " << current;
  }
}

TEST(ExerciseScore, CollisionAvoidanceDifficultyLineOnlyAboveOne) {
  auto w = Finished(Activity::kCollisionAvoidance);
  EXPECT_EQ(ComputeScoreSheet(*w).total, 64);  // 50 + a speed bonus of 14
  w->Difficulty = 1;
  EXPECT_EQ(ComputeScoreSheet(*w).lines.size(), 1u);
}

TEST(ExerciseScore, FreeSailingAndLessonsHaveNoScore) {
  auto lesson = Finished(Activity::kSailShapeLesson);
  EXPECT_FALSE(ComputeScoreSheet(*Finished(Activity::kFreeSailing)).hasTotal || ComputeScoreSheet(*lesson).hasTotal);
  RecordResult(*lesson);
  EXPECT_EQ(lesson->BestScores, World{}.BestScores);
}

// --- Bests --------------------------------------------------------------------------------
TEST(Bests, CapsizeAndCollisionLeaveThemAlone) {
  auto w = Finished(Activity::kMooring);
  w->BestScores[3] = 40, w->SimSeconds = 0, w->ResultsShown = 4;
  EXPECT_EQ(ComputeScoreSheet(*w).lines, std::vector<std::string>{"沈(転覆) ｽｺｱ 0   "});
  RecordResult(*w);
  EXPECT_EQ(w->BestScores[3], 40);  // the collision's case: ResultsFlow.ACollisionShowsOnlyTheCloseQuartersLine
}

TEST(Bests, OnlyABetterTotalReplacesTheBestAndNoneLeavesTheRange) {
  auto w = Finished(Activity::kUpwind);
  // A total of 60 under a best of 70; a total of -50 under none.
  for (auto [best, seconds] : {std::pair{70, 400}, {0, 1500}}) {
    w->BestScores[2] = best, w->SimSeconds = seconds;
    RecordResult(*w);
    EXPECT_EQ(w->BestScores[2], best) << seconds;
  }
  // A total of 250 is shown as it is; the best stays where the file can keep it.
  auto r = Raced(Activity::kTriangleRace, 4, 1);
  r->Difficulty = 90;
  const ScoreSheet s = ComputeScoreSheet(*r);
  ASSERT_GT(s.total, 200);
  EXPECT_EQ(s.totalLine, "ｽｺｱ : " + std::to_string(s.total) + " ");
  RecordResult(*r);
  EXPECT_EQ(r->BestScores[14], 200);
}

// --- Skill levels -------------------------------------------------------------------------
TEST(SkillLevels, BoundariesAndTheBestLevelsKept) {
  World w;
  std::tie(w.BestScores[0], w.BestScores[13]) = std::tuple{59, 39};
  EXPECT_EQ(std::tuple(SailingSkillLevel(w), RacingSkillLevel(w)), std::tuple(0, 0));
  std::tie(w.BestScores[7], w.BestScores[15]) = std::tuple{1, 1};
  EXPECT_EQ(std::tuple(SailingSkillLevel(w), RacingSkillLevel(w)), std::tuple(1, 1));
  w.BestScores[1] = 200;  // the sail-trim lesson has no best of its own
  EXPECT_EQ(SailingSkillLevel(w), 1);
  w.ActivityMode = Activity::kFreeSailing, w.ResultsShown = 1;
  RecordResult(w);
  // A later run with the bests cleared keeps the best level reached.
  w.BestScores.fill(0);
  EXPECT_EQ(SailingSkillLevel(w), 0);
  EXPECT_EQ(std::tuple(BestSailingLevel(w), BestRacingLevel(w)), std::tuple(1, 1));
  const SkillTable t = ComposeSkillTable(w);
  EXPECT_EQ(t.sailing[8], "------------------------------ 過去最良のｾｰﾘﾝｸﾞｽｷﾙﾚﾍﾞﾙ  : 1");
  EXPECT_EQ(t.racing[5], "------------------------------ 過去最良のﾚｰｼﾝｸﾞｽｷﾙﾚﾍﾞﾙ: 1");
}

// --- The screen -----------------------------------------------------------------------------
std::vector<std::string> DrawnTexts(World& w) {
  Canvas c(w.ViewWidth, w.ViewHeight);
  c.BeginFrame();
  DrawResults(w, c);
  std::vector<std::string> texts;
  for (const TextLogEntry& e : c.TextLog()) texts.push_back(e.text);
  return texts;
}

TEST(ResultsScreen, LessonEndReplacesTheSkillTable) {
  auto w = Finished(Activity::kTrafficRulesLesson);
  w->ViewWidth = 1280, w->ViewHeight = 720, w->LessonIntroPending = 1;
  const auto texts = DrawnTexts(*w);
  EXPECT_TRUE(Has(texts, "教習終了           ") && !Has(texts, "ﾍﾞｽﾄｽｺｱ :"));
  w->LessonIntroPending = 0;
  EXPECT_TRUE(Has(DrawnTexts(*w), "ﾍﾞｽﾄｽｺｱ :"));
}

}  // namespace
