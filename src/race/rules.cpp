#include "race/rules.h"

#include <cmath>
#include <cstdlib>

#include "boat/boat_step.h"
#include "race/course.h"
#include "race/race_start.h"
#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/sound_event.h"
#include "state/world.h"

namespace {

// Distance from (qx, qy) to boat b.
double From(const World& w, double qx, double qy, int b) { return std::hypot(qx - w.BoatX[b], qy - w.BoatY[b]); }

int Lead(const World& w, double qx, double qy, int ahead, int behind) {
  const double dj = From(w, qx, qy, behind);
  const double dk = From(w, qx, qy, ahead);
  if (dj == 0) return static_cast<int>(100 - dk);
  return static_cast<int>(dj - dk);
}

bool NearRoomMark(const World& w, int k, double r) {
  return DistanceToPoint(w, k, w.SideMarkX, w.SideMarkY) < r ||
         DistanceToPoint(w, k, w.LeewardMarkX, w.LeewardMarkY) < r;
}

bool NearerCommittee(const World& w, int j, int k) {
  return DistanceToPoint(w, j, w.CommitteeBoatX, w.CommitteeBoatY) <
         DistanceToPoint(w, k, w.CommitteeBoatX, w.CommitteeBoatY);
}

void Warn(World& w, int advice) {
  w.RightOfWayWarning = 1;
  if (advice > 0 && w.WarningActive == 0) PlayAdvice(w, advice);
}

}  // namespace

const char* PenaltyText(int code) {
  switch (code) {
    case PenaltyCode::kMarkTouch: return " ﾍﾟﾅﾙﾃｨ ﾏｰｸﾀｯﾁ(規則31)";
    case PenaltyCode::kRecall: return " ﾍﾟﾅﾙﾃｨ ﾘｺｰﾙ(規則29.1)";
    case PenaltyCode::kRoom: return " ﾍﾟﾅﾙﾃｨ ﾙｰﾑ(水)不足(規則18.2(a))";
    case PenaltyCode::kPortStarboard: return " ﾍﾟﾅﾙﾃｨ ﾎﾟｰﾄｽﾀｰﾎﾞ(規則10)";
    case PenaltyCode::kWindward: return " ﾍﾟﾅﾙﾃｨ 上下(規則11)";
    case PenaltyCode::kClearAstern: return " ﾍﾟﾅﾙﾃｨ 追突(規則12)";
    case PenaltyCode::kTackingTooClose: return " ﾍﾟﾅﾙﾃｨ 近すぎるﾀｯｷﾝｸﾞ(規則13)";
    case PenaltyCode::kAground: return " 座礁 !!!   ";
    default: return "";
  }
}

int WindwardOf(const World& w, int k, int j) {
  const double h = w.BoatHeadings[j] * kDegToRad;
  const double qx = w.BoatX[j] + 900 * w.BoatTack[j] * std::cos(h);
  const double qy = w.BoatY[j] + 900 * w.BoatTack[j] * std::sin(h);
  return Lead(w, qx, qy, k, j);
}

int CrossingMargin(const World& w, int j, int k) {
  const double wd = w.WindDirectionAtBoat[j] * kDegToRad;
  const double qx = w.BoatX[j] + std::sin(wd) * 900;
  const double qy = w.BoatY[j] - std::cos(wd) * 900;
  return Lead(w, qx, qy, k, j);
}

int UpwindLead(const World& w, int k, int j) {
  const double wd = w.WindDirectionAtBoat[k] * kDegToRad;
  const double qx = w.BoatX[k] + std::sin(wd) * 2000;
  const double qy = w.BoatY[k] - std::cos(wd) * 2000;
  return Lead(w, qx, qy, k, j);
}

int CrossingLimit(const World& w, int k, int courseError) {
  int m = w.IsCatamaran ? -3 : -5;
  if (w.BoatTargetDistance[k] < 200) m += 2;
  int limit = m + 5;
  if (std::abs(courseError) < 15) limit = m + 15;
  if (w.SimSeconds < 1) limit = -5;
  return limit;
}

void SendBehindLine(World& w, int k) {
  int x = 0, y = 0;
  if (w.SimSeconds >= -10) {
    // Just below the line, nearer the committee end.
    x = (w.LeewardMarkX + 8 * w.PinX + 10 * w.CommitteeBoatX) / 19;
    y = (w.LeewardMarkY + 8 * w.PinY + 10 * w.CommitteeBoatY) / 19;
  } else {
    x = w.RestartPointX;
    y = w.RestartPointY;
  }
  w.BoatX[k] = x + RandomBelow(w, 40) - 20;
  w.BoatY[k] = y + RandomBelow(w, 40) - 20;
}

void PushBack(World& w, int k) {
  const int tack = w.BoatTack[k];
  const int legs = w.BoatLegs[k];
  const bool beating = legs < 4 || legs == Leg::kFinishLine;
  const int r = beating ? w.WindDirectionAtBoat[k] - tack * w.CloseHauledAngle : w.BoatHeadings[k];
  const int twa = w.TrueWindAngles[k];
  const int deep = 160 - w.RunningAngle;
  int bearing = 0;
  if (tack > 0) {
    bearing = twa < deep ? r + 160 : r + 180;
  } else {
    bearing = twa >= deep ? r + 160 : r + 170;
  }
  const double b = bearing * kDegToRad;
  w.BoatX[k] += 150 * std::sin(b);
  w.BoatY[k] -= 150 * std::cos(b);
}

void PenaliseBoat(World& w, int k, int code) {
  const int t = w.SimSeconds;
  w.PenaltyUntil[k] = t + 30;
  w.BoatPenaltyCount[k] += 1;
  if (k == 1) {
    w.PenaltyMessage = code;
    if (code >= PenaltyCode::kRoom && code <= PenaltyCode::kTackingTooClose) {
      PlaySoundEvent(w, SoundEvent::kPenalty);
    } else {
      PlayBeep(w);
    }
  }
  if (t < 20 && code != PenaltyCode::kRoom) {
    AssignStartSlot(w, k);
    SendBehindLine(w, k);
  } else {
    PushBack(w, k);
  }
}

void CheckMarkTouchAndRecall(World& w, int k) {
  const int t = w.SimSeconds;
  if (NearAnyCoursePoint(w, k, 2)) PenaliseBoat(w, k, PenaltyCode::kMarkTouch);
  if ((w.ActivityMode == Activity::kJustStartRace && t < 20) || t > 50) return;
  if (DistancePastLine(w, k) < 0 && t >= -5 && t < 0) {
    if (k == 1) {
      w.PenaltyMessage = PenaltyCode::kRecall;
      PlayBeep(w);
    }
    w.BoatPenaltyCount[k] += 1;
    AssignStartSlot(w, k);
    SendBehindLine(w, k);
    w.PenaltyUntil[k] = t + 30;
  }
}

void CheckContact(World& w, int k, int j) {
  const int t = w.SimSeconds;
  if (t < w.PenaltyUntil[j]) return;
  const bool sameTack = w.BoatTack[k] == w.BoatTack[j];

  if (NearRoomMark(w, k, 50)) {
    if (NearerCommittee(w, j, k) && w.BoatLegs[k] + w.BoatLegs[j] < 16) PenaliseBoat(w, k, PenaltyCode::kRoom);
    return;
  }
  if (w.BoatTack[k] < 0 && w.BoatTack[j] > 0) {
    PenaliseBoat(w, k, PenaltyCode::kPortStarboard);
  } else if (w.BoatAheadClose[k] && sameTack && k == 1) {
    PenaliseBoat(w, k, PenaltyCode::kClearAstern);
  } else if (w.BoatAheadClose[k] && sameTack && t < 4) {
    // A fleet boat that runs into another at the start goes back behind the line.
    AssignStartSlot(w, k);
    SendBehindLine(w, k);
    w.PenaltyUntil[k] = t + 30;
    w.BoatPenaltyCount[k] += 1;
  } else if (sameTack && WindwardOf(w, k, j) >= 0) {
    PenaliseBoat(w, k, PenaltyCode::kWindward);
  } else if (k == 1 && w.AutoManoeuvre == 1 && w.ApparentWindAngle < 55) {
    PenaliseBoat(w, k, PenaltyCode::kTackingTooClose);
  } else if (k == 1 && DistanceToPoint(w, 1, w.WindwardMarkX, w.WindwardMarkY) < 50 &&
             t - w.LastTackTime[1] < 6 && w.ApparentWindAngle < 55) {
    w.PenaltyUntil[1] = t + 30;
    if (t > -290) {
      w.PenaltyMessage = PenaltyCode::kTackingTooClose;
      w.BoatPenaltyCount[1] += 1;
      PlaySoundEvent(w, SoundEvent::kPenalty);
      PushBack(w, 1);
    }
  }
}

void CheckContacts(World& w, int k) {
  if (!IsRace(w.ActivityMode)) return;
  const int xk = static_cast<int>(w.BoatX[k]);
  const int yk = static_cast<int>(w.BoatY[k]);
  for (int j = 1; j <= w.BoatCount; ++j) {
    if (j == k) continue;
    const int d = std::abs(static_cast<int>(w.BoatX[j]) - xk) + std::abs(yk - static_cast<int>(w.BoatY[j]));
    if (d < ContactDistance(w, k, j)) CheckContact(w, k, j);
  }
}

void WarnUser(World& w, int d, int j) {
  const int t = w.SimSeconds;
  const bool sameTack = w.BoatTack[1] == w.BoatTack[j];
  if (w.BoatAheadClose[1] && sameTack) {
    Warn(w, 0);
    return;
  }
  if (NearRoomMark(w, 1, 75)) {
    if (NearerCommittee(w, j, 1) && d < 22 && t > 30 && UpwindLead(w, 1, j) > -6) Warn(w, 0);
    return;
  }
  const bool portMeetsStarboard = w.BoatTack[1] < 0 && w.BoatTack[j] > 0;
  const int awa = w.ApparentWindAngle;
  if (portMeetsStarboard && awa < 56) {
    const int bearing = BearingTo(w.BoatTargetX[1] - static_cast<int>(w.BoatX[1]),
                                  static_cast<int>(w.BoatY[1]) - w.BoatTargetY[1]);
    const int limit = CrossingLimit(w, 1, AngleBetween(bearing, w.BoatHeadings[1]));
    const bool clearAhead = CrossingMargin(w, j, 1) >= limit;
    if (!clearAhead || t - w.LastTackTime[1] > 10) Warn(w, Advice::kPortGivesWay);
  } else if (sameTack && WindwardOf(w, 1, j) > 0 && w.TrueWindAngles[j] <= w.TrueWindAngles[1] && d < 15) {
    Warn(w, Advice::kWindwardKeepsClear);
  } else if (portMeetsStarboard && awa > 55) {
    Warn(w, Advice::kPortGivesWay);
  }
}

void LatchRightOfWayWarning(World& w) {
  w.WarningActive = w.RightOfWayWarning;
  w.RightOfWayWarning = 0;
}
