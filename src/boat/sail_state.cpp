// The user's jib, main and spinnaker states, the fleet's sails, and the sail power.
#include <algorithm>

#include "boat/boat_family.h"
#include "boat/boat_step_parts.h"
#include "state/activity.h"
#include "state/hull_class.h"
#include "state/world.h"


void RunJibState(World& w) {
  w.JibWindwardTelltaleStarboard = w.JibWindwardTelltalePort = 0;
  w.JibLeewardTelltale = w.JibTopBackwinded = w.JibTopStalled = 0;
  w.JibPenalty = 0;
  w.JibState = 0;
  const int twa = w.TrueWindAngles[1];
  const bool light = w.WindSpeedAtBoat[1] < 12;
  if (w.JibAutoTrimActive) {
    if (twa < 66 && w.HoldCloseHauled == 0) {
      w.JibSheet = light ? 1 : 0;
    } else {
      w.JibSheet = std::clamp((w.PreviousApparentWindAngle - 30) / 4, 0, 24);
      if (w.HoldCloseHauled) w.JibSheet = 0;
      if (light) w.JibSheet = std::max(w.JibSheet, 1);
    }
    if (w.ActivityMode != Activity::kSailShapeLesson && (twa > 65 || w.HoldCloseHauled)) return;
  }
  const int a = w.PreviousApparentWindAngle;
  const int t = w.BarberHauler + w.JibSheet;
  const int j = static_cast<int>(w.MainSheet) / 5 + 3 * t + 16 + 2 * w.Traveller;
  if (a < j) {
    w.JibState = w.WingOnWing ? 0 : std::min(3 * (j - a), 99);
    w.JibPenalty = w.JibState / 7 + 1;
    (w.BoatTack[1] >= 0 ? w.JibWindwardTelltaleStarboard : w.JibWindwardTelltalePort) = 1;
    if (light && w.JibSheet == 0) w.JibPenalty += 2;
  }
  if (a > j + 10 && w.HoldCloseHauled == 0) {
    w.JibState = -1;
    w.JibPenalty = 2;
    w.JibLeewardTelltale = 1;
  }
  const bool shapeLessonLead = w.ActivityMode == Activity::kSailShapeLesson && (w.LessonChoice == 4 || w.LessonChoice == 5);
  const int u = j - (shapeLessonLead ? 20 : 17) + w.JibLeadOffset;
  if (a < u) {
    w.JibPenalty += 1;
    w.JibTopBackwinded = 1;
  }
  if (a > u + 15) {
    w.JibState = -1;
    w.JibPenalty += 1;
    w.JibTopStalled = 1;
  }
}

void SetFleetMainAngle(World& w, StepValues& v) {
  int a = (v.twa - 40) * 90 / 140;
  if (w.IsCatamaran) a += 2;
  const int wind = v.wind;
  if (w.HullClass == Hull::kTwoPerson) a += wind < 12 ? -1 : 5;
  if (w.HullClass == Hull::kSingleHander) a += wind < 11 ? -2 : (wind < 18 ? 6 : 5);
  if (w.HullClass == Hull::kSpinnakerDinghy && !w.IsSkiff && wind < 15) a -= 3;
  if (w.IsSkiff) a += wind < 12 ? -5 : 4;
  if (w.IsScow && wind < 12) a -= 5;
  if (w.HullClass == Hull::kCruiser && wind < 15) a -= 6;
  w.SailAngles[v.b] = a + 1;

  v.sailPower = 38;
  if (v.twa < 70 && wind > 14) v.sailPower = 24;
  if (v.twa < 90 && wind > 18) v.sailPower = 10;
}

void SetFleetSpinnaker(World& w, const StepValues& v) {
  int minimum = 100;
  if (w.HullClass == Hull::kTwoPerson) minimum = 140;
  if (w.IsScow) minimum = 120;
  const int leg = w.BoatLegs[v.b];
  w.SpinnakerFlying[v.b] =
      (v.twa > minimum && HasJib(w) && w.HullClass != Hull::kCatamaran && leg >= 3 && leg <= 6) ? 1 : 0;
}

void SetUserMainShape(World& w, StepValues& v) {
  const int sheet = static_cast<int>(w.MainSheet);
  w.SailAngles[1] = sheet * 17 / 10 - 4 + 4 * w.Traveller;
  if (v.twa < 30) w.SailAngles[1] = RandomBelow(w, 20) - 10;

  int leech = std::min(sheet + 13, 30);
  if (w.Vang == 2) leech = std::min(leech, 20);
  if (w.Vang == 3) leech = 12;
  if (w.IsCatamaran) {
    w.MastBend = std::min(w.Cunningham, 3);
  } else if (IsSmallDinghy(w.HullClass)) {
    // A sheet hauled beyond its range must not divide by zero.
    w.MastBend = std::min(w.Vang == 3 ? 3 : 21 / std::max(leech, 1) + 1, 3);
  }
  w.MainTwist = 5 * w.Cunningham + leech - 5;
  w.MainDepth = 2 * (10 - w.MastBend) - w.Vang - w.Cunningham - w.Outhaul;
  if (w.IsOptimist) w.MainDepth += 1 - w.SpritTension;

  w.VangHint = 0;
  w.OuthaulHint = 0;
  v.vangLoss = 0;
  if (v.twa > 70) {
    if ((IsKeelboatClass(w.HullClass) && w.Vang < 3) || w.Vang == 1) w.VangHint = -1;
    if (w.HeelAngles[1] < w.MaxHeel && w.MainBackwindPercent == 0 && w.Outhaul > 1) w.OuthaulHint = 1;
    if ((IsSmallDinghy(w.HullClass) || w.IsCatamaran) && w.Vang == 3) {
      v.vangLoss = 40;
      w.VangHint = 1;
    }
  }
  v.sailPower = w.SpinnakerFlying[1] ? 5 * (w.MainDepth - 2) : 5 * w.MainDepth - 12 + 2 * w.Forestay;
}

void RunSpinnakerState(World& w, int twa) {
  const int a = (w.PreviousApparentWindAngle + w.OlderApparentWindAngle) / 2;
  const bool poleless = w.IsSportboat || w.IsSkiff || w.IsOffshoreCatamaran || w.IsScow;
  if (w.GuyAutoTrimActive) w.GuyAngle = twa - 112;
  w.GuyAngle = poleless ? 0 : std::clamp(w.GuyAngle, 5, 80);

  int limit = 50;
  if (w.HullClass == Hull::kSpinnakerDinghy || (w.HullClass == Hull::kOffshoreRacer && IsRace(w.ActivityMode)) || w.IsSportboat || w.IsOffshoreCatamaran) {
    limit = 40;
  }
  if (w.IsSkiff || w.IsScow) limit = 30;
  w.SpinnakerCollapse = 0;
  w.SpinnakerMistrim = 0;
  if (w.GuyAngle > a - limit - 10) w.SpinnakerCollapse = 30;
  if (w.GuyAngle > a - limit) w.SpinnakerCollapse = 100;

  if (w.SpinnakerAutoTrimActive) {
    w.SpinnakerSheet = std::clamp((a - 65) / 5, 0, 24);
  } else {
    const int q = 5 * (w.SpinnakerSheet + 13);
    if (a < q) w.SpinnakerCollapse = 30;
    if (a < q - 15) w.SpinnakerCollapse = 100;
    if (a > q + 15) w.SpinnakerMistrim = 1;
  }
}

int SpinnakerDrive(World& w, StepValues& v) {
  if (!w.SpinnakerFlying[v.b]) return 0;
  if (!v.user) return w.HullClass > Hull::kTwoPerson ? 150 : 75;

  RunSpinnakerState(w, v.twa);
  if (IsLessonWithPages(w.ActivityMode)) w.SpinnakerCollapse = 0;
  int s = 175 - 3 * w.SpinnakerCollapse - 20 * (w.SpinnakerKind + 3 * w.SpinnakerMistrim);
  if (w.HullClass == Hull::kTwoPerson) s = v.twa >= 141 ? 75 : -100;
  const int a = w.PreviousApparentWindAngle;
  if (w.SpinnakerKind == 3 && w.HullClass != Hull::kUnusedEight) {
    int k = 0;
    if (w.IsCatamaran) k = v.wind > 12 ? 10 : -5;
    if (w.IsSkiff) k = -10;
    if (w.IsSportboat) k = 10;
    if (w.IsScow) k = 30;
    if (a <= 100) s += 2 * (60 - k);
    if (a > 100 && a < 110) s -= k;
    if (a > 115 && a < 131) s -= k;
    if ((a > 125 && w.WindSpeed < 16) || (a > 130 && w.WindSpeed >= 16)) {
      s = 60;
      w.SpinnakerMistrim = 1;
    }
  }
  if (w.PoleHeight != v.wind / 9 + 1) s -= 20;
  if (w.GuyAngle < a - 80) s -= 50;
  return s;
}

void RunMainState(World& w) {
  int m = w.MainTwist / 8 + w.MainDepth + w.Cunningham + 11 + w.SailAngles[1];
  if (w.MainDepth > 12) m += w.MainDepth - 12;
  if (w.HullClass == Hull::kUnusedEight) m -= 5;
  if (w.HullClass == Hull::kOffshoreRacer) m -= 2;
  if (w.IsCatamaran) m -= 6;
  if (w.IsSkiff) m -= 3;
  if (w.SpinnakerKind == 3 && w.SpinnakerFlying[1]) m += 20;

  const int a = w.ApparentWindAngle;
  w.MainBackwindPercent = a < m ? std::min(5 * (m - a), 99) : 0;
  w.MainStalled = (a > m + 20 || (w.Traveller == 0 && w.MainSheet < -2)) ? 1 : 0;
  w.MainNearStall = a > m + 14 ? 1 : 0;
  int upper = m;
  if (w.MainTwist > 22) upper += 7;
  if (w.MainTwist > 30) upper += 7;
  w.MainUpperBackwindPercent = a < upper ? std::min(5 * (upper - a), 99) : 0;
  w.MainUpperStalled = a > upper + 20 ? 1 : 0;
  w.MainBackwindCopy = w.MainBackwindPercent;
}
