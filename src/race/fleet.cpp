#include "race/fleet.h"

#include <array>
#include <cstdlib>

#include "boat/boat_step.h"
#include "boat/sailing_angles.h"
#include "race/course.h"
#include "race/race_start.h"
#include "race/rules.h"
#include "state/angles.h"
#include "state/hull_class.h"
#include "state/world.h"

namespace {

// The eight one-second headings of a tack, as offsets from the wind times the tack left.
constexpr std::array<int, 8> kTackOffsets{-45, -30, -20, -5, 5, 15, 25, 35};
constexpr int kMaxTurnPerStep = 35;

bool QuickHull(const World& w) { return w.IsCatamaran || w.IsSkiff || w.IsSportboat; }

void SetHeading(World& w, int k, int h) { w.BoatHeadings[k] = WrapDegreesFull(h); }

void BearAway(World& w, int k, int degrees) {
  SetHeading(w, k, w.BoatHeadings[k] - w.BoatTack[k] * degrees);
  w.LastAvoidTime[k] = w.SimSeconds;
  w.TackInProgress[k] = 0;
  w.Avoiding[k] = 1;
}

void RunTack(World& w, int k, int ch) {
  const int s = w.TackInProgress[k];
  const int dt = w.SimSeconds - w.LastTackTime[k];
  const int wind = w.WindDirectionAtBoat[k];
  if (dt >= 8) {
    w.BoatTack[k] = -s;
    SetHeading(w, k, wind + s * ch);
    w.TackInProgress[k] = 0;
  } else if (dt >= 0) {
    // Seconds a large time step skips leave the heading as it was.
    SetHeading(w, k, wind + kTackOffsets[dt] * s);
  }
}

void LimitTurn(World& w, int k, int h0) {
  const int turn = SignedDegrees(WrapDegreesFull(w.BoatHeadings[k] - h0));
  if (turn > kMaxTurnPerStep) SetHeading(w, k, h0 + kMaxTurnPerStep);
  if (turn < -kMaxTurnPerStep) SetHeading(w, k, h0 - kMaxTurnPerStep);
}

}  // namespace

int ChooseCourse(World& w, int k, int b, int ch) {
  const int t = w.SimSeconds;
  const int h0 = w.BoatHeadings[k];
  const int a = AngleBetween(w.WindDirectionAtBoat[k], b);
  // A boat with a pursuer close on its quarter does not bear off in front of it.
  if (w.ClosePursuer[k] && w.BoatTack[k] == 1 && w.TrueWindAngles[k] < ch + 5) return a;

  if (a < 71 || t < 10) {
    if (ch < a) SetHeading(w, k, b);
  } else {
    const int r = ConsiderGybe(w, a, b, k);
    if (r >= 0) {
      SetHeading(w, k, b + w.BoatTack[k] * r);
    } else {
      const bool quick = QuickHull(w) || w.HullClass == Hull::kUnusedEight;
      int margin = w.SteeringSpread[k] / (quick ? 4 : 2) + w.RunningAngle;
      margin = std::max(margin, 1);
      if (r == -10) margin += 10;
      if (w.Gybing[k]) margin = 3;
      SetHeading(w, k, w.WindDirectionAtBoat[k] + 180 + w.BoatTack[k] * margin);
    }
  }

  // A reaching course change of more than 65 degrees through the wind is sailed as a tack.
  const int change = AngleBetween(w.BoatHeadings[k], h0);
  if (w.TrueWindAngles[k] < 70 && change > 65 && change < 180 && w.TackInProgress[k] == 0 &&
      t > w.LastTackTime[k] + 8) {
    w.LastTackTime[k] = t;
    w.TackInProgress[k] = w.BoatTack[k];
    w.BoatHeadings[k] = h0;
  }
  return a;
}

int ConsiderGybe(World& w, int a, int b, int k) {
  const int t = w.SimSeconds;
  const int ra = w.RunningAngle;
  const int g = AngleBetween(b, w.BoatHeadings[k]);
  const int dist = w.BoatTargetDistance[k];
  const int tack = w.BoatTack[k];
  if (dist < 200) return 0;

  const bool deep = a > 180 - ra;
  int r = -1;
  if (!deep) {
    r = w.SteeringSpread[k];
    if (a > 180 - ra - w.SteeringSpread[k]) r /= 2;
  }

  // In company: spread out from the boats alongside, or sail by the wind to leave them.
  if ((w.SameTackNeighbour[k] || w.WindShadowState[k] == 2) && RandomBelow(w, 100) < 50) {
    if (dist > 100 && t > w.LastAvoidTime[k] + 3) {
      r += 10;
      w.LastAvoidTime[k] = t;
    }
    if (deep && dist > 200) r = -10;
    const bool blanketedGybe =
        w.WindShadowState[k] == 2 && RandomBelow(w, 100) < 30 && deep && t > w.LastAvoidTime[k] + 3;
    if (!blanketedGybe) return r;
    r = -1;
  }

  int s = (w.BoatCount > 2 && w.Difficulty < 7) ? RandomBelow(w, 50) : 0;
  const bool port = tack < 0;
  if (g < ra / 3) s -= 50;
  if (g > ra) s += 40;
  if (g > 6 * ra / 5) s += port ? 250 : 100;
  if (g > 7 * ra / 5 && g <= 8 * ra / 5) s += port ? 50 : 30;
  if (g > 8 * ra / 5) s += port ? 1200 : 250;
  if (w.WindShadowState[k] == 2) s += 600;
  const int sh = SignedDegrees(w.WindDirectionAtBoat[k] - w.MeanWindDirection);
  const int level = w.Difficulty / 2 + 4;
  const int oscillating = w.OscillatingShiftsExpected + 1;
  if (ra / 2 < g && g < 3 * ra / 2) {
    if (sh * tack >= 0) {
      s += level * std::abs(sh) * oscillating / 2;
    } else {
      s -= std::abs(sh) * oscillating * level;
    }
  }
  const int p = w.PersistentShiftRate;
  if (p * tack < 0 && dist > 400) s += 3 * std::abs(p) * (w.PersistentShiftExpected + 1);
  if (p * tack > 0 && dist > 400) s -= 3 * std::abs(p) * (w.PersistentShiftExpected + 1);

  if (deep && static_cast<int>(w.TimeStep * 3.3333333333333335 * (s / 10)) > RandomBelow(w, 900) &&
      t > w.LastAvoidTime[k] + 10 && !(w.SameTackNeighbour[k] && tack == 1)) {
    w.BoatTack[k] = -tack;
    w.LastAvoidTime[k] = t;
    w.Gybing[k] = 1;
  }
  return r;
}

void ConsiderTack(World& w, int k, int b) {
  const int t = w.SimSeconds;
  const int e = AngleBetween(b, w.BoatHeadings[k]);
  w.CourseError[k] = e;
  const int dist = w.BoatTargetDistance[k];
  const int tack = w.BoatTack[k];
  const bool port = tack < 0;
  const int ch = w.CloseHauledAngle;
  int q = 1000;

  if ((e > 45 && dist <= 200 && port) || (w.BoatCount > 2 && t < w.LastTackTime[k] + 30) || w.Avoiding[k] ||
      (e <= 25 && port && w.BoatCount > 2) || (e <= 3 && !port)) {
    return;
  }
  int s = e < 10 ? -200 : 0;
  if (!port) {
    if (e > 55) s += 20 * (e - 55);
    if (e > 55 && dist < 300) s += 1000;
    if (e > 65) s += 40 * (e - 55);
    if (e > 55 && w.BoatLegs[k] == Leg::kWindwardApproach) s += 40 * (e - 55);
    if (e > 70) s += 4000;
  } else if (e > 9 * ch / 5) {
    s += 600;
  }
  if (e > 65) {
    if (!port && dist > 200) s += 3 * (65 - e);
    if (port && dist > 400) s += 3;
  }
  if (e <= 65 && dist > 200) {
    const int sh = SignedDegrees(w.WindDirectionAtBoat[k] - w.MeanWindDirection);
    if (sh * tack < 0) s += w.Difficulty > 9 ? 10 * std::abs(sh) : std::abs(sh);
    if (sh * tack > 0 && w.Difficulty > 9) s -= 7 * std::abs(sh);
    const int p = w.PersistentShiftRate;
    if (w.Difficulty > 7 && dist > 300 && e < 70) {
      const int weight = w.PersistentShiftExpected ? 15 : 5;
      if (p * tack > 0) s += weight * std::abs(p);
      if (p * tack < 0) s -= weight * std::abs(p);
    }
    if (t < w.LastTackTime[k] + 50 && w.HullClass > Hull::kCruiser) s -= 40;
    if (w.Difficulty <= 7) s += RandomBelow(w, 50);
  }
  if (w.BoatAheadClose[k] && w.Difficulty > 5) s += 500;
  if (w.Difficulty > 3 && w.BoatCount > 2 && (w.WindShadowState[k] == 2 || w.WindShadowState[k] == 3)) s += 500;
  if (!QuickHull(w)) q = 4 * q / 5;

  if (static_cast<int>(w.TimeStep * 6.666666666666667 * s * 0.1) > RandomBelow(w, q)) {
    w.TackInProgress[k] = tack;
    w.LastTackTime[k] = t;
    w.HeelAngles[k] = 0;
    w.BoatSpeeds[k] *= 0.7;
  }
}

void AvoidBoat(World& w, int d, int j, int k) {
  const int t = w.SimSeconds;
  if (t < w.LastAvoidTime[k] + 3) return;
  const bool sameTack = w.BoatTack[k] == w.BoatTack[j];
  if (w.BoatAheadClose[k] && sameTack) w.SpeedOverride[k] = std::abs(w.BoatSpeedTenths[j] / 2);

  const int c = CrossingMargin(w, j, k);
  const bool nearMark = DistanceToPoint(w, k, w.SideMarkX, w.SideMarkY) < 75 ||
                        DistanceToPoint(w, k, w.LeewardMarkX, w.LeewardMarkY) < 75;
  if (!nearMark) {
    const int L = CrossingLimit(w, k, w.CourseError[k]);
    const int twa = w.TrueWindAngles[k];
    const bool portMeetsStarboard = w.BoatTack[k] < 0 && w.BoatTack[j] > 0;
    if (portMeetsStarboard && twa < 56) {
      if (c >= L && !w.Avoiding[k]) {
        // Clear ahead: tack onto starboard at once.
        w.LastAvoidTime[k] = t;
        w.BoatTack[k] = 1;
        SetHeading(w, k, w.WindDirectionAtBoat[k] - 15);
        w.ForcedTack[k] = 1;
        w.TackInProgress[k] = 0;
        w.LastTackTime[k] = t - 5;
      } else if (c >= L - 3 && c < L) {
        BearAway(w, k, 65);
      } else if (c < L - 3) {
        BearAway(w, k, 55);
      }
    } else if (portMeetsStarboard) {
      if (w.TrueWindAngles[j] > 90 && UpwindLead(w, k, j) <= 0) {
        SetHeading(w, k, w.WindDirectionAtBoat[k] + w.RunningAngle + 180);
      } else {
        SetHeading(w, k, w.BoatHeadings[k] + w.BoatTack[k] * 40);
      }
      w.LastAvoidTime[k] = t;
    } else if (sameTack && WindwardOf(w, k, j) > 0 && w.TrueWindAngles[j] <= w.TrueWindAngles[k] && d < 15) {
      SetHeading(w, k, (t > 29 ? w.BoatHeadings[j] : w.BoatHeadings[k]) + w.BoatTack[k] * 10);
      w.LastAvoidTime[k] = t;
    }
  } else {
    const bool jInside = DistanceToPoint(w, j, w.CommitteeBoatX, w.CommitteeBoatY) <
                         DistanceToPoint(w, k, w.CommitteeBoatX, w.CommitteeBoatY);
    if (jInside && d < 22 && t > 30 && c > -6) {
      SetHeading(w, k, w.BoatHeadings[j] + 14);
      w.LastAvoidTime[k] = t;
    }
  }
}

void AvoidNeighbours(World& w, int k) {
  if (w.SimSeconds >= w.LastAvoidTime[k] + 5) w.Avoiding[k] = 0;
  for (int j = 1; j <= w.BoatCount; ++j) {
    if (j == k) continue;
    const int d = std::abs(w.LookAheadX[j] - w.LookAheadX[k]) + std::abs(w.LookAheadY[j] - w.LookAheadY[k]);
    if (d >= 14) continue;
    w.SameTackNeighbour[k] = 1;
    if (k == 1) {
      WarnUser(w, d, j);
    } else {
      AvoidBoat(w, d, j, k);
    }
  }
  SetHeading(w, k, w.BoatHeadings[k]);
}

void RaceBoatStep(World& w, int k) {
  const int t = w.SimSeconds;
  const int h0 = w.BoatHeadings[k];
  w.ForcedTack[k] = 0;
  const int ch = CloseHauledAngleFor(w, k);
  w.RunningAngle = RunningAngleFor(w, k);

  UpdateLegProgress(w, k);
  if (k == 1) {
    AvoidNeighbours(w, 1);
    return;
  }
  w.CloseHauledAngle = ch;
  w.StartApproachPercent[k] = StartApproachPercentFor(w, k);

  const int b = BearingTo(w.BoatTargetX[k] - static_cast<int>(w.BoatX[k]),
                          static_cast<int>(w.BoatY[k]) - w.BoatTargetY[k]);
  const bool free = w.TackInProgress[k] == 0 && w.Avoiding[k] == 0;
  int a = 180;
  if (free) a = ChooseCourse(w, k, b, ch);
  if (a <= ch && w.TackInProgress[k] == 0 && w.Avoiding[k] == 0) {
    SetHeading(w, k, w.WindDirectionAtBoat[k] - w.BoatTack[k] * ch);
    if (t > -290) ConsiderTack(w, k, b);
  }
  if (t < w.LastAvoidTime[k] + 5 && !w.Gybing[k] && w.TackInProgress[k] == 0) w.BoatHeadings[k] = h0;
  AvoidNeighbours(w, k);
  if (w.TackInProgress[k] != 0) RunTack(w, k, ch);
  if (!w.ForcedTack[k] && !w.Avoiding[k] && !w.Gybing[k]) LimitTurn(w, k, h0);
  w.Gybing[k] = 0;
  SetHeading(w, k, w.BoatHeadings[k]);
  DetermineTack(w, k);
}
