// The screen every paint benchmark uses: 1280x768 leaves a 1280x720 frame, the largest design size.
#pragma once

#include "probe_runner.h"

inline ProbeOptions Screen1280x720() {
  ProbeOptions options;
  options.screenWidth = 1280;
  options.screenHeight = 768;
  return options;
}
