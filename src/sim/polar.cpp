#include "sim/polar.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "boat/boat_family.h"
#include "boat/boat_setup.h"
#include "boat/boat_step.h"
#include "sim/activity_setup.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "world/sim_speed.h"

namespace {

// The fastest simulator speed: the most time per step, so the speed settles in the fewest.
constexpr int kPolarSimSpeed = 15;

int SailPowerFor(int wind) {
  if (wind <= 10) return 3;  // maximum power in light air
  if (wind <= 16) return 2;
  return 1;
}

void SetHike(World& w, int hike) {
  w.SkipperHike = hike;
  w.Crew1Hike = hike;
  w.Crew2Hike = HasSecondCrew(w) ? hike : 0;
}

}  // namespace

PolarKey PolarKeyFor(const World& w, int wind) {
  return PolarKey{w.BoatType, w.HullClass, w.ScaleLength, w.DisplacementClass, w.SailAreaClass, w.RigHeightPercent, wind};
}

void PreparePolarBoat(World& s, int wind) {
  s.services.sound = nullptr;
  s.ActivityMode = Activity::kFreeSailing;
  s.LessonIntroPending = 0;
  s.LessonChoice = 0;
  s.InstructionPage = 0;
  s.BoatCount = 1;
  s.SailingArea = 2;
  s.SceneryObjectCount = 0;
  s.BoatX[1] = s.BoatY[1] = 0;
  s.WindSetting = 0;
  s.WindSpeed = s.BaseWindSpeed = wind;
  s.WindDirection = s.BaseWindDirection = s.MeanWindDirection = 0;
  s.CurrentSpeed = 0;
  s.SimSpeed = kPolarSimSpeed;
  s.SimSpeedDivisor = SimSpeedDivisorFor(kPolarSimSpeed);
  if (s.ScaleLength > 0) s.TimeScale = std::sqrt(15.0 / s.ScaleLength);
  s.TimeStep = s.TimeScale * 30 / s.SimSpeedDivisor;
  s.SimTime = 1000;
  s.SimSeconds = 1000;
  s.PenaltyUntil[1] = -400;
  s.PenaltyMessage = 0;
  s.LastTackTime[1] = -400;
  s.PitchTimer = 0;
  SetMaxHeel(s);

  s.MainAutoTrimActive = s.JibAutoTrimActive = s.SpinnakerAutoTrimActive = s.GuyAutoTrimActive = 1;
  s.MainAutoTrimOff = 0;
  s.AutoManoeuvre = 0;
  s.HoldCloseHauled = s.HoldDownwindCourse = s.BearAwayCommand = s.GybeCommand = 0;
  s.WingOnWing = 0;
  s.Reefed = 0;
  s.JibFurl = 0;
  s.CentreboardUp = 0;
  s.Traveller = 2;
  s.Vang = 2;
  ApplySailPowerPreset(s, SailPowerFor(wind));
  s.CrewForeAft = 0;
  SetHike(s, 0);

  s.MainSheet = 10;
  s.JibSheet = 0;
  s.BoatSpeeds[1] = 0;
  s.BoatSpeedTenths[1] = 0;
  s.HeelAngles[1] = 0;
  s.WindShadowState[1] = 0;
  s.PreviousApparentWindAngle = s.OlderApparentWindAngle = s.ApparentWindAngle = 45;
  s.MainStalled = 0;
  s.JibPenalty = 0;
  s.MainBackwindPercent = 0;
  s.MainUpperBackwindPercent = 0;
  s.SpinnakerSetCommand = 0;
  s.SpinnakerFlying[1] = 0;
}

void SetPolarCourse(World& s, int twa, bool spinnaker) {
  s.BoatHeadings[1] = NormalizeDegrees(s.WindDirection + twa);
  s.OwnHeading = s.BoatHeadings[1];
  s.SpinnakerSetCommand = spinnaker ? 1 : 0;
  DetermineTack(s, 1);
}

void PolarFrame(World& s) {
  BoatStep(s, 1);
  const int heel = s.HeelAngles[1];
  if (heel > s.MaxHeel - 2 && s.SkipperHike < 2) SetHike(s, s.SkipperHike + 1);
  if (heel < 0 && s.SkipperHike > 0) SetHike(s, s.SkipperHike - 1);
  // The crew goes where the boat model's hint sends it.
  s.CrewForeAft = std::clamp(s.CrewForeAft + s.CrewHint, -1, 1);
}

double SettledSpeed(const World& base, int twa, bool spinnaker) {
  auto run = std::make_unique<World>(base);
  World& s = *run;
  SetPolarCourse(s, twa, spinnaker);
  double previous = 0;
  double mean = 0;
  for (int frames = 0; frames < kPolarMaxFrames;) {
    double sum = 0;
    for (int i = 0; i < kPolarWindow; ++i, ++frames) {
      PolarFrame(s);
      sum += s.BoatSpeeds[1];
    }
    mean = sum / kPolarWindow;
    // A capsize or a standstill is as settled as it gets.
    if (s.ResultsShown != 0) return 0;
    if (frames > kPolarWindow && std::abs(mean - previous) < kPolarSettleTenths) break;
    previous = mean;
  }
  return std::max(mean, 0.0);
}

void FindBestVmg(PolarCurve& c) {
  c.bestUpwindVmg = c.bestDownwindVmg = 0;
  c.bestUpwindAngle = c.bestDownwindAngle = 0;
  for (int i = 0; i < kPolarPoints; ++i) {
    const int a = PolarAngle(i);
    const double up = c.knots[i] * std::cos(a * kDegToRad);
    const double down = -c.knots[i] * std::cos(a * kDegToRad);
    if (up > c.bestUpwindVmg) {
      c.bestUpwindVmg = up;
      c.bestUpwindAngle = a;
    }
    if (down > c.bestDownwindVmg) {
      c.bestDownwindVmg = down;
      c.bestDownwindAngle = a;
    }
  }
}

PolarCurve ComputePolar(const World& w, int wind) {
  auto base = std::make_unique<World>(w);
  PreparePolarBoat(*base, wind);
  PolarCurve c;
  c.key = PolarKeyFor(w, wind);
  const bool carriesSpinnaker = IsSpinnakerBoat(*base);
  for (int i = 0; i < kPolarPoints; ++i) {
    const int a = PolarAngle(i);
    double tenths = SettledSpeed(*base, a, false);
    // Off the wind the spinnaker goes up where it pays.
    if (carriesSpinnaker && a >= 90) {
      const double withSpinnaker = SettledSpeed(*base, a, true);
      c.spinnaker[i] = withSpinnaker > tenths;
      tenths = std::max(tenths, withSpinnaker);
    }
    c.knots[i] = tenths / 10;
  }
  FindBestVmg(c);
  return c;
}

const PolarCurve& PolarFor(World& w, int wind) {
  PolarCache& cache = w.polars;
  const PolarKey key = PolarKeyFor(w, wind);
  for (int i = 0; i < cache.used; ++i) {
    if (cache.curves[i].key == key) return cache.curves[i];
  }
  const int slot = cache.next;
  cache.curves[slot] = ComputePolar(w, wind);
  cache.next = (slot + 1) % PolarCache::kSlots;
  cache.used = std::min(cache.used + 1, PolarCache::kSlots);
  cache.computed += 1;
  return cache.curves[slot];
}
