// The boat families' proportions, the turn from the boat's frame to the screen, and the hull
// outlines.
#include <algorithm>
#include <cmath>

#include "draw/palette.h"
#include "state/angles.h"
#include "state/hull_class.h"
#include "view3d/boat_figure.h"

namespace {

// beam, full stern, freeboard, mast, boom, boom height, jib height, jib foot, main, crew size,
// crew positions (skipper, crew 1..4), bowsprit, trapeze, racks, carbon spars, sail cloth,
// standing rig, teak deck.
constexpr Proportions kLooks[] = {
    // Optimist: a box with a pram bow and a sprit sail, sailed by a child.
    {1.2, true, 0.30, 0.50, 2.2, 0.30, 0, 0, MainStyle::Sprit, 0.85, {1.1, 0, 0, 0, 0}, 0, false,
     false, false, SailCloth::White, false, false},
    // Single-hander: low, narrow, a tall unstayed mast and one sail.
    {0.9, false, 0.18, 0.80, 2.7, 0.38, 0, 0, MainStyle::Pinhead, 0.75, {1.5, 0, 0, 0, 0}, 0, false,
     false, false, SailCloth::White, false, false},
    // Two-person dinghy: main and jib, the crew on a trapeze.
    {0.95, false, 0.22, 0.82, 2.2, 0.36, 0.74, 0.85, MainStyle::Pinhead, 0.72, {1.6, 0.7, 0, 0, 0},
     0, true, false, false, SailCloth::White, false, false},
    // Spinnaker dinghy.
    {0.95, false, 0.20, 0.88, 2.3, 0.36, 0.76, 0.85, MainStyle::Pinhead, 0.62, {1.7, 0.8, 0, 0, 0},
     0, true, false, false, SailCloth::White, false, false},
    // Skiff: narrow hull on wide racks, square-top main, both on trapezes, bowsprit.
    {0.72, false, 0.20, 0.95, 2.0, 0.40, 0.72, 0.78, MainStyle::SquareTop, 0.62,
     {1.7, 0.9, 0, 0, 0}, 1.1, true, true, true, SailCloth::Smoke, false, false},
    // Cruising sloop: high topsides, cabin, masthead rig with a genoa, wheel, teak deck.
    {1.0, false, 0.50, 0.72, 1.9, 0.55, 0.97, 1.45, MainStyle::Pinhead, 0.28,
     {1.75, 1.3, 0.9, 0, 0}, 0, false, false, false, SailCloth::Cream, true, true},
    // Catamaran: two hulls, trampoline, square-top main with battens, trapezes.
    {1.75, false, 0.28, 0.82, 1.6, 0.28, 0.72, 0.80, MainStyle::SquareTop, 0.55,
     {1.5, 0.8, 0, 0, 0}, 0, true, false, false, SailCloth::Striped, false, false},
    // Offshore catamaran: two big hulls with a bridge-deck cabin.
    {1.85, false, 0.42, 0.75, 2.0, 0.70, 0.82, 0.85, MainStyle::SquareTop, 0.28,
     {1.3, 0.7, 0, 0, 0}, 0.8, false, false, true, SailCloth::Cream, true, false},
    // Keelboat: long low day-sailer, fractional rig.
    {0.85, false, 0.30, 0.74, 2.2, 0.42, 0.80, 1.10, MainStyle::Pinhead, 0.42,
     {1.7, 1.1, 0.55, 0, 0}, 0, false, false, false, SailCloth::White, true, false},
    // Sportboat: light, full stern, small cabin, bowsprit.
    {1.0, true, 0.32, 0.74, 2.1, 0.45, 0.80, 0.85, MainStyle::SquareTop, 0.42,
     {1.75, 1.15, 0.7, 0, 0}, 1.0, false, false, true, SailCloth::Laminate, true, false},
    // Offshore racer: big, masthead, black sails, five crew.
    {0.95, false, 0.42, 0.80, 2.3, 0.55, 0.97, 1.30, MainStyle::Pinhead, 0.28,
     {1.85, 1.3, 0.9, 0.25, -1.8}, 0, false, false, true, SailCloth::Carbon, true, false},
    // Scow: very wide, flat, blunt bow, full stern.
    {3.0, true, 0.22, 0.80, 2.3, 0.34, 0.74, 0.80, MainStyle::SquareTop, 0.55,
     {1.6, 0.95, 0.4, 0, 0}, 0.8, false, false, false, SailCloth::White, false, false},
    // Committee boat: a motor boat with high topsides.
    {1.15, false, 0.60, 0, 0, 0, 0, 0, MainStyle::Pinhead, 0.30, {0, 0, 0, 0, 0}, 0, false, false,
     false, SailCloth::White, false, false},
};

}  // namespace

const Proportions& ProportionsOf(BoatLook look) { return kLooks[static_cast<int>(look)]; }

BoatLook LookFor(const World& w, int boat) {
  if (boat == 0) return BoatLook::Committee;
  if (w.IsOptimist) return BoatLook::Optimist;
  if (w.IsCatamaran) return w.IsOffshoreCatamaran ? BoatLook::OffshoreCatamaran : BoatLook::Catamaran;
  if (w.IsSkiff) return BoatLook::Skiff;
  if (w.IsSportboat) return BoatLook::Sportboat;
  if (w.IsScow) return BoatLook::Scow;
  switch (w.HullClass) {
    case Hull::kSingleHander: return BoatLook::SingleHander;
    case Hull::kTwoPerson:
    case Hull::kUnusedFour: return BoatLook::DoubleHander;
    case Hull::kSpinnakerDinghy: return BoatLook::SpinnakerDinghy;
    case Hull::kCruiser: return BoatLook::CruisingSloop;
    case Hull::kKeelboat: return BoatLook::Keelboat;
    case Hull::kCatamaran: return BoatLook::Catamaran;
    case Hull::kOffshoreCatamaran: return BoatLook::OffshoreCatamaran;
    default: return BoatLook::OffshoreRacer;
  }
}

Point BoatFigure::Turn(Vec3 p) const {
  // Raised points lean to leeward with the heel; the deck plane tilts by the heel and pitch.
  const double lat = p.lat - tack * p.z * sinHeel;
  const double z = p.z * cosHeel;
  const double fwd = -p.aft;
  const double across = lat * cosRho + fwd * sinRho;
  const double along = fwd * cosRho - lat * sinRho;
  const double lift = 0.8 * tack * p.lat * sinHeel + 0.01 * fwd * pitch;
  return Point{x0 + static_cast<int>(across), y0 - static_cast<int>(squash * along + lift + z)};
}

void BoatFigure::SetPoint(int i, Vec3 p) {
  w.OutlineX[i] = x0 + p.lat;
  w.OutlineY[i] = y0 + p.aft;
  w.OutlineHeight[i] = p.z;
  w.OutlineOffset[i] = p.lat;
  w.OutlineDistance[i] = std::sqrt(p.lat * p.lat + p.aft * p.aft);
  w.OutlineAngle[i] = std::atan2(p.lat, -p.aft);
  const Point s = Has(i) ? Turn(p) : Point{x0, y0};
  w.OutlineScreenX[i] = s.x;
  w.OutlineScreenY[i] = s.y;
}

Vec3 BoatFigure::Get(int i) const { return {w.OutlineOffset[i], w.OutlineY[i] - y0, w.OutlineHeight[i]}; }

Point BoatFigure::P(int i) const { return Point{w.OutlineScreenX[i], w.OutlineScreenY[i]}; }

void BoatFigure::Record(BoatPart part) {
  if (w.DrawnPartCount < kMaxDrawnParts) w.DrawnParts[w.DrawnPartCount++] = static_cast<int>(part);
}

void BoatFigure::Pen(Color color, int width) {
  if (mono) color = palette::kBlack;
  c.SetPen(color, width);
}

void BoatFigure::Brush(Color color) {
  if (mono) color = color == palette::kBlack ? palette::kBlack : palette::kWhite;
  c.SetBrush(color);
}

void BoatFigure::FillPolygon(const std::vector<Point>& points, Color fill, Color edge) {
  Brush(fill);
  Pen(edge);
  c.Polygon(points);
}

int BoatFigure::PenWidth(double fraction) const { return std::max(1, static_cast<int>(fraction * g)); }

// The half-beam of the deck at a given aft offset from the mast step, along the hull sides.
double HalfBeamAt(const BoatFigure& f, double aft) {
  if (f.catamaran) return f.halfBeam;
  // Points 10..6 run from the bow to the stern on the starboard side.
  const double bow = f.w.OutlineY[5] - f.y0;
  if (aft <= bow) return 0;
  double prevAft = bow, prevLat = 0;
  for (int i = 10; i >= 6; --i) {
    const double a = f.w.OutlineY[i] - f.y0;
    const double lat = f.w.OutlineOffset[i];
    if (aft <= a) return prevLat + (lat - prevLat) * (aft - prevAft) / std::max(a - prevAft, 1e-6);
    prevAft = a;
    prevLat = lat;
  }
  return prevLat;
}

namespace {

void BuildMonohull(BoatFigure& f) {
  const double g = f.g;
  const double v = f.shape->fullStern ? 0.8 : 1.0;
  const double beam = 0.85 * f.u * f.shape->beam;
  const double deck = f.freeboard;
  for (int i = 0; i <= 5; ++i) f.SetPoint(i, {0, -(i - 2) * g, deck});
  for (int k = 1; k <= 5; ++k) {
    const double offset = beam * std::sin(29 * k * v * kDegToRad);
    const double aft = -3 * g + k * g;
    f.SetPoint(11 - k, {offset, aft, deck});
    f.SetPoint(11 + k, {-offset, aft, deck});
  }
  f.SetPoint(11, {0, 2 * g + 0.07 * f.m, deck});

  if (f.look == BoatLook::Optimist) {
    f.SetPoint(5, f.Get(4));  // pram bow
  } else if (f.look == BoatLook::Scow) {
    // The scow's bow is nearly as wide as the boat, cut off square with rounded corners.
    const double widest = beam;
    f.SetPoint(5, {0, -2.9 * g, deck});
    f.SetPoint(10, {0.62 * widest, -2.75 * g, deck});
    f.SetPoint(12, {-0.62 * widest, -2.75 * g, deck});
    f.SetPoint(9, {0.9 * widest, -2.1 * g, deck});
    f.SetPoint(13, {-0.9 * widest, -2.1 * g, deck});
  } else if (f.look == BoatLook::Committee) {
    // A motor boat: beamy forward and a wide square stern.
    f.SetPoint(11, {0, 2.1 * g, deck});
    f.SetPoint(6, {0.8 * beam, 2 * g, deck});
    f.SetPoint(16, {-0.8 * beam, 2 * g, deck});
  }
  f.halfBeam = beam;
}

void BuildCatamaran(BoatFigure& f) {
  // Port hull 0..7, starboard hull 8..15 (bow, three outer points, stern, three inner points);
  // point 16 the middle of the front beam.
  const double g = f.g;
  const double spacing = 0.85 * f.u * f.shape->beam;
  const double hw = 0.22 * f.u * (f.look == BoatLook::OffshoreCatamaran ? 1.5 : 1.0);
  const double deck = f.freeboard;
  const double aftOf[4] = {-3.1 * g, -1.8 * g, 0.3 * g, 2.0 * g};
  const double widthOf[4] = {0, 0.8, 1.0, 0.75};
  for (int hull = 0; hull < 2; ++hull) {
    const int side = hull == 0 ? -1 : 1;
    const int base = hull * 8;
    for (int k = 0; k < 4; ++k) {
      f.SetPoint(base + k, {side * (spacing + widthOf[k] * hw), aftOf[k], deck});
    }
    f.SetPoint(base + 4, {side * spacing, 2.0 * g, deck});
    for (int k = 1; k < 4; ++k) {
      f.SetPoint(base + 4 + k, {side * (spacing - widthOf[4 - k] * hw), aftOf[4 - k], deck});
    }
  }
  f.SetPoint(16, {0, -0.1 * g, deck});
  f.halfBeam = spacing + hw;
}

}  // namespace

void BuildHullOutline(BoatFigure& f) {
  if (f.catamaran) {
    BuildCatamaran(f);
  } else {
    BuildMonohull(f);
  }
}
