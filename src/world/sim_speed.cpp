#include "world/sim_speed.h"

#include <algorithm>
#include <array>

#include "state/world.h"

namespace {
constexpr std::array<int32_t, 15> kDivisors = {4616, 2978, 1922, 1240, 800, 516, 333, 215,
                                              139,  89,   58,   37,   24,  16,  10};
constexpr std::array<int32_t, 15> kMinFrameMs = {100, 70, 50, 35, 20, 20, 20, 20,
                                                20,  20, 20, 20, 20, 20, 20};
int Index(int speed) { return std::clamp(speed, 1, 15) - 1; }
}  // namespace

int32_t SimSpeedDivisorFor(int speed) { return kDivisors[Index(speed)]; }
int32_t MinFrameMsFor(int speed) { return kMinFrameMs[Index(speed)]; }
void UpdateSimSpeedDivisor(World& w) { w.SimSpeedDivisor = SimSpeedDivisorFor(w.SimSpeed); }
