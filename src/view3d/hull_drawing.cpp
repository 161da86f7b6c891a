// Hulls, decks, cabins, fittings, helm and the committee boat's flag.
#include <algorithm>
#include <cmath>

#include "draw/palette.h"
#include "state/angles.h"
#include "view3d/boat_figure.h"

namespace {

bool ShowsStarboard(int rho) { return rho > 0 || rho < -169; }
bool ShowsPort(int rho) { return rho < 0 || rho > 169; }

// Boats with overhangs have a waterline shorter than the deck.
double Overhang(BoatLook look) {
  switch (look) {
    case BoatLook::Keelboat: return 0.86;
    case BoatLook::CruisingSloop:
    case BoatLook::OffshoreRacer: return 0.9;
    case BoatLook::Sportboat: return 0.95;
    default: return 0.98;
  }
}

std::vector<Point> Side(const BoatFigure& f, std::initializer_list<int> deckPoints) {
  std::vector<Point> pts;
  std::vector<Vec3> deck;
  for (int i : deckPoints) {
    pts.push_back(f.P(i));
    deck.push_back(f.Get(i));
  }
  for (auto it = deck.rbegin(); it != deck.rend(); ++it) pts.push_back(f.Turn(Waterline(f, *it)));
  return pts;
}

void DrawBootStripe(BoatFigure& f, std::initializer_list<int> deckPoints) {
  if (f.g < 6) return;
  std::vector<Point> line;
  for (int i : deckPoints) {
    Vec3 p = Waterline(f, f.Get(i));
    p.z = 0.18 * f.freeboard;
    p.lat *= 1.04;
    line.push_back(f.Turn(p));
  }
  f.Pen(f.look == BoatLook::Committee ? palette::kBlue : palette::kBootStripe, std::max(1, f.PenWidth(0.05)));
  f.c.Polyline(line);
}

void DrawMonohull(BoatFigure& f) {
  const Color hull = f.hullColor;
  if (ShowsStarboard(f.rho)) {
    f.FillPolygon(Side(f, {5, 10, 9, 8, 7, 6, 11}), hull, palette::kHullOutline);
    DrawBootStripe(f, {5, 10, 9, 8, 7, 6, 11});
    f.Record(BoatPart::HullStarboard);
  }
  if (ShowsPort(f.rho)) {
    f.FillPolygon(Side(f, {5, 12, 13, 14, 15, 16, 11}), hull, palette::kHullOutline);
    DrawBootStripe(f, {5, 12, 13, 14, 15, 16, 11});
    f.Record(BoatPart::HullPort);
  }
  if (std::abs(f.rho) < 90) {
    f.FillPolygon(Side(f, {6, 11, 16}), hull, palette::kHullOutline);
    DrawBootStripe(f, {6, 11, 16});
    f.Record(BoatPart::Transom);
  }

  // The deck, and the open cockpit of the boats that have one.
  const bool teak = f.shape->teakDeck;
  f.FillPolygon({f.P(5), f.P(10), f.P(9), f.P(8), f.P(7), f.P(6), f.P(11), f.P(16), f.P(15), f.P(14),
                 f.P(13), f.P(12)},
                teak ? palette::kDeckTeak : palette::kDeckLight, palette::kHullOutline);
  double from = 0, to = 0, width = 0;  // cockpit, in g aft of the mast and of the half-beam
  switch (f.look) {
    case BoatLook::Optimist: from = -1.7, to = 2.3, width = 0.86; break;
    case BoatLook::SingleHander: from = 0.6, to = 2.0, width = 0.45; break;
    case BoatLook::DoubleHander:
    case BoatLook::SpinnakerDinghy: from = -0.8, to = 2.1, width = 0.7; break;
    case BoatLook::Skiff: from = -0.6, to = 2.0, width = 0.75; break;
    case BoatLook::Keelboat: from = -0.4, to = 2.1, width = 0.62; break;
    case BoatLook::Scow: from = -0.3, to = 2.1, width = 0.5; break;
    default: break;
  }
  if (width > 0 && f.g >= 4) {
    std::vector<Point> pit;
    const double steps[4] = {from, from + (to - from) / 3, from + 2 * (to - from) / 3, to};
    for (double a : steps) pit.push_back(f.Turn({width * HalfBeamAt(f, a * f.g), a * f.g, f.freeboard}));
    for (int k = 3; k >= 0; --k) {
      pit.push_back(f.Turn({-width * HalfBeamAt(f, steps[k] * f.g), steps[k] * f.g, f.freeboard}));
    }
    f.FillPolygon(pit, palette::kCockpit, palette::kHullOutline);
  }
  f.Record(BoatPart::Deck);
}

void DrawCatHull(BoatFigure& f, int hull) {
  const int b = hull * 8;
  const int side = hull == 0 ? -1 : 1;
  // The outer face of the port hull looks to port, its inner face to starboard.
  const bool outerShown = side > 0 ? ShowsStarboard(f.rho) : ShowsPort(f.rho);
  const bool innerShown = side > 0 ? ShowsPort(f.rho) : ShowsStarboard(f.rho);
  if (innerShown) f.FillPolygon(Side(f, {b + 4, b + 5, b + 6, b + 7, b}), f.hullColor, palette::kHullOutline);
  if (outerShown) f.FillPolygon(Side(f, {b, b + 1, b + 2, b + 3, b + 4}), f.hullColor, palette::kHullOutline);
  if (std::abs(f.rho) < 90) f.FillPolygon(Side(f, {b + 3, b + 4, b + 5}), f.hullColor, palette::kHullOutline);
  f.FillPolygon({f.P(b), f.P(b + 1), f.P(b + 2), f.P(b + 3), f.P(b + 4), f.P(b + 5), f.P(b + 6), f.P(b + 7)},
                palette::kDeckLight, palette::kHullOutline);
}

void DrawCatamaranHulls(BoatFigure& f) {
  const int farHull = f.rho > 0 ? 0 : 1;  // the starboard hull is nearer when its side shows
  DrawCatHull(f, farHull);
  if (std::abs(f.rho) < 91) {
    const double in = 0.85 * f.u * f.shape->beam - 0.15 * f.u;
    const double z = f.freeboard * 0.9;
    f.FillPolygon({f.Turn({-in, -0.1 * f.g, z}), f.Turn({in, -0.1 * f.g, z}), f.Turn({in, 1.75 * f.g, z}),
                   f.Turn({-in, 1.75 * f.g, z})},
                  palette::kTrampoline, palette::kHullOutline);
  }
  DrawCatHull(f, 1 - farHull);
  f.Record(BoatPart::CatHulls);
  if (std::abs(f.rho) < 91) f.Record(BoatPart::Trampoline);
}

void Line(BoatFigure& f, Vec3 a, Vec3 b) {
  const Point p = f.Turn(a), q = f.Turn(b);
  f.c.MoveTo(p.x, p.y);
  f.c.LineTo(q.x, q.y);
}

// A box standing on the deck: the faces that look at the camera, then the top.
void DrawBox(BoatFigure& f, double halfWidth, double front, double back, double z0, double z1, Color side,
             Color window) {
  auto at = [&](double lat, double aft, double z) { return f.Turn({lat, aft, z}); };
  const double hw = halfWidth;
  if (ShowsStarboard(f.rho)) {
    f.FillPolygon({at(hw, front, z0), at(hw, back, z0), at(hw, back, z1), at(hw, front, z1)}, side,
                  palette::kHullOutline);
  }
  if (ShowsPort(f.rho)) {
    f.FillPolygon({at(-hw, front, z0), at(-hw, back, z0), at(-hw, back, z1), at(-hw, front, z1)}, side,
                  palette::kHullOutline);
  }
  if (std::abs(f.rho) < 90) {
    f.FillPolygon({at(-hw, back, z0), at(hw, back, z0), at(hw, back, z1), at(-hw, back, z1)}, side,
                  palette::kHullOutline);
  } else {
    f.FillPolygon({at(-hw, front, z0), at(hw, front, z0), at(hw, front, z1), at(-hw, front, z1)}, side,
                  palette::kHullOutline);
  }
  f.FillPolygon({at(-hw, front, z1), at(hw, front, z1), at(hw, back, z1), at(-hw, back, z1)}, side,
                palette::kHullOutline);
  if (f.g < 7 || f.mono) return;
  // A band of windows along each side that shows.
  const double zw0 = z0 + 0.35 * (z1 - z0), zw1 = z0 + 0.7 * (z1 - z0);
  const double w0 = front + 0.15 * (back - front), w1 = back - 0.2 * (back - front);
  for (int s : {1, -1}) {
    if ((s > 0 && !ShowsStarboard(f.rho)) || (s < 0 && !ShowsPort(f.rho))) continue;
    f.FillPolygon({at(s * hw, w0, zw0), at(s * hw, w1, zw0), at(s * hw, w1, zw1), at(s * hw, w0, zw1)}, window,
                  window);
  }
}

}  // namespace

Vec3 Waterline(const BoatFigure& f, Vec3 deck) {
  if (f.catamaran) {
    const double centre = deck.lat > 0 ? 0.85 * f.u * f.shape->beam : -0.85 * f.u * f.shape->beam;
    return {centre + (deck.lat - centre) * 0.7, deck.aft * 0.97, 0};
  }
  return {deck.lat * 0.8, deck.aft * Overhang(f.look), 0};
}

void DrawHull(BoatFigure& f) {
  if (f.catamaran) {
    DrawCatamaranHulls(f);
  } else {
    DrawMonohull(f);
  }
}

void DrawBowWaves(BoatFigure& f) {
  // A low wedge of foam that curls up at the stem and trails off along the waterline.
  const Vec3 stem = Waterline(f, f.Get(5));
  const double lift = 0.2 * f.g * std::min(1.5, f.speedTenths / 60.0);
  const double spread = std::max(HalfBeamAt(f, 0), 0.3 * f.g);
  for (int side : {-1, 1}) {
    const bool shown = side < 0 ? (f.rho < 15 || f.rho > 170) : (f.rho > -15 || f.rho < -170);
    if (!shown) continue;
    const std::vector<Point> wave = {f.Turn({0, stem.aft - 0.05 * f.g, 0.4 * lift}),
                                     f.Turn({side * 0.55 * spread, stem.aft + 0.45 * f.g, lift}),
                                     f.Turn({side * 1.15 * spread, stem.aft + 2.0 * f.g, 0}),
                                     f.Turn({side * 0.75 * spread, stem.aft + 1.3 * f.g, -0.05 * f.g})};
    f.FillPolygon(wave, palette::kFoam, palette::Pick(f.mono, palette::kFoam, palette::kBlack));
    f.Record(side < 0 ? BoatPart::BowWavePort : BoatPart::BowWaveStarboard);
  }
}

void DrawFittings(BoatFigure& f) {
  const Proportions& s = *f.shape;
  const double deck = f.freeboard;
  const double top = deck + f.mastHeight;
  const double hounds = deck + (s.jibHeight > 0 ? s.jibHeight : 0.8) * f.mastHeight;
  if (f.catamaran) {
    const double reach = 0.85 * f.u * s.beam;
    f.Pen(palette::kMast, f.PenWidth(0.12));
    Line(f, {-reach, -0.1 * f.g, deck}, {reach, -0.1 * f.g, deck});
    Line(f, {-reach, 1.8 * f.g, deck}, {reach, 1.8 * f.g, deck});
    f.Pen(palette::kRigging);
    Line(f, {-reach, 0.2 * f.g, deck}, {0, 0, hounds});
    Line(f, {reach, 0.2 * f.g, deck}, {0, 0, hounds});
    Line(f, {-reach, -3.0 * f.g, deck}, {0, -2.2 * f.g, deck});
    Line(f, {reach, -3.0 * f.g, deck}, {0, -2.2 * f.g, deck});
    f.Record(BoatPart::CatMastAndBeam);
    if (f.look == BoatLook::OffshoreCatamaran) {
      DrawBox(f, reach - 0.3 * f.u, -0.9 * f.g, 1.3 * f.g, deck, deck + 0.55 * f.g, palette::kCabinSide,
              palette::kCabinWindow);
      f.Record(BoatPart::CatCabin);
    }
    return;
  }

  // Shrouds, and on the bigger boats the backstay and the lifelines.
  if (s.jibHeight > 0 || s.standingRig) {
    f.Pen(palette::kRigging);
    const double chain = 0.95 * HalfBeamAt(f, 0.2 * f.g);
    Line(f, {chain, 0.2 * f.g, deck}, {0, 0, hounds});
    Line(f, {-chain, 0.2 * f.g, deck}, {0, 0, hounds});
  }
  if (s.standingRig) {
    f.Pen(palette::kRigging);
    Line(f, f.Get(11), {0, 0, top});
    if (f.g >= 10) {
      const double rail = deck + 0.3 * f.g;
      for (int sideStart : {10, 12}) {
        std::vector<Point> line;
        for (int k = 0; k < 5; ++k) {
          const int i = sideStart == 10 ? 10 - k : 12 + k;
          Vec3 p = f.Get(i);
          line.push_back(f.Turn({p.lat * 0.97, p.aft, rail}));
          Line(f, {p.lat * 0.97, p.aft, deck}, {p.lat * 0.97, p.aft, rail});
        }
        f.c.Polyline(line);
      }
    }
  }
  if (s.racks) {
    // Hiking wings: a tube frame out from each side.
    f.Pen(palette::kMastCarbon, f.PenWidth(0.05));
    for (int side : {-1, 1}) {
      const double in1 = side * HalfBeamAt(f, 0.2 * f.g), in2 = side * HalfBeamAt(f, 1.9 * f.g);
      const double out = side * 1.75 * HalfBeamAt(f, 0);
      const std::vector<Point> wing = {f.Turn({in1, 0.2 * f.g, deck}), f.Turn({out, 0.5 * f.g, deck}),
                                       f.Turn({out, 1.7 * f.g, deck}), f.Turn({in2, 1.9 * f.g, deck})};
      f.c.Polyline(wing);
    }
  }
  if (s.bowsprit > 0 && f.spinnakerFlying && !f.far) {
    f.Pen(palette::kMastCarbon, f.PenWidth(0.06));
    Line(f, f.Get(5), {0, f.Get(5).aft - s.bowsprit * f.g, deck});
  }
  // The mast's foot on the deck.
  const Point foot = f.Turn({0, 0, deck});
  const int r = std::max(1, static_cast<int>(0.08 * f.g));
  f.Brush(palette::kMastCarbon);
  f.Pen(palette::kMastCarbon);
  f.c.Ellipse(foot.x - r, foot.y - r / 2, foot.x + r + 1, foot.y + r / 2 + 1);
  f.Record(BoatPart::Fittings);
}

void DrawCabinAndCockpit(BoatFigure& f) {
  const double g = f.g;
  double front = -1.3 * g, back = 0.9 * g, height = 0.32 * g, narrow = 0.62;
  if (f.look == BoatLook::Sportboat) front = -1.0 * g, back = 0.6 * g, height = 0.16 * g, narrow = 0.55;
  if (f.look == BoatLook::OffshoreRacer) front = -1.4 * g, back = 0.8 * g, height = 0.22 * g;
  const double hw = narrow * HalfBeamAt(f, 0);
  // Cockpit first: the cabin's aft face stands in front of it.
  const double pitFront = back + 0.05 * g, pitBack = 2.05 * g;
  const double pw0 = 0.7 * HalfBeamAt(f, pitFront), pw1 = 0.7 * HalfBeamAt(f, pitBack);
  f.FillPolygon({f.Turn({-pw0, pitFront, f.freeboard}), f.Turn({pw0, pitFront, f.freeboard}),
                 f.Turn({pw1, pitBack, f.freeboard}), f.Turn({-pw1, pitBack, f.freeboard})},
                palette::kCockpit, palette::kHullOutline);
  DrawBox(f, hw, front, back, f.freeboard, f.freeboard + height, palette::kCabinSide, palette::kCabinWindow);
  f.Record(BoatPart::CabinCockpit);
}

void DrawCommitteeFlag(BoatFigure& f) {
  const double g = f.g;
  const double foot = f.freeboard, top = f.freeboard + 1.9 * g;
  const double staffAft = 1.2 * g;
  f.Pen(palette::kMast, f.PenWidth(0.06));
  Line(f, {0, staffAft, foot}, {0, staffAft, top});
  // Head to wind, the flag streams aft.
  const Color flag = palette::Pick(f.mono, palette::kCommitteeFlag, palette::kBlack);
  f.FillPolygon({f.Turn({0, staffAft, top}), f.Turn({0, staffAft + 0.9 * g, top - 0.05 * g}),
                 f.Turn({0, staffAft + 0.85 * g, top - 0.55 * g}), f.Turn({0, staffAft, top - 0.5 * g})},
                flag, palette::kHullOutline);
  f.Record(BoatPart::Flag);
}

void DrawTiller(BoatFigure& f) {
  const double g = f.g;
  const Vec3 head = {0, f.Get(11).aft - 0.15 * g, f.freeboard + 0.08 * g};
  const int rudder = f.user ? std::clamp(f.w.HelmInput, -35, 35) : 0;
  const double a = -rudder * kDegToRad;
  const double len = (f.catamaran ? 0.8 : 1.4) * g;
  const Vec3 end = {head.lat + len * std::sin(a), head.aft - len * std::cos(a), head.z + 0.05 * g};
  f.Pen(palette::kTiller, f.PenWidth(0.07));
  Line(f, head, end);
  if (f.catamaran) {
    // The cross bar joins the two rudders.
    const double reach = 0.85 * f.u * f.shape->beam;
    f.Pen(palette::kMast, f.PenWidth(0.04));
    Line(f, {-reach, 1.9 * g, f.freeboard}, {reach, 1.9 * g, f.freeboard});
  }
  f.Record(BoatPart::Tiller);
}

void DrawWheel(BoatFigure& f) {
  const double g = f.g;
  const double aft = (f.shape->crewAft[0] - 0.35) * g;
  const double r = 0.32 * g;
  const Vec3 hub = {0, aft, f.freeboard + r + 0.05 * g};
  f.Pen(palette::kMast, f.PenWidth(0.04));
  Line(f, {0, aft, f.freeboard}, hub);
  const Point c = f.Turn(hub);
  const int half = std::max(1, static_cast<int>(r * std::abs(f.cosRho)));
  const int rr = std::max(1, static_cast<int>(r));
  f.c.SetHollowBrush();
  f.Pen(palette::kMastCarbon, f.PenWidth(0.04));
  f.c.Ellipse(c.x - half, c.y - rr, c.x + half + 1, c.y + rr + 1);
  f.Record(BoatPart::Wheel);
}
