#include "view3d/vessel_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "draw/palette.h"
#include "state/angles.h"
#include "state/world.h"

namespace {

struct HullPoint {
  int offset;    // degrees from the apparent heading
  int distance;  // ship units from the centre
};
// Bow, starboard shoulder, starboard quarter, port quarter, port shoulder.
constexpr std::array<HullPoint, 5> kHull{{{0, 35}, {-90, 5}, {-172, 35}, {172, 35}, {90, 5}}};

Point Lerp(Point a, Point b, double t) {
  return Point{a.x + static_cast<int>((b.x - a.x) * t), a.y + static_cast<int>((b.y - a.y) * t)};
}
Point Up(Point p, int h) { return Point{p.x, p.y - h}; }

void Quad(Canvas& c, Point a, Point b, Point d, Point e) {
  const Point q[4] = {a, b, d, e};
  c.Polygon(q, 4);
}

}  // namespace

int ApparentVesselHeading(const World& w, int i) {
  const int bearing = BearingTo(w.BoatX[i] - w.BoatX[1], w.BoatY[1] - w.BoatY[i]);
  const int d1 = SignedDegrees(w.BoatHeadings[i] - bearing);
  const int d2 = SignedDegrees(w.BoatHeadings[i] - w.ViewDirection);
  return std::abs(d1 - d2) < 120 ? NormalizeDegrees((d1 + d2) / 2) : NormalizeDegrees(d1);
}

void DrawVessel(const World& w, Canvas& c, int i, int x, int y, double s) {
  if (x < 0 || x > w.ViewWidth || y <= w.SceneTop || y > w.ViewHeight) return;
  const int a = ApparentVesselHeading(w, i);
  std::array<Point, 5> p{}, d{};
  for (int j = 0; j < 5; ++j) {
    const double r = (a + kHull[j].offset) * kDegToRad;
    p[j] = Point{x + static_cast<int>(std::sin(r) * kHull[j].distance * s),
                 y - static_cast<int>(std::cos(r) * kHull[j].distance * s * 0.1)};
    d[j] = Up(p[j], static_cast<int>((j == 0 ? 6 : 4) * s));
  }
  const bool mono = w.Monochrome == 1;
  const Color hull = palette::Pick(mono, i == 2 ? palette::kShipHullDark : palette::kShipHullGrey, palette::kBlack);
  const Color cabin = palette::Pick(mono, i == 4 ? palette::kShipCabinOrange : palette::kShipCabin, palette::kWhite);
  c.SetPen(palette::kBlack);

  // Hull sides, the farthest first so that the near side covers it.
  std::array<int, 5> sides{0, 1, 2, 3, 4};
  std::sort(sides.begin(), sides.end(), [&p](int m, int n) {
    return p[m].y + p[(m + 1) % 5].y < p[n].y + p[(n + 1) % 5].y;
  });
  c.SetBrush(hull);
  for (int j : sides) Quad(c, p[j], d[j], d[(j + 1) % 5], p[(j + 1) % 5]);

  // The bow wave flickers between two lengths from frame to frame.
  const double reach = w.FrameCounter % 2 == 1 ? 2.0 / 3 : 0.5;
  c.SetPen(palette::Pick(mono, palette::kShipBowWave, palette::kWhite), std::max(1, static_cast<int>(s / 2)));
  if (a >= 11 && a < 187) {
    c.MoveTo(p[0].x, p[0].y);
    const Point e = Lerp(p[0], p[4], reach);
    c.LineTo(e.x, e.y);
  }
  if (a > 173 && a < 350) {
    c.MoveTo(p[0].x, p[0].y);
    const Point e = Lerp(p[0], p[1], reach);
    c.LineTo(e.x, e.y);
  }
  c.SetPen(palette::kBlack);

  const bool bowAway = a > 270 || a < 90;
  if (bowAway) Quad(c, p[2], d[2], d[3], p[3]);
  c.SetBrush(palette::Pick(mono, palette::kShipDeck, palette::kWhite));
  c.Polygon(d.data(), 5);

  // The cabin stands on the after part of the deck; its corners are named after the deck
  // sides they lie on.
  const int h = static_cast<int>(4 * s);
  const Point b2 = Lerp(d[1], d[2], 0.5), b3 = Lerp(d[1], d[2], 0.75);
  const Point b5 = Lerp(d[4], d[3], 0.5), b4 = Lerp(d[4], d[3], 0.75);
  auto face = [&](Point m, Point n) { Quad(c, m, Up(m, h), Up(n, h), n); };
  c.SetBrush(cabin);
  face(b5, b2);
  if (a > 160) face(b2, b3);
  if (a < 200) face(b5, b4);
  if (bowAway) {
    face(b4, b3);
  } else {
    face(b5, b2);
  }
  const Point roof[4] = {Up(b2, h), Up(b3, h), Up(b4, h), Up(b5, h)};
  c.Polygon(roof, 4);

  // A foremast between the shoulders and a mast on the cabin roof.
  const Point fore = Lerp(d[1], d[4], 0.5);
  c.MoveTo(fore.x, fore.y);
  c.LineTo(fore.x, fore.y - static_cast<int>(1.5 * (p[1].y - d[1].y)));
  const Point top = Up(Lerp(Lerp(b2, b5, 0.5), Lerp(b3, b4, 0.5), 0.5), h);
  c.MoveTo(top.x, top.y);
  c.LineTo(top.x, top.y - static_cast<int>(1.5 * h));
}
