// Simulator speed: each step of SimSpeed (1..15) makes the time step about 1.55 times larger.
#pragma once

#include <cstdint>

struct World;

// The divisor of the time step for a speed; speeds outside 1..15 take the nearest end.
int32_t SimSpeedDivisorFor(int speed);

// The shortest frame the speed allows, in milliseconds.
int32_t MinFrameMsFor(int speed);

// SimSpeedDivisor from SimSpeed.
void UpdateSimSpeedDivisor(World& w);
