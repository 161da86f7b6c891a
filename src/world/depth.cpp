#include "world/depth.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"

namespace {

// The shore line's offshore coordinate at along-shore x, on the regular chain of points
// first..last (the end points at +-10000 are left out at both ends alike).
double ShoreLineAt(const World& w, int x, int first, int last) {
  int n = (x - w.ShoreX[first]) / w.ShoreStep + first;
  n = std::max(n, first);
  if (n <= first) return w.ShoreY[first];
  if (n >= last) return w.ShoreY[last];
  return w.ShoreY[n] + static_cast<int>(static_cast<double>(x - w.ShoreX[n]) / w.ShoreStep * (w.ShoreY[n + 1] - w.ShoreY[n]));
}

// The shelf off one shore: 1 ft per 20 yards from the shore line, 0 beyond it on the land
// side (landSign: the sign of y that points from the water to that shore's land).
double ShelfDepth(double ys, int y, int landSign) {
  const bool onLand = (y - ys) * landSign > 0;
  return onLand ? 0 : 0.05 * std::fabs(ys - y);
}

double ShoreDepth(const World& w, int x, int y) {
  const int nearLand = w.ShoreOffset < 0 ? -1 : 1;
  const double nearDepth = ShelfDepth(ShoreLineAt(w, x, 2, w.SailingArea == 1 ? 283 : 141), y, nearLand);
  if (w.SailingArea == 1) return nearDepth;
  // Both banks count: the river's bend can carry a bank across the middle line, where the
  // bank on the point's own side of y = 0 would not see it.
  const double farDepth = ShelfDepth(ShoreLineAt(w, x, 144, 283), y, -nearLand);
  return std::min(nearDepth, farDepth);
}

// Whether object i leaves depth d at (x, y) as it is: with its widest radius in place of
// the radius toward the point, the depth it gives there can only be smaller, so when even
// that is no shallower than d, the bearing toward the point need not be worked out.
bool SceneryCannotShoal(const World& w, int i, int x, int y, double d) {
  double widest = 0;
  for (int k = 0; k < kOutlinePoints - 1; ++k) widest = std::max(widest, w.SceneryRadius[i][k]);
  if (!(widest > 0) || !std::isfinite(widest)) return false;
  const double dx = static_cast<double>(x) - w.SceneryX[i];
  const double dy = static_cast<double>(y) - w.SceneryY[i];
  const double e = std::sqrt(dx * dx + dy * dy);
  return 20 * e / widest - 18 >= d;
}

}  // namespace

double SceneryDepthAt(const World& w, int i, int x, int y) {
  const double dx = static_cast<double>(x) - w.SceneryX[i];
  const double dy = static_cast<double>(y) - w.SceneryY[i];
  const int bearing = BearingTo(dx, -dy);
  const int sector = WrapDegreesFull(bearing - static_cast<int>(kRadToDeg * w.SceneryRotation[i])) / 10;
  double radius = std::numeric_limits<double>::infinity();
  for (int k = std::max(sector - 3, 0); k <= std::min(sector + 3, 35); ++k) {
    radius = std::min(radius, w.SceneryRadius[i][k]);
  }
  // An object without extent (never built) leaves the water as it is.
  if (!(radius > 0) || !std::isfinite(radius)) return std::numeric_limits<double>::infinity();
  const double e = std::sqrt(dx * dx + dy * dy);
  return std::max(0.0, 20 * e / radius - 18);
}

namespace {

// The depth at (x, y) before it is made whole and capped at the area's base depth, which goes
// to *base. Objects that cannot bring the water below `below` feet are passed over, and the
// search ends once it is known to be shallower than that; below 0 finds the exact depth.
double Depth(const World& w, int x, int y, int* base, int below) {
  const int area = w.SailingArea;
  const bool river = area == 4;
  *base = river ? 30 : 59;
  const double c = river ? 4 : 3;
  const int q = w.ShoreQuadrant;
  if (area == 1 && ((q == 1 && y < w.ShoreOffset) || (q == 3 && y > w.ShoreOffset))) *base = 30;
  if (area == 3 && std::abs(y) > std::abs(w.ShoreOffset)) *base = 30;
  // The islands area has no shore to shoal towards: its open water stays deep.
  const bool hasShore = area != 2;
  if (hasShore && w.ShoreOffset != 0 && ((q == 1 && y < 0) || (q == 3 && y > 0))) {
    *base = static_cast<int>(*base * (1 - y / (c * w.ShoreOffset)));
  }
  // Far beyond the shore the shoaling formula turns negative; there is no water there.
  *base = std::max(*base, 0);

  double d = *base;
  if (area != 2 && w.ShoreStep != 0) d = ShoreDepth(w, x, y);
  if (w.ActivityMode != Activity::kCollisionAvoidance) {
    const int count = std::clamp(w.SceneryObjectCount, 0, kMaxScenery);
    for (int i = 1; i <= count && !(d < below); ++i) {
      const double bound = below < 0 ? d : std::min<double>(d, below);
      if (!SceneryCannotShoal(w, i, x, y, bound)) d = std::min(d, SceneryDepthAt(w, i, x, y));
    }
  }
  return d;
}

}  // namespace

int DepthAt(const World& w, int x, int y) {
  int base = 0;
  const double d = Depth(w, x, y, &base, -1);
  return std::clamp(static_cast<int>(d), 0, base);
}

bool ShallowerThan(const World& w, int x, int y, int feet) {
  // Depths never go below 0, so a whole number of feet under `feet` is a depth under it: the
  // objects that cannot bring it there can be left out.
  int base = 0;
  const double d = Depth(w, x, y, &base, std::max(feet, 0));
  return std::clamp(static_cast<int>(d), 0, base) < feet;
}
