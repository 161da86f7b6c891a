#include "boat/wave_crests.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "state/angles.h"
#include "state/world.h"

int WaveCrestCount(const World& w) { return (w.SimSpeed > 12 || w.SimpleGraphics) ? 250 : 600; }

double NearestCrestDistance(const World& w, double x, double y, int excluded) {
  // The square root grows with its argument, so the root of the least square is the least
  // root: one root instead of one per crest.
  double bestSquare = std::numeric_limits<double>::infinity();
  const int n = WaveCrestCount(w);
  for (int k = 0; k < n; ++k) {
    if (k == excluded) continue;
    const double dx = w.CrestX[k] - x;
    const double dy = w.CrestY[k] - y;
    bestSquare = std::min(bestSquare, dx * dx + dy * dy);
  }
  return std::min(std::sqrt(bestSquare), 50000.0);
}

void PlaceCrest(World& w, int k, bool replace) {
  const double v = w.WaveOrientation * kDegToRad;
  const double aheadX = w.BoatX[1] + 300 * std::sin(v);
  const double aheadY = w.BoatY[1] - 300 * std::cos(v);
  for (int pick = 0; pick < 3; ++pick) {
    w.CrestX[k] = aheadX + RandomBelow(w, 1320) - 660;
    w.CrestY[k] = aheadY + RandomBelow(w, 1320) - 660;
    if (NearestCrestDistance(w, w.CrestX[k], w.CrestY[k], k) >= 20) break;
  }
  if (!replace) w.CrestSeed[k] = RandomBelow(w, 100);
}

void PlaceCrestsAtStart(World& w) {
  if (w.SimSeconds != w.ActivityStartSeconds) {
    w.WaveCrestsPlaced = 0;
    return;
  }
  if (w.WaveCrestsPlaced) return;
  const int n = WaveCrestCount(w);
  for (int k = 0; k < n; ++k) PlaceCrest(w, k, false);
  w.WaveCrestsPlaced = 1;
}

void UpdateWaveCrests(World& w) {
  const int n = WaveCrestCount(w);
  for (int k = 0; k < n; ++k) {
    const double dx = w.CrestX[k] - w.BoatX[1];
    const double dy = w.CrestY[k] - w.BoatY[1];
    if (std::sqrt(dx * dx + dy * dy) > 450) PlaceCrest(w, k, true);
  }
  w.WavePhase += 1;
  if (w.WavePhase > 310 * w.SimSpeedDivisor) w.WavePhase = 0;
}
