#include "boat/boat_motion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "boat/boat_step.h"
#include "boat/wave_crests.h"
#include "boat/wind_at_boat.h"
#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/hull_class.h"
#include "state/sound_event.h"
#include "state/world.h"
#include "world/vessels.h"

namespace {

bool IsLightFastHull(const World& w) { return w.IsCatamaran || w.IsSkiff || w.IsScow; }

double StepFactor(const World& w) {
  // A lesson's introduction holds the boats until a scene is chosen (by its digit or the
  // space bar); then the scene's boats move while the introduction stays on. A digit past the
  // traffic-rules lesson's scenes chooses none.
  const bool chosen = w.ActivityMode == Activity::kTrafficRulesLesson ? IsTrafficScene(w.ActivityMode, w.LessonChoice)
                                                                       : w.LessonChoice > 0;
  const bool introHolds = w.LessonIntroPending && !chosen;
  const bool frozen = w.Stopped || w.ChartShown || w.PolarShown || introHolds || w.InstructionPage > 0 || w.CoachShown;
  if (frozen || w.TimeStep == 0) return 0;
  const int m = w.ActivityMode;
  if (m == Activity::kMooring || m == Activity::kDocking || m == Activity::kManOverboard) return 0.05 * w.TimeStep;
  return 0.1 * w.TimeStep * (IsLightFastHull(w) ? 0.75 : 1.0);
}

// Frames between two wake points at each simulator speed; 0: no wake.
constexpr int kWakeInterval[16] = {0, 24, 24, 12, 12, 6, 6, 3, 3, 1, 1, 1, 0, 0, 0, 0};

}  // namespace

int ComputeLeeway(World& w, int b) {
  const int s = w.BoatSpeedTenths[b];
  const int twa = w.TrueWindAngles[b];
  int leeway = 0;
  if (s > 5) {
    const ApparentWind apparent = ComputeApparentWind(w, s, b);
    int force = std::max(w.DriveForces[b], apparent.force / 5);
    if (w.IsCatamaran) force *= 2;
    const double heelCos = std::cos(w.HeelAngles[b] * kDegToRad);
    // The sail's share of the force over the speed squared is a whole number before the heel
    // correction.
    const int flat = w.CosTable[WrapDegreesFull(w.SailAngles[b])] * force / (2 * s * s);
    leeway = static_cast<int>(flat / heelCos);
    if (w.HullClass == Hull::kSingleHander) leeway = leeway * 9 / 10;
    if (std::abs(leeway) > 15) leeway = 15;
  } else if (s < 1) {
    leeway = 180 - twa;
  } else if (s <= 3) {
    leeway = (180 - twa) / 2;
  } else {
    leeway = (180 - twa) / 3;
  }
  if (b == 1 && s >= 1) {
    if (w.CentreboardUp == 80) leeway *= 2;
    if (w.CentreboardUp == 100) leeway *= 4;
  }
  if (b == 1 && w.Grounded) leeway = 0;
  leeway = std::abs(leeway);
  if (w.SimSeconds < 0) leeway /= 2;
  if (b == 1) w.LeewayAngle = leeway;
  return leeway;
}

void RecordWake(World& w, int b) {
  auto& xs = w.WakeX[b];
  auto& ys = w.WakeY[b];
  for (int k = kWakeLength - 1; k > 0; --k) {
    xs[k] = xs[k - 1];
    ys[k] = ys[k - 1];
  }
  xs[0] = w.BoatX[b];
  ys[0] = w.BoatY[b];
}

void UpdateBoatPositions(World& w) {
  const double k = StepFactor(w);
  const bool prestart = w.SimSeconds < 0;
  double cx = 0, cy = 0;
  if (w.ActivityMode != Activity::kDocking) {
    const double d = w.CurrentDirection * kDegToRad;
    cx = -w.EffectiveCurrent * std::sin(d);
    cy = w.EffectiveCurrent * std::cos(d);
    if (prestart) {
      cx /= 2;
      cy /= 2;
    }
  }
  const int interval = kWakeInterval[std::clamp(w.SimSpeed, 0, 15)];
  const bool wakeFrame = interval > 0 && w.FrameCounter % interval == 0;
  const double lookAhead = IsLightFastHull(w) ? 0.18 : 0.24;

  for (int b = 1; b <= w.BoatCount; ++b) {
    const int s = w.BoatSpeedTenths[b];
    const int leeway = ComputeLeeway(w, b);
    int course = w.BoatHeadings[b];
    const bool vessel = IsMotorVessel(w, b);
    if (s >= 0 && !vessel) course -= w.BoatTack[b] * leeway;

    double ex = 0, ey = 0;
    if (b == 1) {
      w.VelocityMadeGood = std::abs(static_cast<int>(std::cos((w.TrueWindAngles[1] + leeway) * kDegToRad) * s));
      // Before a race start a slow boat at the harder levels drifts down on the line.
      if (prestart && s < 10 && w.Difficulty >= 7) {
        const double wd = w.WindDirectionAtBoat[1] * kDegToRad;
        const int m = w.WindSpeedAtBoat[1] < 16 ? 5 : 7;
        ex = -static_cast<int>(m * std::sin(wd));
        ey = static_cast<int>(m * std::cos(wd));
      }
    }
    const double c = course * kDegToRad;
    const double vx = s * std::sin(c) + ex + cx;
    const double vy = ey - s * std::cos(c) + cy;
    if (b == 1) w.SpeedOverGround = static_cast<int>(std::sqrt(vx * vx + vy * vy));
    w.BoatX[b] += k * vx;
    w.BoatY[b] += k * vy;
    w.LookAheadX[b] = static_cast<int>(w.BoatX[b] + lookAhead * vx);
    w.LookAheadY[b] = static_cast<int>(w.BoatY[b] + lookAhead * vy);
    if (wakeFrame) RecordWake(w, b);
  }
}

void RunWavePitch(World& w) {
  w.PitchTimer += 1;
  w.BigWave = 0;
  const int twa = w.TrueWindAngles[1];
  const int div = w.SimSpeedDivisor;
  if (twa < 80 && w.WaveClass > 2) {
    const double distance = NearestCrestDistance(w, w.BoatX[1], w.BoatY[1], -1);
    w.BigWaveCooldown = std::max(w.BigWaveCooldown - 1, 0.0);
    if (distance < 9 && distance < w.PreviousCrestDistance && w.BigWaveCooldown == 0 && w.WaveClass > 1) {
      w.PitchTimer = div / 5;
      w.BigWaveCooldown = 20;
      PlaySoundEvent(w, SoundEvent::kTackCall);
      w.BigWave = 1;
    }
    w.PreviousCrestDistance = distance;
  }
  if (w.PitchTimer > div / 3) w.PitchTimer = 0;

  int amplitude = 0;
  if (twa < 60) {
    amplitude = 2 * w.WaveClass + 2;
  } else if (twa < 90) {
    amplitude = w.WaveClass + 2;
  } else {
    amplitude = w.WindSpeedAtBoat[1] > 12 ? 2 : 1;
  }
  const double hull = HullSpeed(w, 1);
  const double speed = w.BoatSpeeds[1];
  w.PreviousWavePitch = w.WavePitch;
  w.WavePitch = static_cast<int>(amplitude * std::sin(w.PitchTimer * 18.84 / div * speed / hull));

  if (amplitude >= 3 && w.PreviousWavePitch <= 0 && w.WavePitch > 0) PlaySoundEvent(w, SoundEvent::kPitch);
  if (speed >= hull && amplitude < 3) PlaySoundEvent(w, SoundEvent::kFastWater);
  if (speed > hull / 2 && speed < hull && amplitude < 3) PlaySoundEvent(w, SoundEvent::kWater);
  const bool crewQuiet = w.AutoManoeuvre < 1 || w.HullClass == Hull::kSingleHander || w.VoiceOff;
  if (crewQuiet && w.MainBackwindPercent > 15 && w.MainBackwindPercent < 61) PlaySoundEvent(w, SoundEvent::kLuffing);
  if (crewQuiet && w.MainBackwindPercent >= 61) PlaySoundEvent(w, SoundEvent::kFlogging);
  if (w.SimSeconds % 100 == 0) PlaySoundEvent(w, SoundEvent::kHundredSeconds);
}
