// The pointer, the click latch and the other values the input handlers share with the frame.
#pragma once

#include <cstdint>

struct InputGlobals {
  int32_t MouseX = 0;
  int32_t MouseY = 0;
  // Position of the last left press, latched until an on-screen button consumes it.
  int32_t ClickX = -1;
  int32_t ClickY = -1;
};
