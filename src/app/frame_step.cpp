#include "app/frame_step.h"

#include <algorithm>

#include "app/helm.h"
#include "app/panel.h"
#include "app/sheet_bar_drawing.h"
#include "app/steering_strip.h"
#include "boat/boat_motion.h"
#include "boat/boat_step.h"
#include "boat/wave_crests.h"
#include "draw/palette.h"
#include "input/control_buttons.h"
#include "sound/sound_events.h"
#include "state/angles.h"
#include "state/world.h"
#include "view2d/mini_view.h"
#include "view3d/scene.h"
#include "world/puffs.h"
#include "world/sim_speed.h"

void UpdateWind(World& w) {
  if (w.WindSetting == 0 || w.ActivityMode == 4) {
    w.WindSpeed = w.BaseWindSpeed;
    w.WindDirection = w.MeanWindDirection = w.BaseWindDirection;
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

void AdvanceTime(World& w) {
  w.TimeStep = w.TimeScale * 30 / w.SimSpeedDivisor;
  if (!w.LessonIntroPending) {
    if (w.InstructionPage > 0 || w.ChartShown == 1 || w.CoachShown == 1) w.TimeStep = 0;
    if (!w.Stopped) w.SimTime += w.TimeStep;
    const bool racesWithCountdown = w.ActivityMode == 14 || w.ActivityMode == 15;
    if ((racesWithCountdown && w.SimTime >= 0 && w.SimTime < w.TimeStep) ||
        (w.ActivityMode == 13 && w.SimTime >= 0 && w.SimTime <= w.TimeStep)) {
      PlaySoundEvent(w, 17);
    }
  }
  w.PreviousSimSeconds = w.SimSeconds;
  w.SimSeconds = static_cast<int>(w.SimTime);
}

void NonRaceBoatUpdate(World& w, int b) {
  // The motor vessels of the collision exercise steam at their set speed, upright.
  if (w.ActivityMode == 8 && b >= 2 && b <= 4) {
    w.BoatSpeedTenths[b] = w.VesselSpeeds[b];
    w.BoatSpeeds[b] = w.VesselSpeeds[b];
    w.HeelAngles[b] = 0;
  }
}

void StepBoats(World& w) {
  for (int b = 1; b <= w.BoatCount; ++b) {
    if (w.ActivityMode < 13) NonRaceBoatUpdate(w, b);
    // In a race the race-boat update of boat b runs here instead.
    if (b >= 2) {
      DetermineTack(w, b);
      if (w.ActivityMode == 13 && w.SimSeconds == 0) {
        w.BoatTack[b] = 1;
        w.BoatHeadings[b] = NormalizeDegrees(w.MeanWindDirection - 45);
      }
    }
    BoatStep(w, b);
  }
}

void LayOutFrame(World& w) {
  const bool narrowLargeFont = w.ViewWidth < 900 && w.LargeMenuFont == 1;
  w.SceneHeight = static_cast<int>(w.ViewHeightF * (narrowLargeFont ? 0.61 : 0.64));
  const int m = w.ActivityMode;
  const bool fullHeight = m == 7 || m == 10 || m == 12 || (w.InstructionPage >= 100 && w.InstructionPage <= 111);
  w.SceneBottom = fullHeight ? static_cast<int>(w.ViewHeightF * 0.99) : w.SceneHeight;
  if (w.VerticalSteeringZone == 1) {
    w.PanelLeft = static_cast<int>(w.ViewWidthF * 0.36);
    w.MiniViewWidth = static_cast<int>(w.ViewWidthF * 0.29);
  } else {
    w.PanelLeft = w.MiniViewWidth = w.ViewWidth / 3;
  }
  if (m == 2 || m == 11) w.PanelLeft = 0;
}

int MinimumFrameMs(const World& w) {
  int ms = MinFrameMsFor(w.SimSpeed);
  if (w.ActivityMode == 8) ms = std::max(ms, 100);
  return ms;
}

void AdvanceWorld(World& w) {
  UpdateWind(w);
  RenewExpiredPuffs(w);
  PlaceCrestsAtStart(w);
  UpdateOwnBoatHelm(w);
  StepBoats(w);
  AdvanceTime(w);
  UpdateBoatPositions(w);
}

void StepFrame(World& w, Canvas& canvas) {
  w.FrameCounter += 1;
  if (w.FrameCounter > 100) w.FrameCounter = 0;
  w.FrameStartTick = NowMs(w);

  AdvanceWorld(w);

  LayOutFrame(w);
  UpdateWaveCrests(w);
  const Rect scene{0, 0, w.ViewWidth, w.SceneBottom};
  ComposeScene(w, canvas, scene);
  // Without a panel to hold it, the button help line goes over the scene, inside its clip.
  if (!HelpLineInPanel(w)) {
    canvas.SetClip(scene);
    DrawButtonHelpLine(w, canvas);
    canvas.ClearClip();
  }
  // In the rules lessons the scene reaches down over the strip the panel would take.
  if (w.SceneBottom <= w.SceneHeight) {
    DrawDataPanel(w, canvas);
    DrawSteeringZone(w, canvas);
  }
  DrawBottomLeftView(w, canvas);
  DrawSheetBars(w, canvas);
  w.MinFrameMs = MinimumFrameMs(w);
}
