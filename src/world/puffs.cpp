#include "world/puffs.h"

#include <cmath>

#include "state/angles.h"
#include "state/world.h"

void RenewExpiredPuffs(World& w) {
  for (int i = 1; i <= kPuffCount; ++i) {
    if (w.PuffExpiry[i] < w.SimSeconds) CreatePuff(w, i);
  }
}

void CreatePuff(World& w, int i) {
  if (i < 1 || i > kPuffCount) return;
  const double distance = RandomBelow(w, 2000) + 500;
  const int bearing = NormalizeDegrees(w.WindDirection + RandomBelow(w, 140) - 70);
  w.PuffX[i] = w.BoatX[1] + distance * std::sin(bearing * kDegToRad);
  w.PuffY[i] = w.BoatY[1] - distance * std::cos(bearing * kDegToRad);
  w.PuffSpeedChange[i] = w.SeaBreeze ? RandomBelow(w, 4) + 2 : RandomBelow(w, 2) + 2;
  w.PuffExpiry[i] = w.SimSeconds + 300 + 2 * RandomBelow(w, 300);
  w.PuffRadius[i] = RandomBelow(w, 300) + 150;
  w.PuffGustSpeed = RandomBelow(w, w.WindSpeed / 2) + w.WindSpeed / 2;
  w.PuffShift = RandomBelow(w, 4) - 2 + w.PuffStrength;
}
