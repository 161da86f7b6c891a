// Drive against heel, the crew's righting, the new heel and the forward force.
#include <algorithm>

#include "boat/boat_family.h"
#include "boat/boat_step_parts.h"
#include "boat/wind_at_boat.h"
#include "state/angles.h"
#include "state/hull_class.h"
#include "state/world.h"

void ApplyHeelFactor(World& w, StepValues& v) {
  const int h = std::max(w.HeelAngles[v.b], 0);
  v.pinch = v.twa < 45 ? v.wind * (45 - v.twa) / (w.HullClass + 10) : 0;
  // Wing on wing pinches five times as hard; between 45 and 89 degrees the same formula
  // would turn into a gain, which sailing the jib on the wrong side never gives.
  if (v.user && w.WingOnWing && v.twa < 90) {
    v.pinch = std::max(5 * v.wind * (45 - v.twa) / (w.HullClass + 10), 0);
  }
  const int c = w.CosTable[WrapDegreesFull(h)];
  int d = (v.drive * v.apparent.force * c / 10000) * w.SailAreaClass * c / 1000;
  if (w.WindShadowState[v.b] > 1) d /= 2;
  v.drive = d;
  w.DriveForces[v.b] = d;
}

void ComputeRighting(World& w, StepValues& v) {
  const int n = 9 - w.HullClass;
  int r = 0;
  if (v.user) {
    const int c = w.SkipperHike + w.Crew1Hike;
    const int c3 = c + w.Crew2Hike;
    r = n * c * 10 / 20;
    if (w.HullClass == Hull::kTwoPerson) r = 5 * c;
    if (w.HullClass == Hull::kSpinnakerDinghy && !w.IsSkiff) r = 64 * c / 20;
    if (w.IsSkiff) r = 7 * c;
    if (w.HullClass >= Hull::kUnusedFour && w.HullClass <= Hull::kKeelboat) r = 9 * n * c3 / 20;
    if (w.IsSportboat) r = 9 * n * c3 / 60;
    if (w.HullClass == Hull::kUnusedFour || w.HullClass == Hull::kCruiser) r = 55 * c3 / 20;
    if (w.HullClass == Hull::kSingleHander) r = w.IsOptimist ? 9 * w.SkipperHike : 10 * w.SkipperHike;
    if (w.HullClass == Hull::kOffshoreRacer) r = 4;
    if (w.HullClass == Hull::kCruiser) r = 0;
    if (w.IsCatamaran && !w.IsOffshoreCatamaran) r = 13 * w.Crew1Hike / 4 + 3 * w.SkipperHike;
    if (w.IsScow) r = 2 * c3;
  } else {
    r = 5 * n / 2;
    if (w.HullClass == Hull::kSpinnakerDinghy || w.IsScow) r += 7;
    if (w.HullClass == Hull::kOffshoreRacer) r = 0;
  }
  if (w.IsOffshoreCatamaran || (w.HullClass > Hull::kKeelboat && !w.IsCatamaran && v.twa > 150)) r = 0;

  // Downwind the boat rolls from side to side with the pitch timer; odd and even boats roll
  // out of step.
  if (v.twa > 160 && v.wind >= 11 && !w.IsCatamaran) {
    const bool firstHalf = w.PitchTimer >= w.SimSpeedDivisor / 6;
    const bool odd = v.b % 2 == 1;
    r += (firstHalf == odd) ? v.wind / 2 : -(v.wind / 2);
    if (w.Vang == 3) r = r * 2 / 3;
    if (w.MainSheet <= 40) r = r * 2 / 3;
    if (v.user && w.SpinnakerFlying[1] && w.GuyAngle < v.twa - 122) r = r * 2 / 3;
    if (w.CentreboardUp == 80) r = r * 3 / 2;
    if (w.CentreboardUp == 100) r = r * 2;
  }
  v.righting = r;
}

void ComputeHeel(World& w, StepValues& v) {
  const int previous = w.HeelAngles[v.b];
  int divisor = 900;
  if (w.HullClass == Hull::kSpinnakerDinghy || w.HullClass == Hull::kCruiser || w.IsSportboat) divisor = 1200;
  if (w.IsSkiff) divisor = v.user && previous > w.MaxHeel + 2 ? 2200 : 1500;
  if (w.IsCatamaran) divisor = 1800;
  if (w.IsOffshoreCatamaran) divisor = 3800;
  if (w.IsScow) divisor = v.user && previous > w.MaxHeel + 2 ? 2800 : 1400;

  int e = w.CosTable[WrapDegreesFull(w.SailAngles[v.b])] * v.drive / divisor;
  if (v.user && w.SkipperHike == 0 && w.Crew1Hike == 0 && w.Crew2Hike == 0) e = std::max(e, 0);
  e -= v.righting;
  if (w.HullClass == Hull::kOffshoreRacer && v.twa < 160) e = std::max(e, 0);
  if (!v.user) {
    if (w.IsScow) e = std::max(e, 10);
    if (v.twa < 160) e = std::max(e, 0);
  }

  v.overpower = 0;
  if (v.user || v.twa > 160) {
    const int r = w.SimSpeed < 5 ? 2 : 1;
    e = std::clamp(e, previous - r, previous + r);
    e = std::clamp(e, -20, 35);
  }
  if (!v.user && e > w.MaxHeel && e > 0) {
    v.overpower = (100 - 100 * w.MaxHeel / e) / 2;
    e = w.MaxHeel - 1;
  }
  v.previousHeel = previous;
  // A fleet boat at exactly 160 degrees off the wind falls between the two rules above, its
  // heel neither floored at 0 nor limited: every boat keeps the heel range.
  v.heel = std::clamp(e, -20, 35);
}

void ComputeForwardForce(World& w, StepValues& v) {
  const int twa = v.twa;
  int f = twa <= 60 ? twa * 10 / 60 + 8 + 2 * w.JibSize : 22 - (twa - 60) / 6;
  if (v.user) {
    f -= w.JibFurl / 10;
    if (w.MainStalled) f -= 7;
    f -= 4 * w.JibPenalty;
    w.LuffBendHint = 0;
    if (w.Cunningham != w.MastBend && twa < 90) {
      f -= 5;
      w.LuffBendHint = w.MastBend < w.Cunningham ? 1 : -1;
    }
    f -= w.MainBackwindPercent / 5;
    if (!w.SpinnakerFlying[1]) {
      f += 2 - 2 * w.Forestay;
      if (w.JibLuff == 3 && v.wind < 15) f -= 2;
      if (w.JibLuff < 3 && v.wind > 14 && twa < 60) f -= 6;
      if (w.JibLuff == 1 && twa > 60) f -= 2;
    }
  }
  if (v.sailPower > 25 && twa < 60) f -= (v.sailPower - 25) / 3;
  if (w.SpinnakerFlying[v.b]) f -= 8;
  if (w.WindShadowState[v.b] > 1) f -= 12;
  v.offset = std::max(f, 0);

  int force = w.SinTable[WrapDegreesFull(v.offset + 12 + w.SailAngles[v.b])] * v.drive / 10;
  if (!v.user) force = force * (100 - v.overpower) / 100;
  if (v.user && w.CentreboardUp > 0 && (IsSmallDinghy(w.HullClass) || w.HullClass == Hull::kCatamaran) && twa > 140) {
    force = force * 108 / 100;
  }
  force -= v.pinch;
  if (v.user && w.MainBackwindPercent > 95) force = (w.SimSpeed < 4 ? 40 : 2) - v.pinch;
  v.forward = force;
}
