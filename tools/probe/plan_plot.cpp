#include "plan_plot.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/canvas.h"
#include "state/world.h"
#include "world/depth.h"

namespace {

constexpr Color kLand = Rgb(0, 128, 0);
constexpr Color kShallow = Rgb(230, 210, 140);  // under 5 ft: a boat runs aground
constexpr Color kShoreLine = Rgb(0, 0, 0);
constexpr Color kOutline = Rgb(160, 0, 0);
constexpr Color kGrid = Rgb(200, 200, 200);
constexpr Color kHill = Rgb(120, 80, 30);
constexpr Color kMark = Rgb(255, 0, 255);
constexpr Color kBoat = Rgb(255, 0, 0);

// Deeper water is darker: 5 ft light, the base depth and more dark.
Color WaterColor(int depth) {
  if (depth <= 0) return kLand;
  if (depth < 5) return kShallow;
  const int t = std::min(depth, 60);
  return Rgb(200 - 3 * t, 225 - 2 * t, 255 - t);
}

class PlanFrame {
 public:
  PlanFrame(const PlanPlotOptions& o) : o_(o), scale_(static_cast<double>(o.pixels) / (2.0 * o.halfExtent)) {}
  Point ToPixel(double x, double y) const {
    return Point{static_cast<int>((x + o_.halfExtent) * scale_), static_cast<int>((y + o_.halfExtent) * scale_)};
  }
  double ToWorld(int pixel) const { return pixel / scale_ - o_.halfExtent; }

 private:
  PlanPlotOptions o_;
  double scale_;
};

void DrawDepth(const World& w, Canvas& c, const PlanFrame& f, const PlanPlotOptions& o) {
  for (int py = 0; py < o.pixels; py += o.cell) {
    for (int px = 0; px < o.pixels; px += o.cell) {
      const int x = static_cast<int>(f.ToWorld(px + o.cell / 2));
      const int y = static_cast<int>(f.ToWorld(py + o.cell / 2));
      c.FillRect(Rect{px, py, px + o.cell, py + o.cell}, WaterColor(DepthAt(w, x, y)));
    }
  }
}

void DrawGrid(Canvas& c, const PlanFrame& f, const PlanPlotOptions& o) {
  c.SetPen(kGrid);
  for (int v = -o.halfExtent; v <= o.halfExtent; v += 2000) {
    const Point a = f.ToPixel(v, -o.halfExtent);
    const Point b = f.ToPixel(v, o.halfExtent);
    c.MoveTo(a.x, a.y);
    c.LineTo(b.x, b.y);
    const Point d = f.ToPixel(-o.halfExtent, v);
    const Point e = f.ToPixel(o.halfExtent, v);
    c.MoveTo(d.x, d.y);
    c.LineTo(e.x, e.y);
  }
}

void DrawShore(const World& w, Canvas& c, const PlanFrame& f) {
  if (w.SailingArea == 2 || w.ShoreStep == 0) return;
  const bool twoShores = w.SailingArea == 3 || w.SailingArea == 4;
  c.SetPen(kShoreLine, 2);
  auto chain = [&](int first, int last) {
    std::vector<Point> points;
    for (int i = first; i <= last; ++i) points.push_back(f.ToPixel(w.ShoreX[i], w.ShoreY[i]));
    c.Polyline(points);
  };
  if (twoShores) {
    chain(1, 142);
    chain(143, kShorePoints);
  } else {
    chain(1, kShorePoints);
  }
  c.SetPen(kHill, 1);
  c.SetHollowBrush();
  for (int n = 1; n <= 9; ++n) {
    const Point p = f.ToPixel(w.HillX[n], w.HillY[n]);
    const int r = std::max(2, static_cast<int>(w.HillSize[n] * 0.02));
    c.Ellipse(p.x - r, p.y - r, p.x + r + 1, p.y + r + 1);
  }
  c.SetPen(kMark, 2);
  for (int bay = 1; bay <= 3; ++bay) {
    const Point p = f.ToPixel(w.LandmarkX[bay], w.LandmarkY[bay]);
    c.Rectangle(p.x - 3, p.y - 3, p.x + 4, p.y + 4);
  }
  const Point h = f.ToPixel(w.HarbourX, w.HarbourY);
  c.Ellipse(h.x - 6, h.y - 6, h.x + 7, h.y + 7);
}

void DrawScenery(const World& w, Canvas& c, const PlanFrame& f) {
  c.SetPen(kOutline, 1);
  const int count = std::clamp(w.SceneryObjectCount, 0, kMaxScenery);
  for (int i = 1; i <= count; ++i) {
    std::vector<Point> points;
    for (int k = 0; k < kOutlinePoints; ++k) points.push_back(f.ToPixel(w.SceneryOutlineX[i][k], w.SceneryOutlineY[i][k]));
    c.Polyline(points);
  }
}

void DrawBoatsAndTargets(const World& w, Canvas& c, const PlanFrame& f) {
  c.SetPen(kMark, 2);
  for (int t = 1; t <= 4; ++t) {
    if (w.TargetX[t] == 0 && w.TargetY[t] == 0 && t > 1) continue;
    const Point p = f.ToPixel(w.TargetX[t], w.TargetY[t]);
    c.MoveTo(p.x - 3, p.y);
    c.LineTo(p.x + 4, p.y);
    c.MoveTo(p.x, p.y - 3);
    c.LineTo(p.x, p.y + 4);
  }
  c.SetPen(kBoat, 2);
  for (int b = 1; b <= std::clamp(w.BoatCount, 1, kMaxBoats); ++b) {
    const Point p = f.ToPixel(w.BoatX[b], w.BoatY[b]);
    c.MoveTo(p.x - 6, p.y - 6);
    c.LineTo(p.x + 7, p.y + 7);
    c.MoveTo(p.x - 6, p.y + 6);
    c.LineTo(p.x + 7, p.y - 7);
  }
}

void DrawCaption(const World& w, Canvas& c) {
  static const char* const kAreas[] = {"?", "coast", "islands", "lake", "river"};
  const int area = std::clamp(w.SailingArea, 0, 4);
  char text[160];
  std::snprintf(text, sizeof text, "%s  activity %d  quadrant %d  mirror %d  bend %d  grid 2000 yd  ",
                kAreas[area], w.ActivityMode, w.ShoreQuadrant, w.MirrorScenery, w.RiverBend);
  c.SetTextColor(Rgb(0, 0, 0));
  c.SetBackColor(Rgb(255, 255, 255));
  c.SetTextOpaque(true);
  c.TextOut(4, 4, text);
  c.TextOut(4, 24, "green land, sand < 5 ft, blue 5..59 ft (darker deeper), red outlines, black shore  ");
}

}  // namespace

bool SavePlanPlot(const World& w, const std::string& path, const PlanPlotOptions& options) {
  PlanPlotOptions o = options;
  o.pixels = std::clamp(o.pixels, 100, 4000);
  o.cell = std::clamp(o.cell, 1, 16);
  o.halfExtent = std::max(o.halfExtent, 100);
  Canvas canvas(o.pixels, o.pixels);
  canvas.BeginFrame();
  canvas.SetFontSizes(14, 20, 11);
  const PlanFrame frame(o);
  DrawDepth(w, canvas, frame, o);
  DrawGrid(canvas, frame, o);
  DrawShore(w, canvas, frame);
  DrawScenery(w, canvas, frame);
  DrawBoatsAndTargets(w, canvas, frame);
  DrawCaption(w, canvas);
  return canvas.SavePng(path);
}
