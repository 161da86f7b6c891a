// The 2D view and the chart screen.
#pragma once

#include <cstdint>

struct ChartGlobals {
  // The next mark of the user's route, 0 the committee boat, 1..3 marks 1..3; kept by the
  // data panel, read by the race overlays.
  int32_t SelectedTarget = 0;
  // The last point measured from the user's boat: distance in yards and whole-degree bearing.
  double PolarDistance = 0;
  int32_t PolarBearing = 0;
  // Frames of running time since the man-overboard fall: the 2D view shows the swimmer only
  // for the first few, so the user has to note where the crew went in.
  int32_t SwimmerSightFrames = 0;
};
