#include "view2d/chart.h"
#include "view2d/race_course_2d.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "draw/palette.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"

namespace {

// Land beyond the shore is closed this far off, well past any edge of the chart.
constexpr int kFarLand = 100000;

struct ChartFrame {
  int cx = 0, cy = 0;
  double scale = 1;
  double refX = 0, refY = 0;

  Point ToScreen(double x, double y) const {
    return Point{cx + static_cast<int>((x - refX) * scale), cy + static_cast<int>((y - refY) * scale)};
  }
};

struct ShoreChain {
  int first, last;
  int landSide;  // -1: the land lies to the north of the chain, +1: to the south
};

// The coast is one chain of shore points; the lake and the river have a near shore and a far
// shore with the land on opposite sides. The chains leave out their end points, which sit at
// the mean offset without the river's bend, and run on level beyond the last bent point.
std::vector<ShoreChain> ShoreChains(const World& w) {
  if (w.SailingArea == 2 || w.ShoreStep == 0) return {};
  const int nearSide = w.ShoreOffset < 0 ? -1 : 1;
  if (w.SailingArea == 3 || w.SailingArea == 4) return {{2, 141, nearSide}, {144, kShorePoints - 1, -nearSide}};
  return {{2, kShorePoints - 1, nearSide}};
}

void DrawCoastline(const World& w, Canvas& c, const ChartFrame& f) {
  const bool mono = w.Monochrome == 1;
  c.SetPen(palette::Pick(mono, palette::kChartCoast, palette::kBlack));
  c.SetBrush(palette::Pick(mono, palette::kChartLand, palette::kWhite));
  for (const ShoreChain& chain : ShoreChains(w)) {
    const int x1 = w.ShoreX[chain.first], x2 = w.ShoreX[chain.last];
    const int out1 = x1 <= x2 ? -kFarLand : kFarLand;
    const int farY = chain.landSide * kFarLand;
    std::vector<Point> land;
    land.reserve(chain.last - chain.first + 5);
    land.push_back(f.ToScreen(x1 + out1, w.ShoreY[chain.first]));
    for (int i = chain.first; i <= chain.last; ++i) land.push_back(f.ToScreen(w.ShoreX[i], w.ShoreY[i]));
    land.push_back(f.ToScreen(x2 - out1, w.ShoreY[chain.last]));
    land.push_back(f.ToScreen(x2 - out1, farY));
    land.push_back(f.ToScreen(x1 + out1, farY));
    c.Polygon(land);
  }
}

// A cross at the boat and a line from its centre along the heading.
void DrawOwnBoatMark(const World& w, Canvas& c, const ChartFrame& f) {
  const Point p = f.ToScreen(w.BoatX[1], w.BoatY[1]);
  c.SetPen(palette::Ink(w, palette::kChartOwnBoat, palette::kBlack), 2);
  c.MoveTo(p.x - 6, p.y);
  c.LineTo(p.x + 6, p.y);
  c.MoveTo(p.x, p.y - 6);
  c.LineTo(p.x, p.y + 6);
  const double h = w.BoatHeadings[1] * kDegToRad;
  c.MoveTo(p.x, p.y);
  c.LineTo(p.x + static_cast<int>(std::sin(h) * 14), p.y - static_cast<int>(std::cos(h) * 14));
}

void DrawNorthMark(const World& w, Canvas& c, const Rect& r, bool mini) {
  int inset = w.ViewWidth / 25;
  if (w.LargeMenuFont == 1) inset = w.ViewWidth < 900 ? w.ViewWidth / 19 : w.ViewWidth / 22;
  const int x = r.right - inset;
  const int y = r.top + 3;
  const Color color = palette::Ink(w, palette::kChartNorth, palette::kBlack);
  c.SetTextOpaque(false);
  c.SetTextColor(color);
  c.TextOut(x, y, "北");
  c.SetTextOpaque(true);

  const int ax = x + c.TextWidth("北") / 2;
  const int tip = y + c.LineHeight() + 2;
  const int length = mini ? 14 : 30;
  c.SetPen(color, 2);
  c.MoveTo(ax, tip + length);
  c.LineTo(ax, tip);
  c.SetPen(color);
  c.SetBrush(color);
  const Point head[3] = {{ax, tip - 2}, {ax - 5, tip + 8}, {ax + 5, tip + 8}};
  c.Polygon(head, 3);
}

void DrawTitle(const World& w, Canvas& c, int x, int y, std::string_view text) {
  c.SetTextOpaque(true);
  c.SetBackColor(palette::kWhite);
  c.SetTextColor(palette::kBlack);
  c.TextOut(x, y, text);
}

}  // namespace

double ChartScale(const World& w) { return w.ScaleY * (IsFreeSailing(w.ActivityMode) ? 0.036 : 0.048); }

void DrawChartButton(World& w, Canvas& c, const Rect& r, std::string_view label) {
  const bool mono = w.Monochrome == 1;
  c.SetPen(palette::kWhite);
  c.SetBrush(palette::Pick(mono, palette::kChartButton, palette::kBlack));
  c.Rectangle(r.left, r.top, r.right, r.bottom);
  c.SetTextOpaque(false);
  c.SetTextColor(palette::Pick(mono, palette::kChartButtonText, palette::kWhite));
  c.TextOut(r.left + 4, r.top + (r.Height() - c.LineHeight()) / 2, label);
  c.SetTextOpaque(true);
}

void DrawChart(World& w, Canvas& c, const Rect& r, int mini) {
  c.SetClip(r);
  c.FillRect(r, palette::Ink(w, palette::kChartSea, palette::kWhite));
  c.SetFont(FontRole::Normal);

  ChartFrame f;
  f.cx = (r.left + r.right) / 2;
  f.cy = (r.top + r.bottom) / 2;
  f.scale = ChartScale(w);
  if (mini == 1) {
    f.refX = static_cast<int>(w.BoatX[1]);
    f.refY = static_cast<int>(w.BoatY[1]);
  }

  DrawCoastline(w, c, f);
  DrawSceneryOutlines(w, c, [&f](double x, double y) { return f.ToScreen(x, y); });
  DrawRaceCourse2D(w, c, [&f](double x, double y) { return f.ToScreen(x, y); }, mini == 0);
  DrawOwnBoatMark(w, c, f);
  DrawNorthMark(w, c, r, mini == 1);

  if (mini == 1) {
    DrawTitle(w, c, 2, r.top, "- ﾁｬｰﾄ - ");
    c.SetPen(palette::kBlack);
    c.SetHollowBrush();
    c.Rectangle(r.left, r.top, r.right, r.bottom);
  } else {
    DrawTitle(w, c, 3, 1, "*** 海図表示 ***  ");
    const int right = w.ViewWidth / 6;
    DrawChartButton(w, c, Rect{1, 25, right, 48}, "3D表示(ｾｰﾘﾝｸﾞﾋﾞｭｰ)");
    if (TakeClick(w, 1, 25, right, 48)) w.ChartShown = 0;
  }
  c.ClearClip();
}

void DrawSceneryOutlines(const World& w, Canvas& c, const std::function<Point(double, double)>& toScreen) {
  const bool mono = w.Monochrome == 1;
  c.SetPen(palette::Pick(mono, palette::kChartCoast, palette::kBlack));
  c.SetBrush(palette::Pick(mono, palette::kChartLand, palette::kWhite));
  const int count = std::clamp(w.SceneryObjectCount, 0, kMaxScenery);
  std::array<Point, kOutlinePoints - 1> outline;
  for (int i = 1; i <= count; ++i) {
    for (int k = 0; k < kOutlinePoints - 1; ++k) outline[k] = toScreen(w.SceneryOutlineX[i][k], w.SceneryOutlineY[i][k]);
    c.Polygon(outline.data(), static_cast<int>(outline.size()));
  }
}
