// Drawing of boats: the illustration mode, the turned outline points, the user boat's place on
// the screen, and the title screen's turning boat.
#pragma once

#include <cstdint>

struct BoatViewGlobals {
  int32_t IllustrationMode = 0;  // 0 live view, 1 title screen, 2 and up tutorial diagrams
};
