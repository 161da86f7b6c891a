// What the user has singled out on the 2D view, the chart and the panel.
#pragma once

#include <cstdint>

struct ChartGlobals {
  // The next mark of the user's route, 0 the committee boat, 1..3 marks 1..3; kept by the
  // data panel, read by the race overlays.
  int32_t SelectedTarget = 0;
  int32_t SelectedTargetSince = 0;  // SimSeconds when SelectedTarget last changed
  // The last point measured from the user's boat: distance in yards and whole-degree bearing.
  double PolarDistance = 0;
  int32_t PolarBearing = 0;
};
