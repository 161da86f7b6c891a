// The replay of the last sailing: whether it covers the results screen, and where it stands.
#pragma once

#include <cstdint>

struct ReplayGlobals {
  int32_t ReplayShown = 0;    // the replay covers the results screen
  int32_t ReplayPlaying = 0;  // 1 playing, 0 paused
  int32_t ReplaySpeed = 1;    // times the sailing's own pace: 1, 2, 4, 8 or 16
  int32_t ReplayFollow = 1;   // the boat the 3D view sails with and the debrief shows by leg
  double ReplayTime = 0;      // simulated seconds since the first recorded frame
};
