#include "world/scenery.h"

#include <array>
#include <cmath>

#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "world/depth.h"

namespace {

constexpr std::array<double, 10> kDentFactors{0.9, 0.8, 0.7, 0.65, 0.6, 0.6, 0.65, 0.7, 0.8, 0.9};

double RandomShape(World& w) { return 0.2 + 0.6 / (1 + RandomBelow(w, 3)); }

void SetObject(World& w, int i, int x, int y, int size) {
  w.SceneryX[i] = x;
  w.SceneryY[i] = y;
  w.ScenerySize[i] = size;
}

void SetRandomForm(World& w, int i) {
  w.SceneryShape[i] = RandomShape(w);
  w.SceneryRotation[i] = RandomBelow(w, 90) * kDegToRad;
  w.SceneryDent[i] = 1 + RandomBelow(w, 24);
}

void SetUpCoastOrLakeObject(World& w, int i) {
  const int x = i <= 3 ? (RandomBelow(w, 300) + 1500) * i - 9000 : (RandomBelow(w, 300) + 3000) * (i - 3);
  const int y = w.SailingArea == 3 ? (RandomBelow(w, 3000) - 1500) * w.ShoreSign
                                   : (RandomBelow(w, 6000) - 2000) * w.ShoreSign;
  const int size = 400 + RandomBelow(w, 400);
  SetObject(w, i, w.MirrorScenery ? -x : x, y, size);
  SetRandomForm(w, i);
}

void SetUpIsland(World& w, int i) {
  if (i <= 5) {
    const int x = (RandomBelow(w, 300) + 2400) * i - 8000;
    const int y = (RandomBelow(w, 4000) + 1100) * w.ShoreSign;
    SetObject(w, i, x, y, 500 + RandomBelow(w, 500));
  } else {
    const int x = (RandomBelow(w, 300) + 2000) * (i - 5) - 9000;
    const int y = -(RandomBelow(w, 4000) + 1100) * w.ShoreSign;
    SetObject(w, i, x, y, 400 + RandomBelow(w, 400));
  }
  SetRandomForm(w, i);
}

void SetUpPier(World& w) {
  SetObject(w, 1, -680, 0, 630);
  w.SceneryShape[1] = 0.5;
  w.SceneryRotation[1] = 0;
  w.SceneryDent[1] = 11 + RandomBelow(w, 8);
}

// The river's five objects stand where its bend puts them; a spread adds a random draw.
enum class RiverSide { AgainstBend, ShoreSign };
enum class RiverTurn { WithBend, Fixed120, ByMirror };

struct RiverObject {
  int x, xSpread;
  int y;
  RiverSide side;
  int size, sizeSpread;
  double shape;
  bool randomShape;  // 0.4 + 0.6 / (1, 2 or 3)
  RiverTurn turn;
  int dent, dentSpread;
};

constexpr std::array<RiverObject, 5> kRiverObjects{{
    {-7000, 0, 2700, RiverSide::AgainstBend, 400, 0, 0.3, false, RiverTurn::WithBend, 22, 0},
    {-7300, 0, 3300, RiverSide::AgainstBend, 300, 0, 0.2, false, RiverTurn::WithBend, 1, 10},
    {3000, 0, 200, RiverSide::ShoreSign, 300, 50, 0.3, false, RiverTurn::Fixed120, 15, 10},
    {6000, 0, 600, RiverSide::ShoreSign, 500, 0, 0.2, false, RiverTurn::ByMirror, 0, 15},
    // The small rock gets a plain outline without a bay.
    {-6200, 200, 1700, RiverSide::AgainstBend, 100, 100, 0.4, true, RiverTurn::WithBend, 0, 0},
}};

void SetUpRiverObject(World& w, int i) {
  const RiverObject& o = kRiverObjects[i - 1];
  const bool bendNorth = w.RiverBend == 1;
  const int x = o.x + (o.xSpread ? RandomBelow(w, o.xSpread) : 0);
  const int y = o.side == RiverSide::AgainstBend ? (bendNorth ? -o.y : o.y) : o.y * w.ShoreSign;
  const int size = o.size + (o.sizeSpread ? RandomBelow(w, o.sizeSpread) : 0);
  SetObject(w, i, x, y, size);
  w.SceneryShape[i] = o.randomShape ? o.shape + 0.6 / (1 + RandomBelow(w, 3)) : o.shape;
  int turn = bendNorth ? 110 : 70;
  if (o.turn == RiverTurn::Fixed120) turn = 120;
  if (o.turn == RiverTurn::ByMirror) turn = (w.MirrorScenery + 6) * 10;
  w.SceneryRotation[i] = turn * kDegToRad;
  w.SceneryDent[i] = o.dent + (o.dentSpread ? RandomBelow(w, o.dentSpread) : 0);
}

void MoveObject(World& w, int i, int dx, int dy) {
  w.SceneryX[i] += dx;
  w.SceneryY[i] += dy;
  for (int k = 0; k < kOutlinePoints; ++k) {
    w.SceneryOutlineX[i][k] += dx;
    w.SceneryOutlineY[i][k] += dy;
  }
  if (i <= 10) {
    w.SceneObjectX[i] = w.SceneryX[i];
    w.SceneObjectY[i] = w.SceneryY[i];
  }
}

}  // namespace

void KeepStartAfloat(World& w, int i) {
  const int x = static_cast<int>(w.BoatX[1]);
  const int y = static_cast<int>(w.BoatY[1]);
  const double dx = w.SceneryX[i] - x;
  const double dy = w.SceneryY[i] - y;
  const double length = std::sqrt(dx * dx + dy * dy);
  const double ux = length > 0 ? dx / length : 0;
  const double uy = length > 0 ? dy / length : 1;
  for (int step = 0; step < 400 && SceneryDepthAt(w, i, x, y) < 5; ++step) {
    MoveObject(w, i, static_cast<int>(std::lround(ux * 25)), static_cast<int>(std::lround(uy * 25)));
  }
}

void BuildSceneryOutline(World& w, int i) {
  const double rho = w.SceneryRotation[i];
  const double shape = w.SceneryShape[i];
  const int size = w.ScenerySize[i];
  const int dent = w.SceneryDent[i];
  const int rotationDegrees = static_cast<int>(kRadToDeg * rho);
  for (int k = 0; k < 36; ++k) {
    double r = size + RandomBelow(w, size / 40);
    if (dent > 0 && k >= dent && k <= dent + 9) r *= kDentFactors[k - dent];
    const double theta = 10 * k * kDegToRad;
    const double across = r * std::sin(theta) * shape;
    const double along = r * std::cos(theta);
    const int ox = static_cast<int>(across * std::cos(rho) + along * std::sin(rho));
    const int oy = static_cast<int>(across * std::sin(rho) - along * std::cos(rho));
    w.SceneryOutlineX[i][k] = w.SceneryX[i] + ox;
    w.SceneryOutlineY[i][k] = w.SceneryY[i] + oy;
    w.SceneryRadius[i][k] = std::sqrt(static_cast<double>(ox) * ox + static_cast<double>(oy) * oy);
    w.SceneryBearing[i][k] = SignedDegrees(10 * k + rotationDegrees);
  }
  w.SceneryOutlineX[i][36] = w.SceneryOutlineX[i][0];
  w.SceneryOutlineY[i][36] = w.SceneryOutlineY[i][0];
  w.SceneryRadius[i][36] = w.SceneryRadius[i][0];
  w.SceneryBearing[i][36] = w.SceneryBearing[i][0];
  // Scene objects 11 and up are the boats; the islands area's objects 11 and 12 stay out.
  if (i <= 10) {
    w.SceneObjectX[i] = w.SceneryX[i];
    w.SceneObjectY[i] = w.SceneryY[i];
    w.SceneObjectKind[i] = kSceneKindLand;
  }
}

void SetUpScenery(World& w, int i) {
  if (i < 1 || i > kMaxScenery) return;
  if (w.ActivityMode == Activity::kDocking && i == 1) {
    SetUpPier(w);
  } else if (w.SailingArea == 4 && i <= 5) {
    SetUpRiverObject(w, i);
  } else if (w.SailingArea == 2) {
    SetUpIsland(w, i);
  } else {
    SetUpCoastOrLakeObject(w, i);
  }
  BuildSceneryOutline(w, i);
  KeepStartAfloat(w, i);
}
