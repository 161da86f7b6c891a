#include "world/weather.h"

#include <cmath>
#include <cstdlib>

#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "world/puffs.h"

namespace {

void DrawBaseWindSpeed(World& w) {
  switch (w.WindSetting) {
    case 0: w.BaseWindSpeed = 10; break;
    case 1: w.BaseWindSpeed = 9; break;
    case 2: w.BaseWindSpeed = 11 + RandomBelow(w, 4); break;
    case 3: w.BaseWindSpeed = 20 + RandomBelow(w, 4); break;
    default: break;  // a setting of 4 (kept by the settings file) keeps the last base wind
  }
}

void SetOctant(World& w, int octant, int direction) {
  w.WindOctant = octant;
  w.BaseWindDirection = direction;
}

// The exercises and lessons that need the wind from a known side.
void FixDirectionForActivity(World& w) {
  switch (w.ActivityMode) {
    case Activity::kSteering:
    case Activity::kSailTrimLesson:
    case Activity::kDocking:
    case Activity::kManOverboard:
    case Activity::kTrafficRulesLesson:
    case Activity::kRacingRulesLesson:
    case Activity::kSailShapeLesson:
    case Activity::kTacticsLesson:
      SetOctant(w, 1, 0);
      break;
    case Activity::kUpwind:
    case Activity::kMooring:
      SetOctant(w, 7, 270);
      break;
    case Activity::kCollisionAvoidance:
      // The second case is the wind from the south, as octant 5 means everywhere else.
      if (RandomBelow(w, 100) < 50) {
        SetOctant(w, 1, 0);
      } else {
        SetOctant(w, 5, 180);
      }
      break;
    default:
      break;
  }
}

void DrawVeer(World& w) {
  const int r = RandomBelow(w, 10);
  int veer = r < 6 ? w.WindOctant + 2 : w.WindOctant - 2;
  if (veer > 8) veer -= 8;
  if (veer < 1) veer += 8;
  w.VeerOctant = veer;
  if (veer >= 1 && veer <= 3) {
    w.PersistentShiftRate = 10 + RandomBelow(w, 10);
  } else if (veer >= 4 && veer <= 6) {
    w.PersistentShiftRate = -(10 + RandomBelow(w, 10));
  } else {
    w.PersistentShiftRate = 0;
  }
  w.PersistentShiftExpected = std::abs(w.PersistentShiftRate) > 4 ? 1 : 0;
}

void DrawPuffStrength(World& w) {
  const int o = w.WindOctant;
  int divisor = 3;
  int ceiling = 85;
  if (o > 7 || o < 3) {
    divisor = 1;
    ceiling = 65;
  }
  if (o == 7 || o == 3) {
    divisor = 2;
    ceiling = 75;
  }
  w.WeatherKind = 1;
  if (o == 2 || o == 3) w.WeatherKind = 3;
  if (o == 4 || o == 5) w.WeatherKind = 2;
  w.PuffStrength = (ceiling - (48 + RandomBelow(w, 10))) / (divisor * w.WeatherKind);
  if (w.WindSetting == 1 || w.WindSetting == 2) w.PuffStrength /= 2;
  if (w.SeaBreeze) w.PuffStrength = 0;
}

}  // namespace

void SetUpWeather(World& w) {
  w.SeaBreeze = RandomBelow(w, 100) < 50 ? 1 : 0;
  DrawBaseWindSpeed(w);

  if (w.SeaBreeze) {
    w.BaseWindDirection = w.ShoreQuadrant * 90 - 90;
    w.WindOctant = w.BaseWindDirection / 45 + 1;
  } else {
    w.WindOctant = 1 + RandomBelow(w, 7);
    w.BaseWindDirection = 45 * (w.WindOctant - 1);
  }
  if (w.SailingArea == 3 || w.SailingArea == 4) w.SeaBreeze = 1;

  if (w.WindOctant != 2 * w.ShoreQuadrant - 1) {
    w.ShiftRange = 20 + RandomBelow(w, 20);
    w.ShiftIntervalBase = 60 + RandomBelow(w, 60);
    w.OscillatingShiftsExpected = 0;
  } else {
    w.ShiftRange = 30 + RandomBelow(w, 30);
    w.ShiftIntervalBase = 40 + RandomBelow(w, 40);
    w.OscillatingShiftsExpected = 1;
  }

  FixDirectionForActivity(w);
  DrawVeer(w);
  DrawPuffStrength(w);

  // The puffs are laid upwind, so the wind is settled before they are drawn.
  w.WindSpeed = w.BaseWindSpeed;
  w.WindDirection = w.MeanWindDirection = w.BaseWindDirection;
  w.WindDirectionSmooth = w.BaseWindDirection;

  w.ClockHour = w.StartHour = 10 + RandomBelow(w, 5);
  w.NextShiftSeconds = -305;
  w.PuffSeed = RandomBelow(w, 12);
  for (int i = 1; i <= kPuffCount; ++i) CreatePuff(w, i);

  if (w.CurrentOn) {
    w.CurrentSpeed = IsRace(w.ActivityMode) ? RandomBelow(w, 12) : 10 + RandomBelow(w, 4);
    w.CurrentDirection = NormalizeDegrees(w.ShoreQuadrant * 90);
  } else {
    w.CurrentSpeed = 0;
  }
}
