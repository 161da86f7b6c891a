#include "view3d/camera.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"

namespace {

constexpr double kPi = 3.1416;  // the wrap of relative bearings uses this rounded value

double Wrap(double a) {
  if (a > kPi) a -= 2 * kPi;
  if (a <= -kPi) a += 2 * kPi;
  return a;
}

int BearingDegrees(double a) { return SignedDegrees(static_cast<int>(kRadToDeg * a)); }

// The sine and cosine of the view direction, worked out once for all the points of a frame
// rather than for each: remembered together with the direction they belong to.
struct DirectionTrig {
  int degrees = INT_MIN;
  double sin = 0, cos = 1;
};

const DirectionTrig& TrigOf(int degrees) {
  thread_local DirectionTrig trig;
  if (trig.degrees != degrees) {
    const double v = degrees * kDegToRad;
    trig = DirectionTrig{degrees, std::sin(v), std::cos(v)};
  }
  return trig;
}

// 51.5655 = 0.9 x 57.295: screen x grows with the bearing angle.
constexpr double kColumnsPerRadian = 51.5655;

// East and north of the camera, which stands behind boat `viewer` along the view direction,
// to world point (x, y).
std::pair<double, double> FromCamera(const World& w, double x, double y, int viewer) {
  const double d = 60 - 15 * (3 - w.CameraDistance);
  const DirectionTrig& view = TrigOf(w.ViewDirection);
  return {x - (w.BoatX[viewer] - d * view.sin), (w.BoatY[viewer] + d * view.cos) - y};
}

// The perspective's scale: a point f ahead of the camera stands k / f rows below the scene top.
double RowScale(const World& w) { return static_cast<double>(w.ViewHeight / 9) * (w.HorizonY - w.SceneTop); }

// Columns per radian of bearing (before kColumnsPerRadian) on a row u spans of the scene
// below its top: nearer rows spread the bearings wider.
double BearingScale(const World& w, double u) {
  const bool wide = w.ActivityMode == Activity::kManOverboard || w.ActivityMode == Activity::kWindwardLeewardRace;
  double s;
  switch (w.CameraDistance) {
    case 1: s = wide ? 8 + 12 * u : 7 + 6 * u; break;
    case 2: s = wide ? 8 + 6 * u : 7 + 4 * u; break;
    default: s = wide ? 8 + 4 * u : 7 + 3 * u; break;
  }
  return s * w.ScaleX;
}

// Seen from above with the user's boat at the horizon row, for the farthest zoom and for
// points far behind the camera.
void PlanProject(World& w, int slot, double x, double y, double k) {
  const double e = x - w.BoatX[1];
  const double n = w.BoatY[1] - y;
  double r = std::sqrt(e * e + n * n);
  if (r > 1500) r = 1500;
  const double a = Wrap(Wrap(std::atan2(e, n) - w.ViewDirection * kDegToRad));
  w.ProjectedDistance = r;
  w.ProjectedBearing = BearingDegrees(a);
  w.ProjectedY[slot] = static_cast<int>(w.HorizonY - 5 * k * w.ScaleX * r * std::cos(a));
  w.ProjectedX[slot] = static_cast<int>(w.SceneCentreX + 5 * w.ScaleX * r * std::sin(a));
}

}  // namespace

void UpdateViewDirection(World& w) {
  // The look commands do not wrap the offset, and while the chart or a page covers the view
  // no frame brings it back: it is taken modulo 360, however many turns it gathered.
  w.LookAngle = SignedDegrees(w.LookAngle % 360);
  const int heading = w.BoatHeadings[1];
  if (w.LookAngle == 0 && w.CameraDistance < 4) {
    // The camera looks a little to leeward of the bow, where the sails are.
    const int bias = w.CameraDistance == 1 ? 8 : 6;
    w.ViewDirection = NormalizeDegrees(heading - bias * w.BoatTack[1]);
  } else {
    w.ViewDirection = NormalizeDegrees(heading - w.LookAngle);
  }
  w.WaveOrientation = w.ViewDirection;
}

int HorizonRow(const World& w, int h, int bottom) {
  const int zoom = w.CameraDistance;
  int y = bottom - h / 10;
  if (zoom == 1) y += static_cast<int>(h * -0.33);
  if (zoom == 2) y -= h / 9;
  if (zoom == 3) y -= h / 7;
  if (zoom == 4) y -= h / 5;
  if (w.ViewHeight > 700 && zoom < 4) y -= h / 7;
  if (w.ViewHeight < 500 && zoom < 4) y += h / 6;
  if (zoom == 2) y -= h / 9;
  if (w.ViewWidth < 900 && w.LargeMenuFont) y -= h / 20;
  if (zoom == 1 && w.ViewWidth < 900) y -= h / 20;
  if (w.ViewWidth < 700) y -= h / 15;
  if (IsSailLesson(w.ActivityMode) && zoom == 2) y += h / 30;
  return y;
}

void SetSceneGeometry(World& w, const Rect& scene) {
  w.SceneCentreX = (scene.left + scene.right) / 2;
  w.HorizonY = HorizonRow(w, scene.Height(), scene.bottom);
  w.SceneTop = w.CameraDistance < 4 ? w.ViewHeight / 10 : 0;
}

void Project(World& w, int slot, double x, double y, int viewer) {
  if (w.CameraDistance == 4) {
    PlanProject(w, slot, x, y, 0.7);
    return;
  }
  const double v = w.ViewDirection * kDegToRad;
  const auto [e, n] = FromCamera(w, x, y, viewer);
  const double a = Wrap(std::atan2(e, n) - v);
  if (std::abs(static_cast<int>(kRadToDeg * a)) > 120) {
    PlanProject(w, slot, x, y, 0.4);
    return;
  }
  const double sum = e * e + n * n;
  const double r = sum > 0 ? std::sqrt(sum) : 0;
  w.ProjectedDistance = r;
  w.ProjectedBearing = BearingDegrees(a);

  const double cosA = std::cos(a);
  const double f = std::max(r * cosA, 10.0);
  const int span = w.HorizonY - w.SceneTop;
  const double k = RowScale(w);
  const double row = cosA >= 0 ? w.SceneTop + k / f : w.SceneTop + 0.15 * k;
  w.ProjectedY[slot] = static_cast<int>(row);

  const double u = span != 0 ? (row - w.SceneTop) / span : 0;
  w.ProjectedX[slot] = static_cast<int>(a * BearingScale(w, u) * kColumnsPerRadian) + w.SceneShiftX + w.SceneCentreX;
}

bool DiscBeyondColumns(const World& w, double x, double y, double radius, int leftColumn, int rightColumn) {
  if (w.CameraDistance == 4 || w.HorizonY <= w.SceneTop) return false;
  const auto [e, n] = FromCamera(w, x, y, 1);
  const double r = std::sqrt(e * e + n * n);
  if (!(std::abs(radius) < 0.9 * r)) return false;
  // The bearings of the disc's points lie within the half angle it fills around its centre's,
  // widened a little for rounding.
  const double a = Wrap(std::atan2(e, n) - w.ViewDirection * kDegToRad);
  const double spread = std::asin(std::abs(radius) / r) + 0.02;
  const double low = a - spread, high = a + spread;
  // Well short of the bearings seen from above, where the columns follow another law.
  if (low < -110 * kDegToRad || high > 110 * kDegToRad) return false;
  // A point's column is its bearing times a scale that grows down the scene, truncated toward
  // the middle. No point lies farther than r + radius, so none stands higher than the row
  // that distance gives (or the fixed row of the points abeam and behind).
  const int span = w.HorizonY - w.SceneTop;
  const double k = RowScale(w);
  const double topmost = std::min(k / std::max(r + std::abs(radius), 10.0), 0.15 * k) / span;
  const double least = BearingScale(w, 0.99 * topmost) * kColumnsPerRadian;
  const int middle = w.SceneShiftX + w.SceneCentreX;
  if (high < 0 && high * least + 2 + middle < leftColumn) return true;
  return low > 0 && low * least - 2 + middle > rightColumn;
}

void OrderObjects(World& w, int count) {
  if (count > kMaxDrawObjects) count = kMaxDrawObjects;
  for (int rank = 1; rank <= count; ++rank) {
    int best = 0;
    for (int i = 1; i <= count; ++i) {
      if (w.DrawKey[i] < 19000 && (best == 0 || w.DrawKey[i] < w.DrawKey[best])) best = i;
    }
    w.DrawOrder[rank] = best;
    if (best) w.DrawKey[best] = 20000;
  }
}
