// The sailing view as the last paint laid it out: scene geometry, projections, the far-to-near
// order, the indicators and the shore.
#pragma once

#include <array>
#include <cstdint>

#include "state/setup_globals.h"

constexpr int kProjectionSlots = 64;  // 0: scratch; 1..: the scene objects, then callers' own
constexpr int kMaxDrawObjects = 24;
constexpr int kShoreCallSlots = 5;

struct ViewGlobals {
  int32_t HorizonY = 0;
  int32_t SceneShiftX = 0;  // whole-scene shift in the lesson layouts with a side panel
  int32_t SceneTop = 0;
  int32_t WaveClass = 0;
  int32_t ViewDirection = 0;  // compass direction the camera looks along
  int32_t SceneCentreX = 0;

  // --- Projection: the screen point of the last projection into each slot -----------------
  std::array<int32_t, kProjectionSlots> ProjectedX{};
  std::array<int32_t, kProjectionSlots> ProjectedY{};
  double ProjectedDistance = 0;  // world units from the camera
  int32_t ProjectedBearing = 0;  // relative to the view direction, -179..180

  // --- Far-to-near order of the scene objects ---------------------------------------------
  std::array<int32_t, kMaxDrawObjects + 1> DrawKey{};    // screen row of each object
  std::array<int32_t, kMaxDrawObjects + 1> DrawOrder{};  // object numbers, farthest first

  // --- Indicators ---------------------------------------------------------------------------
  int32_t ScreenWindBearing = 0;  // the apparent wind dial's direction, -179..180

  // --- Shore as last drawn: screen point and bearing of each shore index ------------------
  std::array<int32_t, kShorePoints + 1> ShoreScreenX{};
  std::array<int32_t, kShorePoints + 1> ShoreScreenY{};
  std::array<int32_t, kShorePoints + 1> ShoreScreenBearing{};
  // Smallest and largest screen x of the land drawn by each shore call slot 1..5.
  std::array<int32_t, kShoreCallSlots + 1> ShoreExtentLeft{};
  std::array<int32_t, kShoreCallSlots + 1> ShoreExtentRight{};
};
