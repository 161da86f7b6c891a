#include "input/command_actions.h"

#include <algorithm>

#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/pages.h"
#include "state/sound_event.h"
#include "state/world.h"
#include "world/sim_speed.h"

namespace {

void ClearDownwindManoeuvres(World& w) {
  w.BearAwayCommand = 0;
  w.HoldDownwindCourse = 0;
  w.GybeCommand = 0;
}

}  // namespace

void CommandCloseHauled(World& w) {
  w.AutoManoeuvre = -1;
  w.HoldCloseHauled = 0;
  ClearDownwindManoeuvres(w);
  w.CloseHauledCommandUsed = 1;
}

void CommandTack(World& w) {
  w.AutoManoeuvre = 1;
  w.HoldCloseHauled = 0;
  w.LookAngle = 0;
  ClearDownwindManoeuvres(w);
  PlaySoundEvent(w, SoundEvent::kTackCommand);
  w.LastTackTime[1] = w.SimSeconds;
}

void CommandBearAway(World& w) {
  w.BearAwayCommand = 1;
  w.HoldCloseHauled = 0;
  w.HoldDownwindCourse = 0;
}

void CommandGybe(World& w) {
  w.GybeCommand = 1;
  w.HoldCloseHauled = 0;
  w.LookAngle = 0;
  w.HoldDownwindCourse = 0;
}

void NextSailing(World& w) {
  w.SailingState = 0;
  w.ResultsShown = 0;
  w.Stopped = 0;
  w.InstructionPage = 0;
  w.LessonChoice = 0;
  w.CoachShown = 0;
  w.BoatX[1] = w.BoatY[1] = 0;
  const int m = w.ActivityMode;
  const int firstPage = FirstLessonPage(m);
  if (firstPage != Page::kNone) {
    w.TutorialStep = 0;
    w.InstructionPage = w.LastInstructionPage = firstPage;
  }
  w.LessonIntroPending = IsLesson(m) ? 1 : 0;
}

void ToggleAllAutoTrim(World& w) {
  const int on = w.MainAutoTrimActive + w.JibAutoTrimActive + w.SpinnakerAutoTrimActive + w.GuyAutoTrimActive;
  const int32_t v = on != 4 ? 1 : 0;
  w.MainAutoTrimActive = w.JibAutoTrimActive = w.SpinnakerAutoTrimActive = w.GuyAutoTrimActive = v;
}

void AllSheetsOut(World& w) {
  w.MainSheet = 47.0;
  w.JibSheet = 24;
  w.SpinnakerSheet = 24;
  w.MainAutoTrimActive = w.JibAutoTrimActive = w.SpinnakerAutoTrimActive = w.GuyAutoTrimActive = 0;
}

void CycleTransparency(World& w) {
  w.AllSailsTransparent += 1;
  if (w.MainTransparent == 0) w.MainTransparent = 1;
  if (w.AllSailsTransparent > 1) w.MainTransparent = w.AllSailsTransparent = 0;
}

void SimSpeedFaster(World& w) {
  if (w.SimSpeed != 15) w.SimSpeed += 1;
  UpdateSimSpeedDivisor(w);
  w.SavedSimSpeed = w.SimSpeed;
  w.SavedSimSpeedDivisor = w.SimSpeedDivisor;
}

void SimSpeedSlower(World& w) {
  if (w.SimSpeed != 1) w.SimSpeed -= 1;
  UpdateSimSpeedDivisor(w);
  w.SavedSimSpeed = w.SimSpeed;
  w.SavedSimSpeedDivisor = w.SimSpeedDivisor;
}

void ToggleHelpPage(World& w, int page) {
  if (w.InstructionPage == page) {
    w.InstructionPage = 0;
  } else {
    w.InstructionPage = w.LastInstructionPage = page;
  }
}

void StepMainSheet(World& w, double delta) {
  const double v = w.MainSheet + delta;
  w.MainSheet = delta < 0 ? std::max(v, -3.0) : std::min(v, 47.0);
  w.MainAutoTrimActive = 0;
}

