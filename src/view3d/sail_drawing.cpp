// Boom and main, headsails, spinnakers, telltales, chord lines and the mast.
#include <algorithm>
#include <cmath>

#include "draw/palette.h"
#include "state/angles.h"
#include "view3d/boat_figure.h"

namespace {

Color SailFace(const BoatFigure& f) {
  // One face of a sail is lit, the other in shade: which one shows tells the tack at a glance.
  const bool shade = f.leeSideSeen;
  switch (f.shape->cloth) {
    case SailCloth::Cream: return shade ? palette::kSailCreamShade : palette::kSailCream;
    case SailCloth::Laminate: return shade ? palette::kSailLaminateShade : palette::kSailLaminate;
    case SailCloth::Smoke: return shade ? palette::kSailSmokeShade : palette::kSailSmoke;
    case SailCloth::Carbon: return shade ? palette::kSailCarbonShade : palette::kSailCarbon;
    default: return shade ? palette::kSailShade : palette::kSailCloth;
  }
}

void SailBrush(BoatFigure& f, bool hollow) {
  if (hollow) {
    f.c.SetHollowBrush();
  } else {
    f.Brush(SailFace(f));
  }
}

// A closed outline through the given points, rounded off between them.
std::vector<Point> Rounded(const std::vector<Point>& p) {
  const int n = static_cast<int>(p.size());
  std::vector<Point> out;
  out.reserve(3 * n);
  for (int i = 0; i < n; ++i) {
    const Point& a = p[(i + n - 1) % n];
    const Point& b = p[i];
    const Point& c = p[(i + 1) % n];
    const Point& d = p[(i + 2) % n];
    out.push_back(b);
    for (double t : {1.0 / 3, 2.0 / 3}) {
      const double t2 = t * t, t3 = t2 * t;
      auto spline = [&](double a0, double b0, double c0, double d0) {
        return 0.5 * (2 * b0 + (c0 - a0) * t + (2 * a0 - 5 * b0 + 4 * c0 - d0) * t2 + (3 * b0 - a0 - 3 * c0 + d0) * t3);
      };
      out.push_back(Point{static_cast<int>(spline(a.x, b.x, c.x, d.x)), static_cast<int>(spline(a.y, b.y, c.y, d.y))});
    }
  }
  return out;
}

void Segment(BoatFigure& f, Point a, Point b) {
  f.c.MoveTo(a.x, a.y);
  f.c.LineTo(b.x, b.y);
}

Point MainLuff(const BoatFigure& f, double t) { return f.Turn({0, 0, f.boomZ + t * (f.luffTopZ - f.boomZ)}); }

Vec3 MainLeech3(const BoatFigure& f, double t) {
  // Along the leech points 17 (foot), 20 (half), 19 (three quarters) and 18 (head).
  const int idx[4] = {17, 20, 19, 18};
  const double at[4] = {0, 0.5, 0.75, 1};
  for (int k = 1; k < 4; ++k) {
    if (t <= at[k]) return Lerp(f.Get(idx[k - 1]), f.Get(idx[k]), (t - at[k - 1]) / (at[k] - at[k - 1]));
  }
  return f.Get(18);
}

void DrawHeadsail(BoatFigure& f, BoatPart part) {
  const World& w = f.w;
  const Point tack = f.P(23), head = f.P(24);
  const Point stayTop = f.Turn({0, 0, f.forestayZ});
  f.Pen(palette::kRigging);
  Segment(f, tack, stayTop);
  if (f.jibFurl >= 1) {
    // Rolled up on the forestay.
    const Point top = f.Turn(Lerp(f.Get(23), {0, 0, f.forestayZ}, 0.9));
    f.Pen(palette::kSailEdge, std::max(2, f.PenWidth(0.09)));
    Segment(f, tack, top);
    f.Pen(SailFace(f), std::max(1, f.PenWidth(0.05)));
    Segment(f, tack, top);
    f.Record(part);
    return;
  }
  const bool hollow = f.boat == 1 && w.AllSailsTransparent;
  const Point luffMid = f.Turn(Lerp(f.Get(23), f.Get(24), 0.5));
  SailBrush(f, hollow);
  f.Pen(palette::kSailEdge);
  if (f.Has(28)) {
    f.c.Polygon({tack, f.P(28), f.P(25), f.P(27), f.P(26), luffMid});
    f.c.Polygon({luffMid, f.P(26), f.P(27), head});
  } else {
    f.c.Polygon({tack, f.P(25), head});
  }
  if (f.user && w.JibState > 0 && f.Has(28) && !hollow) {
    // Backwinded: the luff is pushed in from the lee side.
    const Vec3 t = f.Get(23), m = Lerp(f.Get(23), f.Get(24), 0.5);
    const double k = 0.25 + 0.4 * std::min(w.JibState, 99) / 99.0;
    f.FillPolygon({tack, f.Turn(Lerp(t, f.Get(28), k)), f.Turn(Lerp(m, f.Get(26), k)), head},
                  palette::kSailBackwind, palette::kSailEdge);
  }
  if (f.user && w.JibState < 0) {
    f.Pen(palette::kSailStall, std::max(2, f.PenWidth(0.04)));
    f.c.Polyline({f.P(25), f.Has(27) ? f.P(27) : f.P(25), head});
  }
  f.Record(part);
}

}  // namespace

void DrawMain(BoatFigure& f) {
  const World& w = f.w;
  const bool hollow = f.boat == 1 && (w.MainTransparent || w.AllSailsTransparent);
  const Point gooseneck = f.Turn({0, 0, f.boomZ});
  const Color spar = f.shape->carbon ? palette::kMastCarbon : palette::kMast;

  SailBrush(f, hollow);
  f.Pen(palette::kSailEdge);
  const Point l0 = MainLuff(f, 0), l5 = MainLuff(f, 0.5), l1 = MainLuff(f, 1);
  if (hollow) {
    f.c.Polygon({l0, f.P(21), f.P(17), f.P(20), f.P(19), f.P(18), l1});
  } else {
    f.c.Polygon({l0, f.P(21), f.P(17), f.P(20), f.P(22), l5});
    f.c.Polygon({l5, f.P(22), f.P(20), f.P(19), f.P(18), l1});
  }

  if (f.shape->cloth == SailCloth::Striped && !hollow && !f.mono && f.g >= 4) {
    // Two coloured bands across the upper main, as beach catamarans wear them.
    for (int k = 0; k < 2; ++k) {
      const double t0 = 0.5 + 0.14 * k, t1 = t0 + 0.09;
      f.FillPolygon({MainLuff(f, t0), f.Turn(MainLeech3(f, t0)), f.Turn(MainLeech3(f, t1)), MainLuff(f, t1)},
                    palette::kSailStripes[k], palette::kSailStripes[k]);
    }
  }
  if (f.shape->main == MainStyle::Sprit) {
    f.Pen(spar, f.PenWidth(0.04));
    Segment(f, MainLuff(f, 0.3), f.P(18));
  }
  if (f.shape->main == MainStyle::SquareTop && f.g >= 6 && !hollow) {
    f.Pen(palette::kBatten);
    Segment(f, f.P(20), f.P(22));
    if (f.Has(29)) Segment(f, f.P(19), f.P(29));
  }
  if (f.user && !hollow) {
    const int sail = w.SailAngles[f.boat];
    const double boom = f.shape->boomLength * f.g;
    const double a = sail * kDegToRad;
    const Vec3 chord = {f.Leeward() * std::sin(a), std::cos(a), 0};
    const Vec3 windward = {-f.Leeward() * std::cos(a), std::sin(a), 0};
    if (w.MainBackwindPercent > 0) {
      // The backwinded luff bulges to windward, the more the larger the percentage.
      const double p = std::min(w.MainBackwindPercent, 99) / 100.0;
      const Vec3 push = chord * ((0.12 + 0.3 * p) * boom) + windward * ((0.05 + 0.15 * p) * boom);
      auto luff3 = [&](double t) { return Vec3{0, 0, f.boomZ + t * (f.luffTopZ - f.boomZ)}; };
      f.FillPolygon({MainLuff(f, 0.08), f.Turn(luff3(0.3) + push), f.Turn(luff3(0.6) + push * 0.8),
                     f.Turn(luff3(0.85) + push * 0.4), MainLuff(f, 0.95)},
                    palette::kSailBackwind, palette::kSailEdge);
    }
    if (w.MainStalled) {
      f.Pen(palette::kSailStall, std::max(2, f.PenWidth(0.04)));
      f.c.Polyline({f.P(17), f.P(20), f.P(19), f.P(18)});
    }
  }

  f.Pen(spar, f.PenWidth(0.07));
  Segment(f, gooseneck, f.P(17));
  f.Record(BoatPart::Main);
}

void DrawJib(BoatFigure& f) {
  if (f.jibPoints) DrawHeadsail(f, BoatPart::Jib);
}

void DrawWhiskerJib(BoatFigure& f) {
  if (!f.jibPoints) return;
  DrawHeadsail(f, BoatPart::WhiskerJib);
  const Vec3 clew = f.Get(25);
  f.Pen(palette::kMast, f.PenWidth(0.04));
  Segment(f, f.Turn({0, -0.1 * f.g, clew.z + 0.05 * f.g}), f.P(25));
}

void DrawSpinnaker(BoatFigure& f) {
  if (!f.spinnakerPoints) return;
  const World& w = f.w;
  const int b = f.boat;
  if (w.SpinnakerKind != 3 && f.Has(34)) {
    const Vec3 end = f.Get(34);
    f.Pen(palette::kMast, f.PenWidth(0.05));
    Segment(f, f.Turn({0, 0, end.z}), f.P(34));
  }
  f.Pen(palette::kRigging);
  Segment(f, f.P(40), f.Turn({f.Leeward() * 0.9 * f.halfBeam, 1.8 * f.g, f.freeboard}));

  const Color cloth = palette::kSpinnakerColors[b];
  f.FillPolygon(Rounded({f.P(39), f.P(41), f.P(42), f.P(43), f.P(38), f.P(46), f.P(45), f.P(44), f.P(40), f.P(47)}),
                cloth, palette::kSailEdge);
  if (!f.mono) f.FillPolygon({f.P(42), f.P(43), f.P(46), f.P(45)}, palette::kSpinnakerPanel, palette::kSailEdge);
  if (f.g >= 6) {
    f.Pen(palette::kSailEdge);
    f.c.Polyline({f.P(38), f.P(48), f.P(47)});
  }
  f.Record(BoatPart::Spinnaker);
}

namespace {

// Stores a telltale's root and tail and draws it.
void Telltale(BoatFigure& f, int& n, Point root, Point tail) {
  if (n + 1 < kSailMarkPoints) {
    f.w.TelltaleScreenX[n] = root.x;
    f.w.TelltaleScreenY[n++] = root.y;
    f.w.TelltaleScreenX[n] = tail.x;
    f.w.TelltaleScreenY[n++] = tail.y;
  }
  Segment(f, root, tail);
}

}  // namespace

void DrawMainTelltales(BoatFigure& f) {
  const double g = f.g;
  int n = 0;
  // Leech telltales stream aft while the flow stays attached and hang down in a stall.
  f.Pen(palette::kTelltaleRed, std::max(1, f.PenWidth(0.025)));
  for (double t : {0.35, 0.6, 0.85}) {
    const Vec3 root = MainLeech3(f, t);
    const Vec3 flow = root - Vec3{0, 0, root.z};
    const double len = std::max(1e-6, std::sqrt(flow.lat * flow.lat + flow.aft * flow.aft));
    const Vec3 tail = f.w.MainStalled ? root + Vec3{0, 0.08 * g, -0.22 * g} : root + flow * (0.25 * g / len);
    Telltale(f, n, f.Turn(root), f.Turn(tail));
  }
  f.Record(BoatPart::Telltales);
}

void DrawJibTelltales(BoatFigure& f) {
  if (!f.jibPoints || f.jibFurl >= 1 || !f.Has(27)) return;
  const double g = f.g;
  const int jibState = f.w.JibState;
  int n = 6;
  // Luff telltales on either face: the windward one lifts when the jib is backwinded, the
  // leeward one droops when it stalls. Green on the starboard face, red on the port face.
  for (double t : {0.35, 0.65}) {
    const Vec3 luff = Lerp(f.Get(23), f.Get(24), t);
    const Vec3 leech = t < 0.5 ? Lerp(f.Get(25), f.Get(27), t / 0.5) : Lerp(f.Get(27), f.Get(24), (t - 0.5) / 0.5);
    const Vec3 root = Lerp(luff, leech, 0.15);
    const Vec3 along = (leech - luff) * 0.15;
    for (int face : {f.Windward(), f.Leeward()}) {
      const Vec3 r = root + Vec3{face * 0.02 * g, 0, 0};
      Vec3 tail = r + along;
      if (face == f.Windward() && jibState > 0) tail = r + Vec3{0, -0.04 * g, 0.2 * g};
      if (face == f.Leeward() && jibState < 0) tail = r + Vec3{0, 0.04 * g, -0.2 * g};
      f.Pen(face > 0 ? palette::kTelltaleGreen : palette::kTelltaleRed, std::max(1, f.PenWidth(0.025)));
      Telltale(f, n, f.Turn(r), f.Turn(tail));
    }
  }
}

void DrawChordLines(BoatFigure& f) {
  int n = 0;
  auto chord = [&](Vec3 luff, Vec3 leech, Vec3 belly) {
    const Point a = f.Turn(luff), b = f.Turn(leech), d = f.Turn(belly);
    const Point mid = f.Turn(Lerp(luff, leech, 0.45));
    Segment(f, a, b);
    Segment(f, mid, d);
    for (Point p : {a, b, d}) {
      if (n >= kSailMarkPoints) break;
      f.w.ChordScreenX[n] = p.x;
      f.w.ChordScreenY[n++] = p.y;
    }
  };
  f.Pen(palette::kChordLine, std::max(2, f.PenWidth(0.03)));
  chord({0, 0, f.boomZ + 0.5 * (f.luffTopZ - f.boomZ)}, f.Get(20), f.Get(22));
  if (f.jibPoints && f.jibFurl < 1 && f.Has(27)) chord(Lerp(f.Get(23), f.Get(24), 0.5), f.Get(27), f.Get(26));
  if (f.spinnakerPoints) chord(f.Get(42), f.Get(45), f.Get(48));
  f.Record(BoatPart::ChordLines);
}

void DrawMast(BoatFigure& f) {
  const Point foot = f.Turn({0, 0, f.freeboard});
  const Point top = f.Turn({0, 0, f.freeboard + f.mastHeight});
  f.Pen(f.shape->carbon ? palette::kMastCarbon : palette::kMast, std::max(1, f.PenWidth(0.06)));
  Segment(f, foot, top);
  if (f.shape->standingRig && f.g >= 8 && !f.catamaran) {
    const double z = f.freeboard + 0.5 * f.mastHeight;
    const double half = 0.45 * f.halfBeam;
    f.Pen(palette::kRigging, std::max(1, f.PenWidth(0.03)));
    Segment(f, f.Turn({-half, 0, z}), f.Turn({half, 0, z}));
  }
  f.Record(BoatPart::Mast);
}
