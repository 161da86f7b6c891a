// The wind a boat feels: puffs, the lee of the land, and the current slowed by the land.
#pragma once

#include "state/angles.h"
#include "state/world.h"

// Open water upwind of (x, y) along direction dir: steps out 600 to 4200 units and returns
// 50 x the first step (in hundreds of units) that finds water shallower than 10 ft, at most
// 900; 901 when the water stays deep. shallow(x, y, feet) tells whether the water there is
// shallower than `feet`.
template <typename ShallowFn>
int UpwindFetch(const World& w, int x, int y, int dir, ShallowFn&& shallow) {
  const int d = WrapDegreesFull(dir);
  for (int k = 6; k <= 42; k += 2) {
    if (shallow(x + w.SinTable[d] * k, y - w.CosTable[d] * k, 10)) return k * 50 < 900 ? k * 50 : 900;
  }
  return 901;
}

// The wind at the lee of the land: half strength at the shore, full from 900 on.
constexpr int LeeWind(int wind, int fetch) {
  return fetch < 900 ? (wind + wind * fetch / 900) / 2 : wind;
}
