#include "view2d/mini_view.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "draw/palette.h"
#include "sim/frame_counts.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "view2d/chart.h"
#include "view2d/race_course_2d.h"

namespace {

struct MiniFrame {
  int ox = 0, oy = 0;
  double k = 1;  // pixels per yard
};

MiniFrame FrameFor(const World& w, const Rect& r) {
  // A zoom outside its range (set from the probe, say) must not divide by zero.
  const int zoom = std::clamp(w.MiniViewZoom, 2, 128);
  return MiniFrame{(r.left + r.right) / 2, (5 * r.bottom + 4 * r.top) / 9, w.ScaleX * 4 / zoom};
}

Point Place(World& w, const MiniFrame& f, double x, double y) {
  const double a = PolarFromBoat(w, x, y, 1);
  const double d = std::min(w.PolarDistance, kMiniViewRange);
  return Point{f.ox + static_cast<int>(std::sin(a) * f.k * d), f.oy - static_cast<int>(std::cos(a) * f.k * d)};
}

// Screen angle of a world direction in the heading-up view.
double ScreenAngle(const World& w, int direction) { return (direction - w.BoatHeadings[1]) * kDegToRad; }

// A point `along` pixels ahead and `across` pixels to starboard of p, for a shape heading a.
Point Offset(Point p, double a, double along, double across) {
  return Point{p.x + static_cast<int>(std::sin(a) * along + std::cos(a) * across),
               p.y + static_cast<int>(-std::cos(a) * along + std::sin(a) * across)};
}

// A hull seen from above, length pixels long, bow along a.
void DrawHull(Canvas& c, Point p, double a, double length) {
  const double b = length / 3;
  const Point hull[5] = {Offset(p, a, length / 2, 0), Offset(p, a, length / 10, b / 2),
                         Offset(p, a, -length / 2, b * 0.35), Offset(p, a, -length / 2, -b * 0.35),
                         Offset(p, a, length / 10, -b / 2)};
  c.Polygon(hull, 5);
}

void Dot(Canvas& c, Point p, int r) { c.Ellipse(p.x - r, p.y - r, p.x + r + 1, p.y + r + 1); }

// The finish gate: the buoy, the boat at its other end, and the line between them. The boat
// lies head to wind; zoomed out it is only a dot.
void DrawGate(World& w, Canvas& c, const MiniFrame& f) {
  const bool mono = w.Monochrome == 1;
  const Point buoy = Place(w, f, w.TargetX[1], w.TargetY[1]);
  const Point boat = Place(w, f, w.TargetX[2], w.TargetY[2]);
  c.SetPen(palette::Pick(mono, palette::kChartGate, palette::kBlack));
  c.MoveTo(buoy.x, buoy.y);
  c.LineTo(boat.x, boat.y);
  if (w.MiniViewZoom < 9) {
    c.SetHollowBrush();
    DrawHull(c, boat, ScreenAngle(w, w.WindDirection), std::max(10 * f.k, 8.0));
  } else {
    c.SetBrush(palette::Pick(mono, palette::kChartGate, palette::kBlack));
    Dot(c, boat, 3);
  }
  c.SetPen(palette::Pick(mono, palette::kChartBuoy, palette::kBlack));
  c.SetBrush(palette::Pick(mono, palette::kChartBuoy, palette::kBlack));
  Dot(c, buoy, 3);
}

void DrawPier(World& w, Canvas& c, const MiniFrame& f) {
  Point pier[4];
  for (int k = 0; k < 4; ++k) pier[k] = Place(w, f, w.TargetX[k + 1], w.TargetY[k + 1]);
  c.SetPen(palette::kBlack);
  c.SetBrush(palette::Ink(w, palette::kChartPier, palette::kWhite));
  c.Polygon(pier, 4);
}

void DrawSwimmer(World& w, Canvas& c, const MiniFrame& f) {
  if (!SwimmerInSight(w)) return;
  const Point p = Place(w, f, w.TargetX[1], w.TargetY[1]);
  const bool mono = w.Monochrome == 1;
  c.SetPen(palette::Pick(mono, palette::kWhite, palette::kBlack));
  c.SetHollowBrush();
  Dot(c, p, 6);
  c.SetBrush(palette::Pick(mono, palette::kChartSwimmer, palette::kBlack));
  Dot(c, p, 3);
}

// The three motor vessels: to scale when zoomed in, as arrowheads along their heading otherwise.
void DrawVessels(World& w, Canvas& c, const MiniFrame& f) {
  const bool mono = w.Monochrome == 1;
  c.SetPen(palette::Pick(mono, palette::kChartVessel, palette::kBlack));
  for (int k = 2; k <= std::min(4, w.BoatCount); ++k) {
    const Point p = Place(w, f, w.BoatX[k], w.BoatY[k]);
    const double a = ScreenAngle(w, w.BoatHeadings[k]);
    if (w.MiniViewZoom < 5) {
      c.SetHollowBrush();
      // A ship of about 70 yards by 10, as the sailing view draws it.
      const Point hull[5] = {Offset(p, a, 35 * f.k, 0), Offset(p, a, 0, 5 * f.k), Offset(p, a, -35 * f.k, 5 * f.k),
                             Offset(p, a, -35 * f.k, -5 * f.k), Offset(p, a, 0, -5 * f.k)};
      c.Polygon(hull, 5);
    } else {
      c.SetBrush(palette::Pick(mono, palette::kChartVessel, palette::kBlack));
      const Point arrow[3] = {Offset(p, a, 8, 0), Offset(p, a, -5, 4), Offset(p, a, -5, -4)};
      c.Polygon(arrow, 3);
    }
  }
}

void DrawOwnBoat(World& w, Canvas& c, const MiniFrame& f) {
  const double length = std::max(w.ScaleLength / 3.0 * f.k, 12.0);
  c.SetPen(palette::Ink(w, palette::kWhite, palette::kBlack));
  c.SetBrush(palette::Ink(w, palette::kHullColors[1], palette::kWhite));
  DrawHull(c, Point{f.ox, f.oy}, 0, length);
}

void ZoomButtons(World& w, Canvas& c, const Rect& view) {
  const bool shortLabels = w.ViewWidth < 700 || (w.ViewWidth < 900 && w.LargeMenuFont == 1);
  DrawChartButton(w, c, ZoomButtonRect(w, view, 0), shortLabels ? "zm in" : "ｽﾞｰﾑｲﾝ ");
  DrawChartButton(w, c, ZoomButtonRect(w, view, 1), shortLabels ? "zm out" : "ｽﾞｰﾑｱｳﾄ ");
  const Rect in = ZoomButtonRect(w, view, 0);
  if (TakeClick(w, 1, in.top, in.right, in.bottom)) w.MiniViewZoom = std::max(w.MiniViewZoom / 2, 2);
  const Rect out = ZoomButtonRect(w, view, 1);
  if (TakeClick(w, 1, out.top, out.right, out.bottom)) w.MiniViewZoom = std::min(w.MiniViewZoom * 2, 128);
}

}  // namespace

double PolarFromBoat(World& w, double x, double y, int mode) {
  const double dx = x - w.BoatX[1];
  const double dy = w.BoatY[1] - y;
  w.PolarDistance = std::sqrt(dx * dx + dy * dy);
  w.PolarBearing = BearingTo(dx, dy);
  const double angle = std::atan2(dx, dy);
  return mode == 1 ? angle - w.BoatHeadings[1] * kDegToRad : angle;
}

Point MiniViewPoint(World& w, const Rect& r, double x, double y) { return Place(w, FrameFor(w, r), x, y); }

Rect ZoomButtonRect(const World& w, const Rect& view, int index) {
  const int h = w.ViewWidth >= 700 ? 20 : 17;
  return Rect{1, view.top + index * h, w.ViewWidth / 12, view.top + (index + 1) * h};
}

void DrawMiniView(World& w, Canvas& c, const Rect& r) {
  c.SetClip(r);
  c.FillRect(r, palette::Ink(w, palette::kChartSea, palette::kWhite));
  const MiniFrame f = FrameFor(w, r);

  DrawSceneryOutlines(w, c, [&w, &f](double x, double y) { return Place(w, f, x, y); });
  const int m = w.ActivityMode;
  if (m == Activity::kSteering || m == Activity::kUpwind || m == Activity::kCollisionAvoidance) DrawGate(w, c, f);
  if (m == Activity::kMooring) {
    c.SetPen(palette::kBlack);
    c.SetBrush(palette::Ink(w, palette::kChartBuoy, palette::kBlack));
    Dot(c, Place(w, f, w.TargetX[1], w.TargetY[1]), 4);
  }
  if (m == Activity::kDocking) DrawPier(w, c, f);
  if (m == Activity::kManOverboard) DrawSwimmer(w, c, f);
  if (m == Activity::kCollisionAvoidance) DrawVessels(w, c, f);
  DrawRaceCourse2D(w, c, [&w, &f](double x, double y) { return Place(w, f, x, y); }, false);
  DrawOwnBoat(w, c, f);

  c.SetFont(FontRole::Normal);
  ZoomButtons(w, c, r);
  c.SetPen(palette::kBlack);
  c.SetHollowBrush();
  c.Rectangle(r.left, r.top, r.right, r.bottom);
  c.ClearClip();
}

void DrawBottomLeftView(World& w, Canvas& c) {
  if (w.LessonIntroPending) return;
  const Rect r{0, w.SceneHeight, w.MiniViewWidth, w.ViewHeight};
  if (IsFreeSailing(w.ActivityMode)) {
    DrawChart(w, c, r, 1);
  } else {
    DrawMiniView(w, c, r);
  }
}
