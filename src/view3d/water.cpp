#include "view3d/water.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "draw/palette.h"
#include "state/angles.h"
#include "state/world.h"
#include "view3d/camera.h"
#include "view3d/scatter_table.h"

namespace {

constexpr int kMaxRipples = 70;
constexpr int kExtraRipples = 89;  // around the user's boat inside a puff

void Ripple(World& w, Canvas& c, int x, int y) {
  const int length = 2 + (y - w.SceneTop) / 25;
  c.MoveTo(x, y);
  c.LineTo(x + length, y - length / 6);
}

void RipplePen(const World& w, Canvas& c) { c.SetPen(palette::Ink(w, palette::kRipple, palette::kBlack)); }

// A crest seen from above: five points along its upwind edge, four back along its lee edge.
// Along the crest in units of its half length, across it in units of its width.
struct CrestPoint {
  double along, across;
};
constexpr std::array<CrestPoint, 9> kCrestShape{{{-1.0, 0.0},
                                                 {-0.6, 0.7},
                                                 {-0.2, 1.0},
                                                 {0.25, 0.9},
                                                 {0.7, 0.5},
                                                 {1.0, 0.0},
                                                 {0.5, -0.3},
                                                 {0.0, -0.45},
                                                 {-0.5, -0.3}}};

constexpr int kMargin = 4;  // beyond the scene by this much, nothing drawn through a point shows

}  // namespace

bool WhollyOutside(const Point* points, int count, const Rect& scene) {
  bool left = true, right = true, above = true, below = true;
  for (int i = 0; i < count; ++i) {
    left = left && points[i].x < scene.left - kMargin;
    right = right && points[i].x > scene.right + kMargin;
    above = above && points[i].y < scene.top - kMargin;
    below = below && points[i].y > scene.bottom + kMargin;
  }
  return left || right || above || below;
}

void DrawPuff(World& w, Canvas& c, int i, const Rect& scene) {
  if (w.WindSetting == 0) return;
  const double px = w.PuffX[i];
  const double py = w.PuffY[i];
  Project(w, 0, px, py);
  const int sx = w.ProjectedX[0];
  const int sy = w.ProjectedY[0];
  if (sx < scene.left - scene.Width() / 2 || sx > scene.right + scene.Width() / 2 ||
      sy > scene.bottom + scene.Height() / 2) {
    return;
  }

  const double r = w.PuffRadius[i];
  const std::array<std::array<double, 2>, 4> offsets{{{r, 0}, {-r, 0}, {0, r}, {0, -r}}};
  int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
  for (const auto& o : offsets) {
    Project(w, 0, px + o[0], py + o[1]);
    left = std::min(left, w.ProjectedX[0]);
    right = std::max(right, w.ProjectedX[0]);
    top = std::min(top, w.ProjectedY[0]);
    bottom = std::max(bottom, w.ProjectedY[0]);
  }
  if (right < scene.left || left >= scene.right || bottom < scene.top || top >= scene.bottom) return;
  left = std::max(left, -w.ViewWidth);
  right = std::min(right, 2 * w.ViewWidth);

  if (w.CameraDistance < 4 && !w.Monochrome) {
    c.SetNullPen();
    c.SetBrush(palette::kPuff);
    c.Ellipse(left, top, right, bottom);
  }

  const int width = right - left;
  const int height = bottom - top;
  const int visibleHeight = std::min(bottom, scene.bottom) - std::max(top, scene.top);
  const int n = std::min((visibleHeight + std::min(width, scene.Width()) / 4) / 2, kMaxRipples);
  RipplePen(w, c);
  for (int j = 0; j < n; ++j) {
    int x, y;
    if (j % 5 == 4) {
      x = left + RandomBelow(w, width);
      y = top + RandomBelow(w, height);
    } else {
      x = left + width * kScatter[j].x / 100;
      y = top + height * kScatter[j].y / 100;
    }
    if (y > w.SceneTop + 15) Ripple(w, c, x, y);
  }
}

void DrawPuffs(World& w, Canvas& c, const Rect& scene) {
  for (int i = 1; i <= kPuffCount; ++i) DrawPuff(w, c, i, scene);
  if (w.WindSetting == 0 || !w.InsidePuff) return;
  const int top = w.CameraDistance < 4 ? w.ViewHeight / 10 + w.SceneTop : 0;
  const int span = std::max(scene.bottom - top, 1);
  RipplePen(w, c);
  for (int j = 0; j < kExtraRipples; ++j) {
    const int x = RandomBelow(w, w.ViewWidth);
    const int y = top + RandomBelow(w, span);
    Ripple(w, c, x, y);
  }
}

namespace {

// The directions a crest's shape is laid out along: along the crest (across the wind) and
// upwind, as unit vectors in world coordinates. The same for every crest of a frame.
struct CrestAxes {
  double ax, ay, ux, uy;
};

CrestAxes CrestAxesFor(const World& w) {
  const double along = (w.WindDirection - 90) * kDegToRad;
  const double upwind = w.WindDirection * kDegToRad;
  return CrestAxes{std::sin(along), -std::cos(along), std::sin(upwind), -std::cos(upwind)};
}

void DrawCrestOnAxes(World& w, Canvas& c, int k, int crestCount, const Rect& scene, const CrestAxes& axes) {
  const double cx = w.CrestX[k];
  const double cy = w.CrestY[k];
  const double dx = cx - w.BoatX[1];
  const double dy = cy - w.BoatY[1];
  // A crest left this far behind is placed anew by the wave update, not drawn.
  if (dx * dx + dy * dy > 450.0 * 450.0) return;
  Project(w, 0, cx, cy);
  const int sx = w.ProjectedX[0];
  if (sx < -w.ViewWidth / 2 || sx > 1.2 * w.ViewWidth) return;
  // Nothing of a crest whose centre lies well below the scene would show.
  if (w.ProjectedY[0] > scene.bottom + scene.Height() / 4) return;

  const int waveClass = w.WaveClass;
  const bool far = k < crestCount / 4 || waveClass < 2;
  int amplitude = waveClass >= 5 ? 22 : 6 + 4 * waveClass;
  if (w.CameraDistance == 1) amplitude += 1;
  if (w.CameraDistance >= 3) amplitude -= 1;
  amplitude += 1;
  if (waveClass < 3) amplitude += 1;

  double widthFactor = k % 2 == 0 ? 0.32 : 0.27;
  if (w.ScreenWindBearing > 60 && w.ScreenWindBearing < 120) widthFactor *= 0.8;
  const int seed = w.CrestSeed[k];
  double lengthFactor = seed > 49 ? 1.5 : 1.0;
  if (far) lengthFactor *= 1.5;

  const int divisor = std::max(w.SimSpeedDivisor, 1);
  const double size = 0.75 * amplitude + 0.25 * amplitude * std::sin(w.WavePhase / (16.0 * divisor) + 0.3 * seed);
  const double halfLength = 0.5 * size * lengthFactor;
  // Each crest keeps its own width, 0.9 to 1.35 times the factor, from its seed.
  const double width = 0.6 * size * widthFactor * (0.9 + 0.05 * (seed % 10));

  // Every point of the shape lies within halfLength + width of the centre: a crest that near
  // a side of the scene is projected point by point to tell whether any of it shows.
  std::array<Point, kCrestShape.size()> points;
  bool hidden = DiscBeyondColumns(w, cx, cy, halfLength + width, scene.left - kMargin, scene.right + kMargin);
  if (!hidden) {
    for (std::size_t p = 0; p < kCrestShape.size(); ++p) {
      const double a = kCrestShape[p].along * halfLength;
      const double u = kCrestShape[p].across * width;
      Project(w, 0, cx + a * axes.ax + u * axes.ux, cy + a * axes.ay + u * axes.uy);
      points[p] = Point{w.ProjectedX[0], w.ProjectedY[0]};
    }
    hidden = WhollyOutside(points.data(), static_cast<int>(points.size()), scene);
  }
  // Pens and brushes are still chosen for a crest out of the scene, so that the canvas is
  // left as drawing it would leave it.
  if (w.Monochrome) {
    c.SetPen(palette::kBlack);
    if (!hidden) c.Polyline(points.data(), 6);
  } else {
    c.SetNullPen();
    c.SetBrush(palette::kCrest);
    if (!hidden) c.Polygon(points.data(), static_cast<int>(points.size()));
    // Big waves break: the nearer crests carry a line of foam.
    if (waveClass > 2 && !far) {
      c.SetPen(palette::kCrestFoam);
      if (!hidden) c.Polyline(points.data() + 1, 4);
    }
  }
}

}  // namespace

void DrawCrest(World& w, Canvas& c, int k, int crestCount, const Rect& scene) {
  DrawCrestOnAxes(w, c, k, crestCount, scene, CrestAxesFor(w));
}

void DrawWaveCrests(World& w, Canvas& c, int last, const Rect& scene) {
  last = std::min(last, kMaxWaveCrests - 1);
  const CrestAxes axes = CrestAxesFor(w);
  for (int k = 0; k <= last; ++k) DrawCrestOnAxes(w, c, k, last + 1, scene, axes);
}

void DrawLessonWavePattern(World& w, Canvas& c, const Rect& scene, bool large) {
  const int top = w.SceneTop;
  const int depth = scene.bottom - top;
  if (depth <= 0) return;
  constexpr int kRows = 14;
  for (int r = 0; r < kRows; ++r) {
    // Rows crowd together toward the horizon.
    const int y = top + depth * (r + 1) * (r + 1) / (kRows * kRows);
    const int near = y - top;
    const int gap = std::max(large ? 12 : 8, large ? near * 3 / 4 : near / 3);
    const int length = std::max(3, large ? near / 3 : near / 12);
    const int rise = std::max(1, length / 10);
    const int shift = kScatter[r].x * gap / 100;
    for (int x = scene.left - gap + shift; x < scene.right + gap; x += gap) {
      if (large) {
        const std::array<Point, 7> wave{{{x, y},
                                         {x + length / 6, y - rise / 2},
                                         {x + length / 3, y - rise * 9 / 10},
                                         {x + length / 2, y - rise},
                                         {x + length * 2 / 3, y - rise * 9 / 10},
                                         {x + length * 5 / 6, y - rise / 2},
                                         {x + length, y}}};
        if (w.Monochrome) {
          c.SetPen(palette::kBlack);
          c.Polyline(wave.data(), 7);
        } else {
          c.SetPen(palette::kCrest, std::max(1, rise / 2));
          c.Polyline(wave.data(), 7);
          c.SetPen(palette::kCrestFoam);
          c.Polyline(wave.data() + 2, 3);
        }
      } else {
        RipplePen(w, c);
        c.MoveTo(x, y);
        c.LineTo(x + length, y - rise);
      }
    }
  }
}
