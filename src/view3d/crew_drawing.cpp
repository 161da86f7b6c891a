// The crew: seated, hiking out over the windward rail, or standing on a trapeze.
#include <algorithm>
#include <cmath>

#include "draw/palette.h"
#include "state/angles.h"
#include "view3d/boat_figure.h"

namespace {

// Crews of the big boats sit on the rail with their legs over the side instead of hiking.
bool SitsOnRail(BoatLook look) {
  return look == BoatLook::CruisingSloop || look == BoatLook::OffshoreRacer ||
         look == BoatLook::OffshoreCatamaran || look == BoatLook::Keelboat || look == BoatLook::Sportboat;
}

bool OnTrapeze(const BoatFigure& f, int member, int hike) {
  if (!f.shape->trapeze || hike < 2) return false;
  return member == 2 || f.look == BoatLook::Skiff || f.look == BoatLook::Catamaran;
}

struct Body {
  Vec3 foot, knee, hip, shoulder, hand, head;
};

Body Trapezing(const BoatFigure& f, double rail, double aft, double size) {
  const int out = f.Windward();
  const double a = 14 * kDegToRad;  // body raised a little above level
  const Vec3 dir = {out * std::cos(a), 0, std::sin(a)};
  const double height = 2.4 * size;
  Body b;
  b.foot = {out * rail, aft, f.freeboard};
  b.knee = b.foot + dir * (0.25 * height);
  b.hip = b.foot + dir * (0.48 * height);
  b.shoulder = b.foot + dir * (0.8 * height);
  b.head = b.foot + dir * (0.93 * height);
  b.hand = b.shoulder + Vec3{-out * 0.25 * size, -0.1 * size, 0.35 * size};
  return b;
}

Body Seated(const BoatFigure& f, int hike, double rail, double aft, double size) {
  const int w = f.Windward();
  const bool railSitter = SitsOnRail(f.look);
  double lat = 0, lean = 0;  // lean in degrees, outboard to windward when positive
  switch (hike) {
    case 2: lat = w * rail, lean = railSitter ? 18 : 64; break;
    case 1: lat = w * rail * 0.95, lean = railSitter ? 8 : 28; break;
    case 0: lat = w * rail * 0.25, lean = 0; break;
    case -1: lat = -w * rail * 0.5, lean = -6; break;
    default: lat = -w * rail * 0.88, lean = -14; break;
  }
  const double a = lean * kDegToRad;
  const Vec3 up = {w * std::sin(a), 0, std::cos(a)};
  Body b;
  b.hip = {lat, aft, f.freeboard + 0.05 * size};
  b.shoulder = b.hip + up * size;
  b.head = b.hip + up * (1.32 * size);
  if (hike >= 1 && railSitter) {
    b.knee = b.hip + Vec3{w * 0.4 * size, -0.15 * size, -0.2 * size};
    b.foot = b.knee + Vec3{w * 0.05 * size, 0, -0.45 * size};
  } else if (hike >= 1) {
    b.knee = b.hip + Vec3{-w * 0.5 * size, -0.2 * size, 0.3 * size};
    b.foot = b.hip + Vec3{-w * 0.95 * size, -0.1 * size, 0};
  } else {
    b.knee = b.hip + Vec3{0, -0.5 * size, 0.32 * size};
    b.foot = b.hip + Vec3{0, -0.9 * size, -0.02 * size};
  }
  b.hand = b.shoulder + Vec3{-w * 0.35 * size, -0.35 * size, -0.3 * size};
  return b;
}

void Stroke(BoatFigure& f, const std::vector<Vec3>& pts, Color color, int width) {
  std::vector<Point> line;
  for (const Vec3& p : pts) line.push_back(f.Turn(p));
  f.Pen(color, width);
  f.c.Polyline(line);
}

}  // namespace

int CrewHikeOf(const BoatFigure& f, int member) {
  const World& w = f.w;
  int hike;
  if (f.user || !f.live) {
    hike = member == 1 ? w.SkipperHike : member == 2 ? w.Crew1Hike : w.Crew2Hike;
  } else {
    // Fleet boats have no hiking settings of their own: they sit out when the boat heels.
    const int twa = w.TrueWindAngles[f.boat];
    hike = w.HeelAngles[f.boat] > 5 && twa < 110 ? 2 : twa > 150 ? 0 : 1;
  }
  return std::clamp(hike, -2, 2);
}

void DrawCrewMember(BoatFigure& f, int member) {
  const Proportions& s = *f.shape;
  const double size = f.crewSize;
  const double aft = s.crewAft[member - 1] * f.g;
  const int hike = CrewHikeOf(f, member);
  double rail = f.catamaran ? f.halfBeam : HalfBeamAt(f, aft);
  if (s.racks && hike >= 1) rail *= 1.7;

  const Color jacket = palette::kCrewJackets[member];
  if (size < 2.5) {
    // Too small for limbs: a dab of colour where the person sits.
    const Body b = Seated(f, std::min(hike, 1), rail, aft, std::max(size, 1.5));
    Stroke(f, {b.hip, b.head}, jacket, 1);
    f.Record(static_cast<BoatPart>(static_cast<int>(BoatPart::Crew1) + member - 1));
    return;
  }

  const bool trapeze = OnTrapeze(f, member, hike);
  const Body b = trapeze ? Trapezing(f, rail, aft, size) : Seated(f, hike, rail, aft, size);
  if (trapeze) {
    Stroke(f, {b.hip, {0, -0.05 * f.g, f.freeboard + 0.72 * f.mastHeight}}, palette::kRigging, 1);
  }
  const int limb = std::max(1, static_cast<int>(0.24 * size));
  Stroke(f, {b.foot, b.knee, b.hip}, palette::kCrewTrousers, limb);
  Stroke(f, {b.shoulder, b.hand}, jacket, std::max(1, static_cast<int>(0.17 * size)));
  Stroke(f, {b.hip, b.shoulder}, jacket, std::max(1, static_cast<int>(0.42 * size)));
  const Point head = f.Turn(b.head);
  const int r = std::max(1, static_cast<int>(0.21 * size));
  f.c.SetBrush(palette::Pick(f.mono, palette::kCrewSkin, palette::kBlack));
  f.Pen(palette::kHullOutline);
  f.c.Ellipse(head.x - r, head.y - r, head.x + r + 1, head.y + r + 1);
  f.Record(static_cast<BoatPart>(static_cast<int>(BoatPart::Crew1) + member - 1));
}
