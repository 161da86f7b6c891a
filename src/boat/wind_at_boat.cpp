#include "boat/wind_at_boat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "boat/boat_step_parts.h"
#include "state/angles.h"
#include "world/depth.h"

namespace {

int Fetch(const World& w, int x, int y, int dir) {
  return UpwindFetch(w, x, y, dir, [&w](int px, int py, int feet) { return ShallowerThan(w, px, py, feet); });
}

}  // namespace

void ComputeWindAtBoat(World& w, int b) {
  int dir = w.WindDirection;
  int speed = w.WindSpeed;
  if (w.WindSetting != 0) {
    bool inside = false;
    for (int i = 1; i <= kPuffCount; ++i) {
      const double dx = w.PuffX[i] - w.BoatX[b];
      const double dy = w.PuffY[i] - w.BoatY[b];
      if (std::sqrt(dx * dx + dy * dy) < w.PuffRadius[i] * 1.25) {
        speed += w.PuffSpeedChange[i];
        dir += w.PuffShift;
        inside = true;
      }
    }
    if (b == 1) w.InsidePuff = inside ? 1 : 0;

    // Fleet boats measure their lee along the wind too, so that one shore shelters every
    // boat alike.
    const int fetch = Fetch(w, static_cast<int>(w.BoatX[b]), static_cast<int>(w.BoatY[b]), w.WindDirection);
    speed = std::max(LeeWind(speed, fetch), 7);
    if (b == 1) {
      w.WaveClass = std::max(std::min(w.WindSpeed / 7, 3) - (fetch < 900 ? 1 : 0), 0);
    }
  }
  // In steady wind the waves follow the wind alone, rather than keep the previous sailing's.
  if (w.WindSetting == 0 && b == 1) w.WaveClass = std::min(w.WindSpeed / 7, 3);
  w.WindDirectionAtBoat[b] = WrapDegreesFull(dir);
  w.WindSpeedAtBoat[b] = speed;

  if (b == 1) {
    // The current is slowed by the land up-current of the user's boat.
    const int fetch = Fetch(w, static_cast<int>(w.BoatX[1]), static_cast<int>(w.BoatY[1]), w.CurrentDirection);
    w.EffectiveCurrent = w.CurrentSpeed * fetch / 900;
  }
}

void NeighbourScan(World& w, int b) {
  w.BoatAheadClose[b] = 0;
  w.SameTackNeighbour[b] = 0;
  w.ClosePursuer[b] = 0;
  w.WindShadowState[b] = 0;
  const int xb = static_cast<int>(w.BoatX[b]);
  const int yb = static_cast<int>(w.BoatY[b]);
  for (int j = 1; j <= w.BoatCount; ++j) {
    if (j == b) continue;
    const int dx = static_cast<int>(w.BoatX[j]) - xb;
    const int dy = yb - static_cast<int>(w.BoatY[j]);
    const int m = std::abs(dx) + std::abs(dy);
    if (m >= 85) continue;
    const int bearing = BearingTo(dx, dy);
    const int offWind = AngleBetween(w.WindDirectionAtBoat[b], bearing);
    const int offBow = AngleBetween(w.BoatHeadings[b], bearing);
    const bool sameTack = w.BoatTack[b] == w.BoatTack[j];
    if (offBow < 30 && m < 25) w.BoatAheadClose[b] = 1;
    if (m < 25 && sameTack) w.SameTackNeighbour[b] = 1;
    if (m < 20 && offBow > 90 && sameTack && offWind < 110) w.ClosePursuer[b] = 1;
    if (offWind < 25) w.WindShadowState[b] = 2;
    if (offBow < 35 && sameTack && w.TrueWindAngles[b] < 60) w.WindShadowState[b] = 3;
  }
}

int ContactDistance(const World& w, int b, int j) {
  if (w.IsCatamaran) return 10;
  const int apart = AngleBetween(w.BoatHeadings[b], w.BoatHeadings[j]);
  const bool crossing = w.BoatTack[b] != w.BoatTack[j] && apart >= 30 && apart <= 150;
  return crossing ? 8 : 6;
}
