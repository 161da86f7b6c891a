// The pointer, the click latch, the values the commands and keys set for the rest of the
// simulator, and the screen positions of the on-screen buttons the mouse is tested against.
#pragma once

#include <cstdint>

#include "world/globals_fleet.h"

struct InputGlobals {
  // --- Pointer ----------------------------------------------------------------------------
  int32_t MouseX = 0;
  int32_t MouseY = 0;
  // Position of the last left press, latched until an on-screen button consumes it.
  int32_t ClickX = -1;
  int32_t ClickY = -1;
  // Where the current left-button drag began (-1: none), for the main-sheet drag.
  int32_t DragStartX = -1;
  int32_t DragStartY = -1;
  int32_t BearingTarget = 0;  // vessel 2..4 picked for a bearing, 0 none

  // --- Automatic trim of the head sails (MainAutoTrimActive is the main's) ----------------
  int32_t JibAutoTrimActive = 1;
  int32_t SpinnakerAutoTrimActive = 1;
  int32_t GuyAutoTrimActive = 1;

  // --- View options -----------------------------------------------------------------------
  int32_t MiniViewZoom = 64;  // 2 .. 128 in powers of two
  int32_t MainTransparent = 0;
  int32_t AllSailsTransparent = 0;
  int32_t ChordLinesShown = 0;
  int32_t LaylinesShown = 1;

  // --- Lessons ----------------------------------------------------------------------------
  int32_t LessonChoice = 0;

  // The helm commands (HoldCloseHauled, BearAwayCommand, GybeCommand, HoldDownwindCourse,
  // CloseHauledCommandUsed, LastTackTime) live with the helm in boat/dynamics_globals.h.

  // --- Shared with the tutorial and help pages, which set them when they are drawn --------
  int32_t TutorialStepCount = 0;
  int32_t AdvanceButtonY = -1000;  // off screen until a tutorial page places its button
  int32_t PageButtonsY = -1000;
  int32_t NextPageButtonX = 0;
  int32_t PrevPageButtonX = 0;

  // --- Shared with the motor-vessel drawing: where each vessel was drawn in the last frame
  PerBoat<int32_t> VesselScreenX = MakeOffScreen();
  PerBoat<int32_t> VesselScreenY = MakeOffScreen();

 private:
  static PerBoat<int32_t> MakeOffScreen() {
    PerBoat<int32_t> a{};
    a.fill(-1000);
    return a;
  }
};
