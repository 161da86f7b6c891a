#include "world/shoreline.h"

#include <array>
#include <cmath>

#include "state/activity.h"
#include "state/world.h"

namespace {

struct BayCut {
  int firstOffset;  // relative to the bay's start point
  std::array<double, 14> factors;
  int count;
};

constexpr BayCut kBay1{-1, {1.05, 1.1, 1.2, 1.3, 1.65, 1.65, 1.55, 1.45, 1.3, 1.15, 1.06, 1.03}, 12};
constexpr BayCut kBay2{-2, {1.05, 1.1, 1.2, 1.3, 1.4, 1.45, 1.45, 1.45, 1.4, 1.3, 1.2, 1.15, 1.08, 1.04}, 14};
constexpr BayCut kBay3{-3, {1.02, 1.05, 1.1, 1.25, 1.4, 1.5, 1.55, 1.5, 1.4, 1.1, 1.05, 1.05}, 12};

// The river's second bay opens much wider: its first points grow from the point before it.
constexpr std::array<double, 7> kRiverBayFromBase{1.1, 1.2, 1.3, 1.5, 2.0, 2.3, 2.5};
constexpr std::array<double, 5> kRiverBayOwn{2.0, 1.7, 1.2, 1.15, 1.08};

// Offsets from the bay start to the bay's end point, bays 1..3.
constexpr std::array<int, 4> kBayEndOffset{0, 8, 9, 6};

void CutBay(World& w, int start, const BayCut& cut) {
  for (int k = 0; k < cut.count; ++k) {
    const int i = start + cut.firstOffset + k;
    if (i >= 1 && i <= kShorePoints) w.ShoreY[i] = static_cast<int>(w.ShoreY[i] * cut.factors[k]);
  }
}

void CutRiverBay(World& w, int start) {
  const int base = w.ShoreY[start - 5];
  for (std::size_t k = 0; k < kRiverBayFromBase.size(); ++k) {
    w.ShoreY[start - 4 + static_cast<int>(k)] = static_cast<int>(base * kRiverBayFromBase[k]);
  }
  for (std::size_t k = 0; k < kRiverBayOwn.size(); ++k) {
    const int i = start + 3 + static_cast<int>(k);
    w.ShoreY[i] = static_cast<int>(w.ShoreY[i] * kRiverBayOwn[k]);
  }
}

void LayShorePoints(World& w) {
  const int area = w.SailingArea;
  const bool coast = area == 1;
  const bool lake = area == 3;
  const bool river = area == 4;
  const bool twoShores = lake || river;
  const int origin = w.MirrorScenery ? 9000 : -9000;
  const double basePeriod = coast ? 500 : 600;

  for (int i = 2; i <= 283; ++i) {
    const bool farShore = twoShores && i > 142;
    double period = basePeriod;
    if ((coast || lake) && w.ShoreX[i - 1] > 0) period = 1000;
    const double period4 = 4 * basePeriod;
    const double period7 = 7 * basePeriod;
    int amplitude = w.ShoreAmplitude;
    if (!(river && i >= 144 && i <= 179)) amplitude += RandomBelow(w, w.ViewHeight / 30);

    const int x = (twoShores && i >= 143 ? i - 143 : i) * w.ShoreStep + origin;
    double offset = coast ? 0 : -400;
    if (river && farShore) offset = 2.34 * period;
    const double t = x + offset;
    const double waves = lake && w.SmoothLakeShore
                             ? std::sin(t / period7)
                             : std::sin(t / period) + std::sin(t / period4) + std::sin(t / period7);
    const double side = farShore ? -1 : 1;
    int y = static_cast<int>(side * (w.ShoreSign * amplitude * waves + w.ShoreOffset));
    // The river bends away to one side west of the origin.
    if (river && x < 0) y -= static_cast<int>(-0.3 * x) * w.RiverBend;
    w.ShoreX[i] = x;
    w.ShoreY[i] = y;
  }
}

void CutBays(World& w) {
  const int area = w.SailingArea;
  const bool coast = area == 1;
  const bool river = area == 4;
  const bool mirrored = w.MirrorScenery == 1;
  const bool north = w.ShoreQuadrant == 1;

  int b1 = 30;
  if (river) b1 = (north && w.RiverBend == 1) || (!north && w.RiverBend == -1) ? 30 : 32;
  if (mirrored) b1 = 42;
  int b2 = coast ? (mirrored ? 150 : 120) : 110;
  if (river) b2 = mirrored ? (north ? 204 : 206) : 225;
  int b3 = coast && mirrored ? 245 : 217;
  if (river) b3 = mirrored ? (north ? 100 : 105) : 95;

  CutBay(w, b1, kBay1);
  if (river) {
    CutRiverBay(w, b2);
  } else {
    CutBay(w, b2, kBay2);
  }
  CutBay(w, b3, kBay3);

  const std::array<int, 4> starts{0, b1, b2, b3};
  for (int bay = 1; bay <= 3; ++bay) {
    w.BayStart[bay] = starts[bay];
    w.BayMouthX[bay] = w.ShoreX[starts[bay]];
    w.BayEndX[bay] = w.ShoreX[starts[bay] + kBayEndOffset[bay]];
  }
}

void SetEndPoints(World& w) {
  const bool twoShores = w.SailingArea == 3 || w.SailingArea == 4;
  const int west = w.MirrorScenery ? 10000 : -10000;
  w.ShoreX[1] = west;
  w.ShoreY[1] = w.ShoreOffset;
  w.ShoreX[kShorePoints] = -west;
  w.ShoreY[kShorePoints] = twoShores ? -w.ShoreOffset : w.ShoreOffset;
  if (twoShores) {
    w.ShoreX[142] = -west;
    w.ShoreY[142] = w.ShoreOffset;
    w.ShoreX[143] = west;
    w.ShoreY[143] = -w.ShoreOffset;
  }
  if (w.MirrorScenery) w.ShoreY[2] = w.ShoreY[3];
}

void SetUpHills(World& w) {
  const bool twoShores = w.SailingArea == 3 || w.SailingArea == 4;
  int n = 1;
  for (int k = 19; k >= 15; --k, ++n) {
    const int j = 20 + RandomBelow(w, 120);
    w.HillX[n] = w.ShoreX[j];
    w.HillY[n] = w.ShoreY[j] - w.ShoreSign * k * 500;
    w.HillSize[n] = 50 + RandomBelow(w, 100);
  }
  int m = 21;
  for (int k = 19; k >= 16; --k, ++n, ++m) {
    const int j = 160 + RandomBelow(w, 110);
    w.HillX[n] = w.ShoreX[j];
    w.HillY[n] = twoShores ? w.ShoreY[j] + w.ShoreSign * m * 500 : w.ShoreY[j] - w.ShoreSign * k * 500;
    w.HillSize[n] = 50 + RandomBelow(w, 100);
  }
}

// The harbour lies in the middle of bay 1 or bay 2 by its variant; a landmark stands at
// each bay's mouth.
void PlaceHarbour(World& w) {
  w.HarbourVariant = RandomBelow(w, 100) < 50 ? 1 : 2;
  const int middle = w.BayStart[w.HarbourVariant] + 4;
  w.HarbourX = w.ShoreX[middle];
  w.HarbourY = w.ShoreY[middle];
  for (int bay = 1; bay <= 3; ++bay) {
    w.LandmarkX[bay] = w.ShoreX[w.BayStart[bay]];
    w.LandmarkY[bay] = w.ShoreY[w.BayStart[bay]];
  }
}

}  // namespace

void SetUpShoreline(World& w) {
  const int area = w.SailingArea;
  const bool coast = area == 1;
  const bool river = area == 4;
  w.MirrorScenery = RandomBelow(w, 100) < 50 ? 1 : 0;
  if (w.ActivityMode == Activity::kDocking) w.MirrorScenery = 0;
  w.RiverBend = river ? (RandomBelow(w, 100) < 50 ? 1 : -1) : 0;
  w.ShoreAmplitude = 90 + RandomBelow(w, 80);
  w.SmoothLakeShore = RandomBelow(w, 100) < 25 ? 1 : 0;
  w.ShoreStep = (coast ? 65 : 125) * (w.MirrorScenery ? -1 : 1);
  // The first point is laid before the chain, so the chain does not read the last
  // activity's shore.
  w.ShoreX[1] = w.MirrorScenery ? 10000 : -10000;

  LayShorePoints(w);
  CutBays(w);
  SetEndPoints(w);
  SetUpHills(w);
  PlaceHarbour(w);
}
