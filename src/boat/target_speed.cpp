// The speed the forces drive a boat towards, the user's trim and crew corrections, and the
// slowdown after a tack.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "boat/boat_step_parts.h"
#include "state/hull_class.h"
#include "state/world.h"

double HullSpeed(const World& w, int b) {
  double v = 10 * std::sqrt(static_cast<double>(w.ScaleLength));
  if (w.IsScow) {
    const int heel = w.HeelAngles[b];
    const int wind = w.WindSpeedAtBoat[b];
    if (wind < 16 && heel >= 10 && heel <= w.MaxHeel + 1) v *= 1.15;
    if (wind > 15) v *= 1.15;
  }
  if (w.HullClass == Hull::kCruiser) v *= 0.9;
  return v;
}

void ComputeTargetSpeed(World& w, StepValues& v) {
  const double hull = HullSpeed(w, v.b);
  const bool scowReaching = w.IsScow && v.twa > 90 && v.wind > 11;
  const double planing = (scowReaching ? 25 : 15) * hull / w.DisplacementClass;
  v.hullSpeed = hull;

  const double q = std::sqrt(std::abs(static_cast<double>(v.forward)));
  double t = q > 24 ? hull + (planing - hull) * std::sqrt(q - 24) / 8 : hull / 3 + q * hull / 36;
  if (v.forward < 0) t = -t;

  // A fleet boat cannot run away from a user who sails well on the same leg in clear air.
  if (!v.user && w.BoatLegs[v.b] == w.BoatLegs[1]) {
    const double user = w.BoatSpeeds[1];
    if (1.1 * user < t && 1.1 * hull < user && w.WindShadowState[1] == 0 && w.PenaltyMessage == 0) {
      t = 1.1 * user;
    }
  }
  v.target = t * w.BoatRatingPercent[v.b] / 100;
}

void ApplyUserCorrections(World& w, StepValues& v) {
  double& t = v.target;
  const int wind = v.wind;
  const int twa = v.twa;
  const double hull = v.hullSpeed;
  if (v.heel > w.MaxHeel && w.MainAutoTrimActive == 0) {
    const int over = v.heel - w.MaxHeel;
    t -= std::min(over * over, w.HullClass + 30);
  }

  const int c = w.HullClass;
  const bool crewMatters = (c >= Hull::kSingleHander && c <= Hull::kUnusedFour) || c == Hull::kKeelboat || c == Hull::kCatamaran;
  if (crewMatters && !w.IsOffshoreCatamaran) {
    const double k = c < Hull::kSpinnakerDinghy ? 1.6 : 1.4;
    int wanted = 0;
    if (wind <= 8 && t < k * hull && v.previousSpeed < k * hull && !w.IsOptimist) wanted = -1;
    if (wind > 17 && twa > 90) wanted = 1;
    if (w.WaveClass > 2 && twa <= 90 && !w.IsCatamaran) wanted = 1;
    if ((w.IsCatamaran || w.IsSkiff || w.IsScow) && wind > 12 && twa > 90) wanted = 1;
    if (w.CrewForeAft == wanted) {
      w.CrewHint = 0;
    } else {
      t *= 0.93;
      w.CrewHint = wanted > w.CrewForeAft ? 1 : -1;
    }
    if (twa >= 160 && v.heel > -15 && v.heel < -2 && !w.IsCatamaran) t *= 1.05;
    if (twa < 55 && v.previousHeel < 0) t *= 0.95;
  }
  if (c == Hull::kCruiser || c == Hull::kOffshoreRacer) w.CrewHint = 0;
  if (w.IsCatamaran && v.previousHeel >= 7 && v.previousHeel <= w.MaxHeel) t *= 1.03;
  if (w.CentreboardUp == 80 || w.CentreboardUp == 100) {
    if (twa > 120) t *= 1.04;
    if (twa < 70) t *= 0.9;
  }
}

void ApplyTackSlowdown(World& w, const StepValues& v) {
  const int b = v.b;
  int duration = 5;
  if (w.HullClass > Hull::kKeelboat || w.HullClass == Hull::kCruiser || w.IsCatamaran || w.IsSkiff) duration = 8;
  if (w.HullClass < Hull::kSpinnakerDinghy) duration = 3;
  const int t = w.SimSeconds;
  const int tack = w.LastTackTime[b];
  if (t == tack) w.SpeedAtTack[b] = v.previousSpeed;
  if (v.twa >= w.CloseHauledAngle + 5) return;

  const bool lightDinghy = (w.HullClass == Hull::kSingleHander && !w.IsOptimist) || w.HullClass == Hull::kTwoPerson;
  int cap = static_cast<int>(v.hullSpeed);
  double limit = 0;
  if (t >= tack + 2 && t <= tack + duration / 2) {
    if (v.previousSpeed < 5) cap = 15;
    cap = std::min(cap, w.SpeedAtTack[b]);
    limit = lightDinghy ? 3 * cap / 4 : 2 * cap / 3;
  } else if (t >= tack + duration / 2 + 1 && t <= tack + duration) {
    if (v.previousSpeed < 5) cap = 25;
    cap = std::min(cap, w.SpeedAtTack[b]);
    limit = lightDinghy ? 5 * cap / 6 : 4 * cap / 5;
  } else {
    return;
  }
  // In each window the speed is set, not only capped: a boat that lost way in the turn is
  // carried through the tack at the window's share of its speed at the tack.
  w.BoatSpeeds[b] = limit;
  w.BoatSpeedTenths[b] = static_cast<int>(limit);
}
