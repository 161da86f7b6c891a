#include "race/race_start.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "race/course.h"
#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/sound_event.h"
#include "state/world.h"
#include "world/weather.h"

namespace {

constexpr double kClockMinutesPerUnit = 0.029325513196480937;
constexpr int kMiddleJibLead = 2;

int RatingFor(World& w) {
  int r = RandomBelow(w, 110) / 20 + w.Difficulty + 89;
  if (w.Difficulty == 3) r = r * 95 / 100;
  if (w.Difficulty == 2) r = r * 90 / 100;
  if (w.Difficulty == 1) r = r * 85 / 100;
  return r;
}

void ClearRaceState(World& w, int k) {
  w.BoatLegs[k] = Leg::kStartSlot;
  w.TackInProgress[k] = 0;
  w.Avoiding[k] = 0;
  w.ForcedTack[k] = 0;
  w.Gybing[k] = 0;
  w.CourseError[k] = 0;
  w.BoatFinishPlace[k] = 0;
  w.BoatFinishSeconds[k] = 0;
  w.BoatPenaltyCount[k] = 0;
  w.StartApproachPercent[k] = 100;
  w.SpeedOverride[k] = -1;
}

}  // namespace

void AssignStartSlot(World& w, int k) {
  w.BoatLegs[k] = Leg::kStartSlot;
  const int n = w.BoatCount;
  if (w.ActivityMode == Activity::kJustStartRace) {
    w.BoatTargetX[k] = (w.CommitteeBoatX * (n + 1 - k) + w.PinX * k) / (n + 1);
    w.BoatTargetY[k] = (w.CommitteeBoatY * (n + 1 - k) + w.PinY * k) / (n + 1);
    return;
  }
  w.BoatTargetX[k] = (w.PinX * (n + 1 - k) + w.CommitteeBoatX * k) / (n + 1);
  w.BoatTargetY[k] = (w.PinY * (n + 1 - k) + w.CommitteeBoatY * k) / (n + 1);
  if (k == 1 || w.SimSeconds >= -29) {
    w.BoatTargetX[k] = LineMiddleX(w);
    w.BoatTargetY[k] = LineMiddleY(w);
  }
}

void PlaceAtStart(World& w, int k) {
  const int L = w.StartLineLength;
  int bearing = w.MeanWindDirection + 110 + RandomBelow(w, 25);
  bool left = false;
  if (k >= 2 && RandomBelow(w, 100) > 70) {
    bearing = w.MeanWindDirection - RandomBelow(w, 25) - 110;
    left = true;
  }
  const int q = (w.WindSpeed > 10 && w.SimSpeed > 2) ? 3 : 4;
  const int range = L / q + (left ? RandomBelow(w, L / 2) : RandomBelow(w, L));
  if (w.ActivityMode == Activity::kJustStartRace) {
    w.BoatX[k] = w.BoatTargetX[k];
    w.BoatY[k] = w.BoatTargetY[k];
    return;
  }
  IntPoint p = PointAt(w.BoatTargetX[k], w.BoatTargetY[k], range, bearing);
  if (w.CurrentSpeed != 0) p = PointAt(p.x, p.y, L * w.CurrentSpeed / 50, w.CurrentDirection);
  w.BoatX[k] = p.x;
  w.BoatY[k] = p.y;
}

void SetUpRace(World& w) {
  w.SailingArea = 1;
  w.RaceTimeLimitBase = 30000;
  w.JibLead = kMiddleJibLead;
  w.BarberHauler = kMiddleJibLead;

  w.ShoreQuadrant = RandomBelow(w, 100) < 50 ? 1 : 3;
  SetUpWeather(w);
  LayRaceCourse(w);
  w.FinishCount = 0;
  w.BoatTack[1] = 1;

  const int heading = NormalizeDegrees(w.MeanWindDirection - 45);
  for (int k = 1; k <= w.BoatCount; ++k) {
    w.BoatHeadings[k] = heading;
    ClearRaceState(w, k);
    w.BoatRatingPercent[k] = RatingFor(w);
    w.SteeringSpread[k] = RandomBelow(w, 17);
    w.LastTackTime[k] = w.LastAvoidTime[k] = w.PenaltyUntil[k] = -400;
  }
  w.BoatRatingPercent[1] = w.IsCatamaran ? 97 : 101;
  for (int k = 1; k <= w.BoatCount; ++k) {
    AssignStartSlot(w, k);
    PlaceAtStart(w, k);
    w.BoatTack[k] = 1;
  }
  w.OwnHeading = heading;
  w.PenaltyMessage = 0;
  w.RightOfWayWarning = w.WarningActive = 0;
  w.RaceClockMinutes = w.SimTime * kClockMinutesPerUnit;
  w.RaceClockWholeMinutes = static_cast<int>(w.RaceClockMinutes);
  w.RaceClockSecondsPart = static_cast<int>(60 * w.RaceClockMinutes - 60.0 * w.RaceClockWholeMinutes);
  EnterCourseObjects(w);
}

void PlaceJustStartFleet(World& w) {
  const double speed = 14 * std::sqrt(static_cast<double>(w.ScaleLength));
  for (int k = 1; k <= w.BoatCount; ++k) {
    double x = w.BoatTargetX[k], y = w.BoatTargetY[k];
    if (k >= 2 && w.BoatCount >= 3) {
      const double f = RandomBelow(w, 10) * 0.7 / (50 + 2 * w.Difficulty);
      x = w.RestartPointX * f + x * (1 - f);
      y = w.RestartPointY * f + y * (1 - f);
    }
    w.BoatX[k] = x;
    w.BoatY[k] = y;
    w.BoatSpeeds[k] = speed;
    w.BoatSpeedTenths[k] = static_cast<int>(speed);
  }
}

void RaceClockStep(World& w) {
  const double t = w.SimTime;
  const bool countdown = IsCountdownRace(w.ActivityMode);
  // The just-start race begins at 0 exactly; its signal waits for the first step that moves
  // the clock, so that a frozen first frame (an instruction box) does not sound it again.
  if ((countdown && t >= 0 && t < w.TimeStep) ||
      (w.ActivityMode == Activity::kJustStartRace && w.TimeStep > 0 && t >= 0 && t <= w.TimeStep)) {
    PlaySoundEvent(w, SoundEvent::kStartSignal);
  }
  w.RaceClockMinutes = t * kClockMinutesPerUnit;
  if (t >= 0) w.RaceClockMinutes *= 0.8;
  // Whole minutes keep counting past the hour; the seconds stay within the minute.
  w.RaceClockWholeMinutes = static_cast<int>(w.RaceClockMinutes);
  w.RaceClockSecondsPart = static_cast<int>(60 * w.RaceClockMinutes - 60.0 * w.RaceClockWholeMinutes);
}

std::string CountdownText(const World& w) {
  if (!IsCountdownRace(w.ActivityMode) || w.SimSeconds > 0) return {};
  return " " + std::to_string(std::abs(w.RaceClockWholeMinutes)) + " 分  " +
         std::to_string(std::abs(w.RaceClockSecondsPart)) + " 秒  ";
}

int StartApproachPercentFor(const World& w, int b) {
  if (b < 2 || w.SimSeconds >= 0 || !IsCountdownRace(w.ActivityMode) || w.BoatLegs[b] != Leg::kStartSlot) return 100;
  // Yards the boat sails per second at full speed, and the way to its slot. The share keeps
  // the boat on course to reach the slot eight seconds after the gun: the nearer it comes, the
  // slower it sails, so it is still below the line when it bears off for the first mark at -3.
  const double pace = std::max(0.1 * w.BoatSpeeds[b], 0.5);
  const double way = DistanceToPoint(w, b, w.BoatTargetX[b], w.BoatTargetY[b]);
  const double left = std::max(-w.SimTime + 8, 1.0);
  const int percent = static_cast<int>(100 * way / (pace * left));
  return std::clamp(percent, 10, 100);
}
