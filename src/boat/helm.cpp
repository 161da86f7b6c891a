#include "boat/helm.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "boat/boat_family.h"
#include "boat/boat_step.h"
#include "boat/sailing_angles.h"
#include "boat/wind_at_boat.h"
#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/sound_event.h"
#include "state/world.h"

namespace {

// Heel beyond which the boat is over-pressed and rounds up hard.
constexpr int kOverPressedMargin = 4;

bool ManoeuvreRunning(const World& w) { return w.AutoManoeuvre != 0 || w.GybeCommand || w.BearAwayCommand; }

}  // namespace

void PlayTackCalls(World& w, bool tackChanged) {
  if (tackChanged && w.ActivityStartSeconds < w.SimSeconds) {
    const int twa = w.TrueWindAngles[1];
    if (twa > 120) {
      w.BackgroundSoundDue = w.SimSeconds;
      PlaySoundEvent(w, SoundEvent::kGybeCall);
    } else if (twa < 70 && w.AutoManoeuvre == 0) {
      PlaySoundEvent(w, SoundEvent::kTackCall);
    }
  }
  if (w.BackgroundSoundDue <= w.SimSeconds) {
    PlaySoundEvent(w, SoundEvent::kGybeBoom);
    w.BackgroundSoundDue = 10000;
  }
}

int ComputeHelmBias(World& w) {
  // More backwind in the main than in the jib takes power from aft and the boat bears away;
  // heel to leeward makes it round up.
  w.WeatherHelm = (w.MainBackwindPercent - std::max(w.JibState, 0)) / 10 - w.HeelAngles[1] / 2;
  if (ManoeuvreRunning(w) || w.IsCatamaran || w.IsScow) return 0;
  const int speed = w.BoatSpeedTenths[1];
  // In irons the boat falls off, whichever way it drifts.
  if (speed < 1 && w.TrueWindAngles[1] < 90) return speed >= 0 ? 200 : -200;
  if (w.Difficulty < 2) return 0;
  if (w.HeelAngles[1] > w.MaxHeel + kOverPressedMargin) return -400;
  return 10 * w.WeatherHelm;
}

bool OwnHelmInUse(World& w) {
  const bool introHolds = IntroHoldsTheHelm(w.LessonIntroPending, w.ActivityMode, w.LessonChoice);
  if (introHolds) {
    w.HelmInput = 0;
    w.SteeringValue = 0;
    w.HelmBias = 0;
  }
  return w.SailingState != 0 && !introHolds && !w.InstructionPage;
}

void SteerOwnBoat(World& w, bool tackChanged, int steering) {
  int r = steering;
  const int tack = w.BoatTack[1];
  w.CloseHauledAngle = CloseHauledAngleFor(w, 1);
  w.DownwindMargin = RunningAngleFor(w, 1);
  w.HelmBias = ComputeHelmBias(w);

  double f = std::abs(w.HelmInput) < 26 ? 0.025 : 0.05;
  f *= 0.1 + 9.0 / w.SimSpeedDivisor;
  if (w.BoatSpeedTenths[1] < 6) f /= 2;
  if (w.BoatSpeedTenths[1] < 0) f = -f;
  if (w.CentreboardUp == 100) f *= 2;

  const int k = (w.HullClass >= Hull::kSingleHander && IsSmallDinghy(w.HullClass)) ? 900 : 700;
  if (w.AutoManoeuvre != 0) {
    r = -(k * tack * w.HelmSign);
    w.HelmInput = r / 14;
  } else if (w.GybeCommand) {
    r = k * tack * w.HelmSign / 2;
    w.HelmInput = r / 14;
  } else if (w.BearAwayCommand) {
    r = k * tack * w.HelmSign;
    w.HelmInput = r / 10;
  }

  const double change = w.TimeStep == 0 ? 0 : (w.HelmBias * tack + w.HelmSign * r) * f;
  w.OwnHeading -= change;
  if (w.OwnHeading > 360) w.OwnHeading -= 360;
  if (w.OwnHeading < 0) w.OwnHeading += 360;
  w.BoatHeadings[1] = static_cast<int>(w.OwnHeading);

  const int twa = w.TrueWindAngles[1];
  if (tackChanged && twa < 90 && w.SimSeconds != 0) {
    w.LastTackTime[1] = w.SimSeconds;
    if (w.AutoManoeuvre == 0) w.LastHandTackTime = w.SimSeconds;
  }

  if ((w.AutoManoeuvre == 1 && tackChanged) || (w.AutoManoeuvre == -1 && twa < 70)) {
    w.AutoManoeuvre = 0;
    w.HoldCloseHauled = 1;
  }
  if ((w.GybeCommand && tackChanged) || (w.BearAwayCommand && twa > 180 - w.DownwindMargin)) {
    w.GybeCommand = 0;
    w.BearAwayCommand = 0;
    w.HoldDownwindCourse = 1;
  }
  const int wind = w.WindDirectionAtBoat[1];
  if (w.HoldCloseHauled) {
    w.OwnHeading = WrapDegreesFull(wind - std::min(w.CloseHauledAngle, 55) * tack);
    w.BoatHeadings[1] = static_cast<int>(w.OwnHeading);
  } else if (w.HoldDownwindCourse) {
    w.OwnHeading = WrapDegreesFull(wind - (176 - w.DownwindMargin) * tack);
    w.BoatHeadings[1] = static_cast<int>(w.OwnHeading);
  }
  w.BoatHeadings[1] = NormalizeDegrees(w.BoatHeadings[1]);
}
