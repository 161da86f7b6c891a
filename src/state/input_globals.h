// The pointer, the click latch and the values the commands and keys set for the rest of the
// simulator.
#pragma once

#include <cstdint>

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
  int32_t CameraDistance = 2;  // zoom step, 1 nearest .. 4 farthest
  int32_t LookAngle = 0;       // degrees added to the view direction: 0 ahead, 180 astern
  int32_t MiniViewZoom = 64;   // 2 .. 128 in powers of two
  int32_t MainTransparent = 0;
  int32_t AllSailsTransparent = 0;
  int32_t ChordLinesShown = 0;
  int32_t LaylinesShown = 1;

  // --- Lessons ----------------------------------------------------------------------------
  int32_t LessonChoice = 0;
};
