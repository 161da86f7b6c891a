// Where the last tutorial or help page placed its buttons; the mouse is tested against them.
#pragma once

#include <cstdint>

struct PageLayoutGlobals {
  int32_t TutorialStepCount = 0;
  int32_t AdvanceButtonY = -1000;  // off screen until a tutorial page places its button
  int32_t PageButtonsY = -1000;
  int32_t NextPageButtonX = 0;
  int32_t PrevPageButtonX = 0;
};
