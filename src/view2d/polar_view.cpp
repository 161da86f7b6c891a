#include "view2d/polar_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "draw/palette.h"
#include "state/angles.h"
#include "state/world.h"

namespace {

// One ink per curve, as the winds are listed: light, medium, strong, and the wind blowing now.
constexpr Color kCurveInk[PolarPlot::kMaxCurves] = {palette::kYellow, palette::kGreen, palette::kRed,
                                                    palette::kWhite};
constexpr Color kGridInk = Rgb(90, 130, 180);

std::string Format(const char* pattern, double a, double b = 0, double c = 0) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
  return buffer;
}

double NiceScale(double knots) {
  double top = 1;
  while (top < knots) top += top < 4 ? 1 : 2;
  return top;
}

Color CurveInk(const World& w, int i) { return palette::Ink(w, kCurveInk[i], palette::kBlack); }

// Pens grow with the view; in monochrome the winds are told apart by the width alone.
int CurveWidth(const World& w, const Rect& view, int i, bool current) {
  const int base = std::max(1, view.Height() / 300);
  if (current) return base * 3;
  return w.Monochrome ? base * (i + 1) : base * 2;
}

void DrawGrid(const World& w, Canvas& c, const PolarFrame2d& f) {
  const Color grid = palette::Ink(w, kGridInk, palette::kGrey);
  c.SetPen(grid, 1);
  c.SetHollowBrush();
  const double step = f.fullScale > 6 ? 2 : 1;
  c.SetFont(FontRole::Small);
  c.SetTextOpaque(false);
  c.SetTextColor(palette::Ink(w, palette::kWhite, palette::kBlack));
  for (double k = step; k <= f.fullScale + 0.01; k += step) {
    const int r = static_cast<int>(f.radius * k / f.fullScale);
    c.Arc(f.cx - r, f.cy - r, f.cx + r, f.cy + r, f.cx, f.cy + r, f.cx, f.cy - r);
    c.TextOut(f.cx - c.TextWidth("00") - 4, f.cy - r - c.LineHeight() / 2, Format("%.0f", k));
  }
  c.MoveTo(f.cx, f.cy - f.radius);
  c.LineTo(f.cx, f.cy + f.radius);
  for (int a = 30; a < 180; a += 30) {
    const Point p = f.At(a, f.fullScale);
    c.MoveTo(f.cx, f.cy);
    c.LineTo(p.x, p.y);
    const Point label = f.At(a, f.fullScale * 1.06);
    c.TextOut(label.x, label.y - c.LineHeight() / 2, Format("%.0f°", a));
  }
  c.TextOut(f.cx + 4, f.cy - f.radius - c.LineHeight(), "0° (風上)");
  c.TextOut(f.cx + 4, f.cy + f.radius + 2, "180° (風下)");
  c.TextOut(f.cx - c.TextWidth("00") - 4, f.cy - c.LineHeight(), "ﾉｯﾄ");
}

void DrawCurve(const World& w, Canvas& c, const PolarFrame2d& f, const PolarCurve& curve, int i, int width,
               bool marked) {
  const Color ink = CurveInk(w, i);
  std::vector<Point> line;
  for (int k = 0; k < kPolarPoints; ++k) line.push_back(f.At(PolarAngle(k), curve.knots[k]));
  c.SetPen(ink, width);
  c.Polyline(line);
  if (marked) {
    // The wind blowing now is drawn with its points, so monochrome still tells it apart.
    c.SetBrush(ink);
    const int m = width / 2 + 2;
    for (const Point& p : line) c.Rectangle(p.x - m, p.y - m, p.x + m + 1, p.y + m + 1);
  }
  // The best VMG angles: a ring on the curve and a ray from the centre through it.
  const int r = std::max(4, f.radius / 40);
  for (const int a : {curve.bestUpwindAngle, curve.bestDownwindAngle}) {
    if (a == 0) continue;
    const Point p = f.At(a, curve.knots[(a - kPolarFirstAngle) / kPolarAngleStep]);
    c.SetPen(ink, 1);
    c.MoveTo(f.cx, f.cy);
    c.LineTo(p.x, p.y);
    c.SetPen(ink, std::max(1, width / 2 + 1));
    c.SetHollowBrush();
    c.Ellipse(p.x - r, p.y - r, p.x + r + 1, p.y + r + 1);
  }
}

void DrawOwnPoint(const World& w, Canvas& c, Point p, int r) {
  c.SetPen(palette::kBlack, 1);
  c.SetBrush(palette::Ink(w, palette::kChartOwnBoat, palette::kBlack));
  c.Ellipse(p.x - r, p.y - r, p.x + r + 1, p.y + r + 1);
}

void DrawLegend(const World& w, Canvas& c, const Rect& view, const PolarFrame2d& f, const PolarPlot& plot) {
  const Color text = palette::Ink(w, palette::kWhite, palette::kBlack);
  c.SetTextOpaque(false);
  c.SetTextColor(text);
  c.SetFont(FontRole::Normal);
  const int line = c.LineHeight() + 2;
  const int x = std::max(f.cx + f.radius + view.Width() / 12, view.Width() * 11 / 20);
  int y = view.Height() / 8;
  const int sample = view.Width() / 25;
  for (int i = 0; i < plot.count; ++i) {
    const PolarCurve& curve = plot.curves[i];
    const bool current = i == plot.currentWind;
    c.SetPen(CurveInk(w, i), CurveWidth(w, view, i, current));
    c.MoveTo(x, y + line / 2);
    c.LineTo(x + sample, y + line / 2);
    c.TextOut(x + sample + 6, y, Format(current ? "風速 %.0fﾉｯﾄ (現在の風)" : "風速 %.0fﾉｯﾄ", curve.key.wind));
    y += line;
    c.TextOut(x + sample + 6, y, Format("風上VMG最良 %.0f°  %.1fﾉｯﾄ", curve.bestUpwindAngle, curve.bestUpwindVmg));
    y += line;
    c.TextOut(x + sample + 6, y, Format("風下VMG最良 %.0f°  %.1fﾉｯﾄ", curve.bestDownwindAngle, curve.bestDownwindVmg));
    y += line * 3 / 2;
  }
  if (plot.showPoint) {
    DrawOwnPoint(w, c, Point{x + sample / 2, y + line / 2}, line / 3);
    c.TextOut(x + sample + 6, y, Format("現在: 真風角 %.0f°  %.1fﾉｯﾄ", plot.pointAngle, plot.pointKnots));
    y += line;
  }
  c.SetFont(FontRole::Small);
  c.TextOut(x, y + line / 2, "艇速は自動調節での定常速度");
  c.SetFont(FontRole::Normal);
  c.TextOut(x, view.Height() - 2 * line, "スペースキーかVキーで戻る");
}

}  // namespace

Point PolarFrame2d::At(int angle, double knots) const {
  const double r = radius * knots / fullScale;
  return Point{cx + static_cast<int>(r * std::sin(angle * kDegToRad)),
               cy - static_cast<int>(r * std::cos(angle * kDegToRad))};
}

PolarFrame2d PolarFrameFor(const Rect& view, const PolarPlot& plot) {
  double fastest = 0;
  for (int i = 0; i < plot.count; ++i) {
    for (const double k : plot.curves[i].knots) fastest = std::max(fastest, k);
  }
  if (plot.showPoint) fastest = std::max(fastest, plot.pointKnots);
  PolarFrame2d f;
  f.cx = view.left + view.Width() / 14;
  f.cy = view.top + view.Height() / 2;
  f.radius = std::max(1, std::min(view.Height() * 9 / 20, view.Width() * 9 / 20));
  f.fullScale = NiceScale(fastest);
  return f;
}

void DrawPolarDiagram(const World& w, Canvas& c, const Rect& view, const PolarPlot& plot) {
  c.FillRect(view, palette::Ink(w, palette::kChartSea, palette::kWhite));
  const PolarFrame2d f = PolarFrameFor(view, plot);
  c.SetFont(FontRole::Normal);
  c.SetTextOpaque(false);
  c.SetTextColor(palette::Ink(w, palette::kChartNorth, palette::kBlack));
  c.TextOut(view.left + view.Width() * 11 / 20, view.top + view.Height() / 60, "ポーラー図");
  DrawGrid(w, c, f);
  for (int i = 0; i < plot.count; ++i) {
    const bool current = i == plot.currentWind;
    DrawCurve(w, c, f, plot.curves[i], i, CurveWidth(w, view, i, current), current);
  }
  if (plot.showPoint) {
    DrawOwnPoint(w, c, f.At(plot.pointAngle, plot.pointKnots), std::max(4, f.radius / 30));
  }
  DrawLegend(w, c, view, f, plot);
}
