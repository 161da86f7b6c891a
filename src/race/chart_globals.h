// The 2D view and the chart screen.
#pragma once

#include <cstdint>

struct ChartGlobals {
};
