// Camera of the sailing view.
#pragma once

#include <cstdint>

struct ViewGlobals {
  int32_t CameraDistance = 2;  // zoom step, 1 nearest .. 4 farthest
  int32_t LookAngle = 0;       // degrees added to the view direction: 0 ahead, 180 astern
  int32_t HorizonY = 0;
  int32_t SceneShiftX = 0;  // whole-scene shift in the lesson layouts with a side panel
  int32_t SceneTop = 0;
  int32_t WaveClass = 0;
};
