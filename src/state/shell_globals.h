// Run state, screen geometry and frame layout of the paint-driven shell.
#pragma once

#include <cstdint>

struct ShellGlobals {
  // --- Run state -------------------------------------------------------------------------
  int32_t SailingState = 0;      // 0 title, 1 start requested, 2 running
  int32_t RepaintSuspended = 0;  // 1 while a menu or the Design dialog is open
  int32_t Stopped = 0;           // the stop toggle: frames go on, simulated time does not
  int32_t ChartShown = 0;
  int32_t ResultsShown = 0;
  int32_t InstructionPage = 0;
  int32_t LastInstructionPage = 0;
  int32_t TutorialStep = 0;
  int32_t LessonIntroPending = 0;
  int32_t CoachShown = 0;
  int32_t PolarShown = 0;        // the polar diagram covers the view; time stands still

  // --- Screen geometry (recomputed at every paint) ----------------------------------------
  int32_t ScreenBitsPerPixel = 32;
  int32_t ScreenWidth = 0;
  int32_t ScreenHeight = 0;
  int32_t HalfScreenWidth = 0;
  int32_t ViewWidth = 0;
  int32_t ViewHeight = 0;
  double ViewWidthF = 0;
  double ViewHeightF = 0;
  double ScaleX = 1;
  double ScaleY = 1;
  int32_t LargeMenuFont = 0;  // 1 when the system's menu bar is 20 pixels high or more
  // Width used for the scaled pen sizes: the screen height until the first paint replaces it.
  int32_t PenScaleWidth = 0;
  // Widths of the scaled pens, fixed when the document is created.
  int32_t PenWidthLarge = 1;
  int32_t PenWidthMedium = 1;
  int32_t PenWidthSmall = 1;
  int32_t PenWidthThin = 1;

  // --- Frame ------------------------------------------------------------------------------
  int32_t FrameCounter = 0;
  uint32_t FrameStartTick = 0;  // tick count noted at the start of the frame
  int32_t MinFrameMs = 0;       // the frame is not to end before this many ms after its start
  int32_t SceneHeight = 0;
  int32_t SceneBottom = 0;      // bottom of the 3D scene: SceneHeight, or lower in some lessons
  int32_t PanelLeft = 0;
  int32_t MiniViewWidth = 0;
  int32_t SkyHeight = 0;
};
