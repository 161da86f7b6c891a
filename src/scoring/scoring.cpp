#include "scoring/scoring.h"

#include <algorithm>
#include <cstdio>

#include "state/activity.h"
#include "state/world.h"

namespace {

constexpr double kClockMinutesPerSecond = 0.029325513196480937;

std::string Format(const char* pattern, int value) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, pattern, value);
  return buffer;
}

std::string Format(const char* pattern, int a, int b) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, pattern, a, b);
  return buffer;
}

// Adds a bonus to the sheet: its line when it is shown, its points to the total.
struct SheetBuilder {
  ScoreSheet sheet;
  int total = 0;

  void Line(std::string text) { sheet.lines.push_back(std::move(text)); }
  void Base(int points) {
    Line(Format("ﾍﾞｰｽ ｽｺｱ: %d ", points));
    total += points;
  }
  void Bonus(const char* pattern, int points, bool shown) {
    if (shown) Line(Format(pattern, points));
    total += points;
  }
};

void WindBonus(SheetBuilder& s, const World& w) {
  s.Bonus("風難易度ボーナス: %d ", 10 * w.WindSetting, w.WindSetting > 0);
}
void CurrentBonus(SheetBuilder& s, const World& w, int points) {
  if (w.CurrentOn) s.Bonus("潮流難易度ボーナス: %d ", points, true);
}
void AutopilotBonus(SheetBuilder& s, bool earned) {
  if (earned) s.Bonus("自動操舵ｺﾏﾝﾄﾞ不使用ﾎﾞｰﾅｽ: %d ", 20, true);
}
void MainAutoTrimBonus(SheetBuilder& s, const World& w) {
  if (w.MainAutoTrimOff) s.Bonus("自動ﾒｲﾝｾｰﾙｺﾏﾝﾄﾞ不使用ﾎﾞｰﾅｽ: %d ", 20, true);
}
void TimeLine(SheetBuilder& s, const World& w) {
  const ResultClock c = ResultClockAt(w.SimTime);
  s.Line(Format("時間: %d 分   %d 秒 ", c.minutes, c.seconds));
}

void ExerciseSheet(SheetBuilder& s, const World& w) {
  const int t = w.SimSeconds;
  switch (w.ActivityMode) {
    case Activity::kSteering: {
      const int base = std::max(0, 70 - w.MaxHeadingError);
      s.Base(base);
      WindBonus(s, w);
      CurrentBonus(s, w, 10);
      if (!w.HelmUsed) s.Bonus("ﾗﾀﾞｰなしﾎﾞｰﾅｽ: %d ", base, true);
      break;
    }
    case Activity::kUpwind:
      // No floor: a slow beat scores below zero.
      TimeLine(s, w);
      s.Base(100 - t / 10);
      WindBonus(s, w);
      CurrentBonus(s, w, 10);
      AutopilotBonus(s, w.AutopilotOff && !w.CommandedTackUsed);
      MainAutoTrimBonus(s, w);
      break;
    case Activity::kMooring:
      TimeLine(s, w);
      s.Base(std::max(10, 100 - t / 2));
      WindBonus(s, w);
      CurrentBonus(s, w, 20);
      if (!w.CloseHauledCommandUsed) s.Bonus("ｸﾛｰｽﾎｰﾙﾄﾞｺﾏﾝﾄﾞ不使用ﾎﾞｰﾅｽ: %d ", 30, true);
      break;
    case Activity::kDocking: {
      const int v = w.DockingSpeedTenths;
      s.Line(Format("速度: %d.%d  ﾉｯﾄ", v / 10, v % 10));
      s.Base(std::max(10, (50 - v) * 2));
      WindBonus(s, w);
      CurrentBonus(s, w, 20);
      break;
    }
    case Activity::kManOverboard:
      TimeLine(s, w);
      s.Base(std::max(10, 100 - t / 2));
      s.Bonus("難易度(視認)ボーナス: %d ", 2 * w.Difficulty, true);
      WindBonus(s, w);
      break;
    case Activity::kCollisionAvoidance:
      s.Base(50);
      WindBonus(s, w);
      s.Bonus("難易度（艇速)ボーナス: %d ", 2 * w.Difficulty, w.Difficulty > 1);
      CurrentBonus(s, w, 10);
      break;
    default:
      break;
  }
}

void RaceSheet(SheetBuilder& s, const World& w) {
  s.Line(Format("ﾌｨﾆｯｼｭ順位: %d ", w.FinishCount));
  s.Line(Format("難易度: %d ", w.Difficulty));
  s.Base(RaceBaseScore(w.FinishCount, w.BoatCount, w.Difficulty));
  AutopilotBonus(s, w.AutopilotOff != 0);
  MainAutoTrimBonus(s, w);
}

int SumOf(const World& w, const int* slots, int n) {
  int sum = 0;
  for (int k = 0; k < n; ++k) sum += w.BestScores[static_cast<std::size_t>(slots[k])];
  return sum;
}
int SailingSum(const World& w) { return SumOf(w, kSailingSlots, 6); }
int RacingSum(const World& w) { return SumOf(w, kRacingSlots, 4); }

}  // namespace

int BestSlot(int32_t mode, int32_t justStartCourseUpDown) {
  switch (mode) {
    case Activity::kSteering:
    case Activity::kUpwind:
    case Activity::kMooring:
    case Activity::kDocking:
    case Activity::kManOverboard:
    case Activity::kCollisionAvoidance:
      return mode - 1;
    case Activity::kJustStartRace:
      return justStartCourseUpDown == 1 ? 12 : 13;
    case Activity::kTriangleRace:
    case Activity::kWindwardLeewardRace:
      return mode;
    default:
      return -1;
  }
}

int BestSlot(const World& w) { return BestSlot(w.ActivityMode, w.JustStartCourseUpDown); }

int RaceBaseScore(int place, int fleetSize, int difficulty) {
  if (fleetSize >= 10) return std::max(0, static_cast<int>((10 - place) * (difficulty + 10) * 0.5555555555555556));
  return std::max(0, (4 - place) * (difficulty + 10) * 3 / 2);
}

ResultClock ResultClockAt(double simTime) {
  double minutes = simTime * kClockMinutesPerSecond;
  if (simTime >= 0) minutes *= 0.8;
  const int whole = static_cast<int>(minutes);
  return ResultClock{whole, static_cast<int>(60 * minutes - 60.0 * whole)};
}

ScoreSheet ComputeScoreSheet(const World& w) {
  SheetBuilder s;
  const int m = w.ActivityMode;
  if (w.ResultsShown == 4) {
    s.sheet.failed = true;
    s.Line("沈(転覆) ｽｺｱ 0   ");
    return s.sheet;
  }
  if (m == Activity::kCollisionAvoidance && w.ResultsShown == 2) {
    s.sheet.failed = true;
    s.Line("接近しすぎ　スコア 0    ");
    return s.sheet;
  }
  if (IsFreeSailing(m)) {
    s.Line("セーリングにはスコアはない。");
    return s.sheet;
  }
  const int slot = BestSlot(w);
  if (slot < 0) return s.sheet;  // a lesson: no score
  if (IsRace(m)) {
    RaceSheet(s, w);
  } else {
    ExerciseSheet(s, w);
  }
  s.sheet.hasTotal = true;
  s.sheet.total = s.total;
  s.sheet.bestSlot = slot;
  s.sheet.drawTotal = m != Activity::kJustStartRace;
  s.sheet.totalLine = Format(IsRace(m) ? "ｽｺｱ : %d " : "ﾄｰﾀﾙ ｽｺｱ: %d ", s.total);
  return s.sheet;
}

void RecordResult(World& w) {
  if (w.ResultsShown == 1) {
    const ScoreSheet sheet = ComputeScoreSheet(w);
    if (sheet.hasTotal && sheet.bestSlot >= 0) {
      // A total beyond the kept range (a slow upwind beat, a lavish bonus) is shown as it is,
      // but the best stays within what the settings file keeps, so no saved best is lost to
      // the load's range check.
      int32_t& best = w.BestScores[static_cast<std::size_t>(sheet.bestSlot)];
      best = std::max(best, std::clamp(sheet.total, kLowestBest, kHighestBest));
    }
  }
  w.SailingSkillTotal = std::max(w.SailingSkillTotal, SailingSum(w));
  w.RacingSkillTotal = std::max(w.RacingSkillTotal, RacingSum(w));
}

int SailingSkillLevel(const World& w) { return SailingSum(w) / 60; }
int RacingSkillLevel(const World& w) { return RacingSum(w) / 40; }
int BestSailingLevel(const World& w) { return std::max(w.SailingSkillTotal, SailingSum(w)) / 60; }
int BestRacingLevel(const World& w) { return std::max(w.RacingSkillTotal, RacingSum(w)) / 40; }

SkillTable ComposeSkillTable(const World& w) {
  static constexpr const char* kSailingLabels[6] = {"操舵: %d ",     "風上行: %d ",   "係留: %d ",
                                                    "着艇: %d ",     "落水救助: %d ", "衝突回避: %d "};
  static constexpr const char* kRacingLabels[4] = {"ｼﾞｬｽﾄｽﾀｰﾄ 三角ｺｰｽ ﾚｰｽ : %d ",
                                                   "ジャストスタート 上/下 レース : %d ", "三角ｺｰｽ レース: %d  ",
                                                   "上/下 レース : %d "};
  SkillTable t;
  t.sailing.push_back("ﾍﾞｽﾄｽｺｱ :");
  for (int k = 0; k < 6; ++k) t.sailing.push_back(Format(kSailingLabels[k], w.BestScores[kSailingSlots[k]]));
  t.sailing.push_back(Format("------------------------------ ｾｰﾘﾝｸﾞｽｷﾙﾚﾍﾞﾙ: %d", SailingSkillLevel(w)));
  t.sailing.push_back(Format("------------------------------ 過去最良のｾｰﾘﾝｸﾞｽｷﾙﾚﾍﾞﾙ  : %d", BestSailingLevel(w)));
  for (int k = 0; k < 4; ++k) t.racing.push_back(Format(kRacingLabels[k], w.BestScores[kRacingSlots[k]]));
  t.racing.push_back(Format("------------------------------ ﾚｰｼﾝｸﾞｽｷﾙﾚﾍﾞﾙ: %d", RacingSkillLevel(w)));
  t.racing.push_back(Format("------------------------------ 過去最良のﾚｰｼﾝｸﾞｽｷﾙﾚﾍﾞﾙ: %d", BestRacingLevel(w)));
  return t;
}
