#include "sim/frame_advance.h"

#include <algorithm>

#include "boat/boat_motion.h"
#include "boat/boat_step.h"
#include "boat/helm.h"
#include "boat/wave_crests.h"
#include "race/fleet.h"
#include "race/race_start.h"
#include "race/rules.h"
#include "sim/exercise_rules.h"
#include "sim/replay_record.h"
#include "sim/steering.h"
#include "sim/traffic_scenes.h"
#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/sound_event.h"
#include "state/world.h"
#include "world/puffs.h"
#include "world/vessels.h"

void UpdateWind(World& w) {
  if (w.WindSetting == 0 || w.ActivityMode == Activity::kMooring) {
    w.WindSpeed = w.BaseWindSpeed;
    w.WindDirection = w.MeanWindDirection = w.BaseWindDirection;
    if (w.LessonWindDirection >= 0) w.WindDirection = w.LessonWindDirection;
    return;
  }
  w.ClockHour = w.StartHour - static_cast<int>(w.SimTime * (-1.0 / 1980));
  w.ClockMinutes = (w.SimTime - w.ActivityStartSeconds) / 33;
  w.WindSpeed = std::clamp(w.BaseWindSpeed, 7, 22);
  const int base = static_cast<int>(w.ClockMinutes) * w.PersistentShiftRate / 60 + w.BaseWindDirection;
  if (w.SimSeconds < w.ActivityStartSeconds + 10) {
    w.WindDirection = w.MeanWindDirection = base;
    w.WindDirectionSmooth = base;
  }
  if (w.SimSeconds > w.NextShiftSeconds) {
    w.NextShiftSeconds = w.SimSeconds + w.ShiftIntervalBase + RandomBelow(w, 70);
    w.ShiftTargetDirection = base - w.ShiftRange / 2 + RandomBelow(w, w.ShiftRange);
  }
  w.WindDirectionSmooth += (w.ShiftTargetDirection - w.WindDirection) * w.TimeStep * 0.1;
  w.WindDirection = static_cast<int>(w.WindDirectionSmooth);
}

void UpdateOwnBoatHelm(World& w) {
  DetermineTack(w, 1);
  const bool changed = w.BoatTack[1] != w.PreviousTack;
  PlayTackCalls(w, changed);
  if (OwnHelmInUse(w)) SteerOwnBoat(w, changed, UpdateSteering(w, changed));
  w.PreviousTack = w.BoatTack[1];
}

void NonRaceBoatUpdate(World& w, int b) {
  // The motor vessels steam at their set speed, upright.
  if (IsMotorVessel(w, b)) {
    w.BoatSpeedTenths[b] = w.VesselSpeeds[b];
    w.BoatSpeeds[b] = w.VesselSpeeds[b];
    w.HeelAngles[b] = 0;
  }
}

void StepBoats(World& w) {
  const bool race = IsRace(w.ActivityMode);
  if (race) LatchRightOfWayWarning(w);
  for (int b = 1; b <= w.BoatCount; ++b) {
    if (race) {
      RaceBoatStep(w, b);
    } else {
      NonRaceBoatUpdate(w, b);
    }
    if (b >= 2) {
      DetermineTack(w, b);
      if (w.ActivityMode == Activity::kJustStartRace && w.SimSeconds == 0) {
        w.BoatTack[b] = 1;
        w.BoatHeadings[b] = NormalizeDegrees(w.MeanWindDirection - 45);
      }
    }
    BoatStep(w, b);
    HoldTrafficSceneBoat(w, b);
    // The rules judge each boat right after its step, before the next boat moves.
    if (race) {
      CheckContacts(w, b);
      CheckMarkTouchAndRecall(w, b);
    }
  }
}

void AdvanceTime(World& w) {
  w.TimeStep = w.TimeScale * 30 / w.SimSpeedDivisor;
  if (!w.LessonIntroPending) {
    if (w.InstructionPage > 0 || w.ChartShown == 1 || w.CoachShown == 1 || w.PolarShown == 1) w.TimeStep = 0;
    if (!w.Stopped) w.SimTime += w.TimeStep;
    if (IsRace(w.ActivityMode)) RaceClockStep(w);
  }
  w.PreviousSimSeconds = w.SimSeconds;
  w.SimSeconds = static_cast<int>(w.SimTime);
  // The just-start race's first two steps put the fleet on the line at starting speed.
  if (w.ActivityMode == Activity::kJustStartRace && w.SimTime <= w.ActivityStartSeconds + 2 * w.TimeStep) {
    PlaceJustStartFleet(w);
  }
}

void AdvanceWorld(World& w) {
  // The counter the wakes are recorded by runs 0..100.
  w.FrameCounter += 1;
  if (w.FrameCounter > 100) w.FrameCounter = 0;
  UpdateWind(w);
  RenewExpiredPuffs(w);
  PlaceCrestsAtStart(w);
  UpdateOwnBoatHelm(w);
  StepBoats(w);
  AdvanceTime(w);
  UpdateBoatPositions(w);
  ApplyExerciseRules(w);
  UpdateWaveCrests(w);
  RecordFrame(w);
}
