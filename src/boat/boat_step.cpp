#include "boat/boat_step.h"

#include <algorithm>
#include <cmath>

#include "boat/boat_family.h"
#include "boat/boat_step_parts.h"
#include "boat/wind_at_boat.h"
#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/hull_class.h"
#include "state/sound_event.h"
#include "state/world.h"
#include "world/depth.h"
#include "world/vessels.h"

int TackFor(int heading, int windDirection) {
  const int d = heading - windDirection;
  return ((d >= 1 && d < 180) || d < -180) ? -1 : 1;
}

void DetermineTack(World& w, int b) { w.BoatTack[b] = TackFor(w.BoatHeadings[b], w.WindDirectionAtBoat[b]); }

ApparentWind ComputeApparentWind(const World& w, double speedTenths, int b) {
  const int twa = w.TrueWindAngles[b];
  const double wind = w.WindSpeedAtBoat[b];
  const double y = std::max(wind * std::sin(twa * kDegToRad), 1.0);
  const double x = wind * std::cos(twa * kDegToRad) + 0.1 * speedTenths;
  const double speed = std::sqrt(x * x + y * y);
  ApparentWind a;
  a.speed = static_cast<int>(speed);
  a.force = static_cast<int>(1.3 * speed);
  if (x == 0) {
    a.angle = 90;
  } else if (x > 0) {
    a.angle = static_cast<int>(kRadToDeg * std::atan(y / x));
  } else {
    a.angle = 90 + static_cast<int>(kRadToDeg * std::atan(-x / y));
  }
  if (twa >= 180) a.angle = 179;
  return a;
}

namespace {

bool FullyHiked(const World& w) {
  const int s = w.SkipperHike, c1 = w.Crew1Hike, c2 = w.Crew2Hike;
  if (w.HullClass == Hull::kSingleHander && s == 2) return true;
  if ((w.HullClass == Hull::kTwoPerson || w.HullClass == Hull::kSpinnakerDinghy) && s == 2 && c1 == 2) return true;
  if (w.HullClass == Hull::kKeelboat && s == 2 && c1 == 2 && c2 == 2) return true;
  return w.IsCatamaran && !w.IsOffshoreCatamaran && s == 2 && c1 == 2;
}

void PrepareUserSails(World& w) {
  w.OlderApparentWindAngle = w.PreviousApparentWindAngle;
  w.FullHike = FullyHiked(w) ? 1 : 0;
  if (!IsSpinnakerBoat(w)) w.SpinnakerSetCommand = 0;
  w.SpinnakerFlying[1] = w.SpinnakerSetCommand == 1 ? 1 : 0;
  if (!w.SpinnakerFlying[1]) RunJibState(w);
}

void SetUserJib(World& w) {
  if (HasJib(w)) {
    w.JibPointingIndex = w.JibSheet / 4 - w.JibLead + w.Forestay - w.JibSize + 9;
    w.JibLeadOffset = w.JibSheet * 2 / 3 + 12 * w.JibLead - 23 + 8 * w.BarberHauler;
    RunJibState(w);
  } else {
    w.JibState = 0;
    w.JibPenalty = 0;
  }
}

// Drive from the sails before the spinnaker, scaled by the point of sail.
int BaseDrive(World& w, const StepValues& v) {
  int d = 0;
  if (v.user) {
    // The stall and the jib penalty are the previous step's: one step of lag.
    d = v.sailPower + 172 - 3 * w.MainTwist - 10 * (w.JibPenalty + 3 * w.MainStalled) - v.vangLoss;
    if (w.HullClass > Hull::kTwoPerson) d += 14 - 14 * w.JibSize;
    if (w.Reefed) d -= 20;
    w.PreviousApparentWindAngle = w.ApparentWindAngle;
    if (w.JibFurl > 0) d -= w.JibFurl / 2;
  } else {
    d = v.sailPower + 120;
  }
  return PointOfSail(d, v.twa, w.IsCatamaran != 0);
}

void SmoothSpeed(World& w, const StepValues& v) {
  double tau = 2.0 * w.DisplacementClass;
  if (w.LessonIntroPending) tau *= 0.33;
  if (IsRace(w.ActivityMode)) tau *= 0.67;
  double& speed = w.BoatSpeeds[v.b];
  speed += (v.target - speed) * w.TimeStep / tau;
  w.BoatSpeedTenths[v.b] = static_cast<int>(speed);
}

}  // namespace

int PointOfSail(int drive, int twa, bool catamaran) {
  if (twa > 60) return drive - (twa - 60) / 6;
  const int k = catamaran ? 60 : 80;
  return (drive + k) * twa / 60 - k;
}

void CheckCapsize(World& w, int heel) {
  const bool capsizes = IsBelowKeelClasses(w.HullClass) || w.IsCatamaran || w.IsScow;
  if (capsizes && heel > 25 && !w.LessonIntroPending) {
    PlaySoundEvent(w, SoundEvent::kCapsize);
    w.ResultsShown = 4;
  }
}

void CheckGrounding(World& w) {
  w.Grounded = 0;
  if (w.DepthUnderBoat >= 5) return;
  w.PenaltyMessage = 8;
  w.Grounded = 1;
  w.BoatSpeedTenths[1] = 0;
  w.BoatSpeeds[1] = 0;
  PlayBeep(w);
}

void BoatStep(World& w, int b) {
  if (IsMotorVessel(w, b)) return;
  StepValues v;
  v.b = b;
  v.user = b == 1;

  if (v.user) PrepareUserSails(w);
  v.previousSpeed = w.BoatSpeedTenths[b];
  if (v.user) {
    w.DepthUnderBoat = DepthAt(w, static_cast<int>(w.BoatX[1]), static_cast<int>(w.BoatY[1]));
    if (w.PenaltyMessage != 0 && w.SimSeconds > w.PenaltyUntil[1]) w.PenaltyMessage = 0;
  }
  ComputeWindAtBoat(w, b);
  v.wind = w.WindSpeedAtBoat[b];
  v.twa = w.TrueWindAngles[b] = AngleBetween(w.BoatHeadings[b], w.WindDirectionAtBoat[b]);

  if (w.BoatCount <= 1) {
    w.WindShadowState[b] = 0;
  } else if (w.ActivityMode > Activity::kRacingRulesLesson) {
    NeighbourScan(w, b);
  }

  if (v.user) {
    SetUserJib(w);
    SetUserMainShape(w, v);
  } else {
    SetFleetMainAngle(w, v);
    SetFleetSpinnaker(w, v);
  }

  v.apparent = ComputeApparentWind(w, v.previousSpeed, b);
  if (v.user) {
    w.ApparentWindAngle = v.apparent.angle;
    w.ApparentWindSpeed = v.apparent.speed;
    w.ApparentWindForce = v.apparent.force;
  }

  v.drive = BaseDrive(w, v);
  v.spinnakerDrive = SpinnakerDrive(w, v);
  v.drive += v.spinnakerDrive;
  if (v.user) {
    RunMainState(w);
    v.drive = v.drive * (100 - w.MainBackwindPercent) / 100;
  }
  // The spinnaker counts twice: once more after the main's backwind loss.
  if (w.SpinnakerFlying[b]) v.drive += v.spinnakerDrive;
  v.drive = std::max(v.drive, 1);

  ApplyHeelFactor(w, v);
  ComputeRighting(w, v);
  ComputeHeel(w, v);
  ComputeForwardForce(w, v);
  ComputeTargetSpeed(w, v);
  if (v.user) ApplyUserCorrections(w, v);

  SmoothSpeed(w, v);

  // Before a race's signal a fleet boat sails at the share of its speed that brings it to the
  // line about when the gun goes (the race works the share out), and gathers way gradually.
  if (!v.user && IsRace(w.ActivityMode) && w.SimSeconds < 0) {
    const int paced = static_cast<int>(w.BoatSpeeds[b] * w.StartApproachPercent[b] / 100);
    w.BoatSpeedTenths[b] = std::min(paced, v.previousSpeed - w.HullClass + 20 + w.SimSpeed);
  }
  // A boat serving a penalty moves at a third of its speed; its smoothed speed is kept, so
  // the slowdown does not compound from step to step.
  if (w.SimSeconds < w.PenaltyUntil[b] + 5 && w.SimSeconds >= 20) w.BoatSpeedTenths[b] /= 3;
  w.HeelAngles[b] = v.heel;

  if (v.user) {
    if (w.MainAutoTrimActive == 1 && w.MainAutoTrimOff != 1) AutoMainTrim(w, w.MaxHeel, v.heel);
    CheckCapsize(w, v.heel);
  } else if (w.SpeedOverride[b] >= 0) {
    w.BoatSpeedTenths[b] = w.SpeedOverride[b] / 2;
    w.SpeedOverride[b] = -1;
  }

  ApplyTackSlowdown(w, v);
  if (v.user) CheckGrounding(w);
}
