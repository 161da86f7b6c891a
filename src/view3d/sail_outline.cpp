// Outline points of the boom and main, the headsail and the spinnaker, from the sail states.
#include <algorithm>
#include <cmath>

#include "boat/boat_family.h"
#include "state/angles.h"
#include "state/hull_class.h"
#include "view3d/boat_figure.h"

namespace {

constexpr double kPi = 3.14159265358979;

// Plan direction of a sail chord that leaves the luff at `angle` degrees off the centreline,
// aft and to the side `side`; and the direction its belly bulges (to that side, a little
// forward).
Vec3 Chord(int side, double angle) {
  const double a = angle * kDegToRad;
  return {side * std::sin(a), std::cos(a), 0};
}
Vec3 Belly(int side, double angle) {
  const double a = angle * kDegToRad;
  return {side * std::cos(a), -std::sin(a), 0};
}

double Clamp(double v, double lo, double hi) { return std::max(lo, std::min(hi, v)); }

void BuildMain(BoatFigure& f) {
  const World& w = f.w;
  const Proportions& s = *f.shape;
  const double g = f.g;
  const int sail = w.SailAngles[f.boat];
  // A flapping main (negative sail angle) swings to windward.
  const int side = f.Leeward();
  const double boom = s.boomLength * g;
  f.boomZ = f.freeboard + s.boomHeight * g;
  double head = f.freeboard + f.mastHeight * 0.98;
  if (f.user && w.Reefed) head = f.boomZ + (head - f.boomZ) * 0.8;
  f.luffTopZ = head;
  double topChord = s.main == MainStyle::SquareTop ? 0.3 : 0.05;
  double headZ = head;
  if (s.main == MainStyle::Sprit) {
    topChord = 0.85;  // the sprit holds the peak out aft and above the mast
    headZ = f.freeboard + f.mastHeight * 1.2;
  }
  f.mainTwist = f.user ? Clamp(w.MainTwist, 0, 45) * 0.7 : 15;
  const double depth = (f.user ? Clamp(w.MainDepth, 2, 24) : 10) / 100.0;

  auto leech = [&](double t) {
    const double chord = boom * (1 - t * (1 - topChord));
    const Vec3 luff = {0, 0, f.boomZ + t * (headZ - f.boomZ)};
    return luff + Chord(side, sail + f.mainTwist * t) * chord;
  };
  auto belly = [&](double t, double amount) {
    const double chord = boom * (1 - t * (1 - topChord));
    const double a = sail + f.mainTwist * t;
    const Vec3 luff = {0, 0, f.boomZ + t * (f.luffTopZ - f.boomZ)};
    return luff + Chord(side, a) * (0.45 * chord) + Belly(side, a) * (amount * chord);
  };
  f.SetPoint(17, leech(0));
  f.SetPoint(18, leech(1));
  f.SetPoint(19, leech(0.75));
  f.SetPoint(20, leech(0.5));
  f.SetPoint(21, belly(0, 0.3 * depth));
  f.SetPoint(22, belly(0.5, depth));
  f.SetPoint(29, belly(0.8, depth * 0.8));
}

void BuildJib(BoatFigure& f) {
  const World& w = f.w;
  const Proportions& s = *f.shape;
  const double g = f.g;
  double height = s.jibHeight;
  double foot = s.jibFoot;
  const bool designRig =
      !f.catamaran &&
      (w.HullClass == Hull::kCruiser || w.HullClass == Hull::kOffshoreRacer || f.look == BoatLook::Keelboat);
  if (designRig) {
    const bool masthead = w.RigHeightPercent >= 100;
    height = masthead ? 0.97 : 0.8;
    foot = masthead ? std::max(foot, 1.3) : std::min(foot, 1.1);
  }
  if (w.JibSize >= 3 && w.HullClass > Hull::kTwoPerson) {
    height *= 0.6;
    foot *= 0.55;
  }
  f.forestayZ = f.freeboard + (designRig ? (w.RigHeightPercent >= 100 ? 0.97 : 0.8) : s.jibHeight) * f.mastHeight;
  f.jibFurl = f.user ? Clamp(w.JibFurl, 0, 100) / 100.0 : 0;
  if (f.jibFurl >= 0.5) {
    height *= 1 - 0.6 * (f.jibFurl - 0.25);
    foot *= 1 - 0.8 * (f.jibFurl - 0.25);
  }

  const double stemToMast = f.catamaran ? 2.3 * g : -f.Get(5).aft;
  const Vec3 tack = {0, -stemToMast, f.freeboard + 0.05 * g};
  const Vec3 stayTop = {0, 0, f.forestayZ};
  const Vec3 head = Lerp(tack, {0, 0, f.freeboard + height * f.mastHeight}, 0.96);
  const double length = foot * stemToMast;

  int side = f.Leeward();
  double angle = f.user ? 8 + 2.0 * Clamp(w.JibSheet, 0, 24)
                        : Clamp(8 + (w.TrueWindAngles[f.boat] - 35) / 2.5, 8, 60);
  double depth = 0.1;
  const bool whisker = f.spinnakerFlying && w.HullClass == Hull::kTwoPerson && !f.far;
  if ((f.user && w.WingOnWing) || whisker) {
    side = f.Windward();  // goose-winged: the jib held out on the other side
    angle = 80;
  }
  if (f.user && w.JibState > 0) depth = -0.1 * std::min(w.JibState, 99) / 99.0;
  const double clewZ = f.freeboard + (foot > 1.2 ? 0.1 : 0.3) * g;
  const Vec3 clew = tack + Chord(side, angle) * length + Vec3{0, 0, clewZ - tack.z};
  const Vec3 luffMid = Lerp(tack, head, 0.5);
  const double midChord = 0.55 * length;
  const double twisted = angle + 6;

  f.SetPoint(23, tack);
  f.SetPoint(24, head);
  f.SetPoint(25, clew);
  f.SetPoint(26, luffMid + Chord(side, twisted) * (0.45 * midChord) + Belly(side, twisted) * (depth * midChord));
  f.SetPoint(27, luffMid + Chord(side, twisted) * midChord + Vec3{0, 0, 0.5 * (clewZ - tack.z)});
  f.SetPoint(28, tack + Chord(side, angle) * (0.5 * length) + Belly(side, angle) * (0.5 * depth * length) +
                     Vec3{0, 0, 0.5 * (clewZ - tack.z)});
  f.SetPoint(32, stayTop);
  if (whisker) f.SetPoint(38, clew);
  f.jibPoints = true;
}

// Edge point of a spinnaker between a corner and the head, bulging along `out`.
Vec3 Edge(Vec3 corner, Vec3 head, double t, Vec3 out) { return Lerp(corner, head, t) + out * std::sin(kPi * t); }

double Distance(Vec3 a, Vec3 b) {
  const Vec3 d = b - a;
  return std::sqrt(d.lat * d.lat + d.aft * d.aft + d.z * d.z);
}

Vec3 Flat(Vec3 v) {
  const double n = std::sqrt(v.lat * v.lat + v.aft * v.aft);
  return n > 1e-9 ? Vec3{v.lat / n, v.aft / n, 0} : Vec3{0, -1, 0};
}

void BuildSpinnaker(BoatFigure& f) {
  const World& w = f.w;
  const Proportions& s = *f.shape;
  const double g = f.g;
  // The foretriangle's base sets the spinnaker's size; ours is a little short of the stem.
  const double j = f.catamaran ? 2.2 * g : -0.72 * f.Get(5).aft;
  const int twa = w.TrueWindAngles[f.boat];
  const int collapse = f.user ? w.SpinnakerCollapse : 0;
  const double headHeight = std::min(1.0, (s.jibHeight > 0 ? s.jibHeight : 0.8) + 0.06);
  const Vec3 head = {0, -0.15 * g, f.freeboard + headHeight * f.mastHeight};
  Vec3 tack, clew, axis;

  if (w.SpinnakerKind == 3) {
    // Asymmetric: tacked to the bowsprit, the clew sheeted aft to leeward.
    const double sprit = std::max(s.bowsprit, 0.5) * g;
    tack = {0, -j - sprit, f.freeboard + 0.1 * g};
    const double foot = Clamp(20 + (twa - 90) * 0.45, 20, 60);
    clew = tack + Chord(f.Leeward(), foot) * (1.55 * j) + Vec3{0, 0, 0.35 * g};
    const double a = f.Leeward() * foot * 0.6 * kDegToRad;
    axis = {std::sin(a), -std::cos(a), 0};
  } else {
    // Conventional: tacked to the pole end on the windward side, the clew mirrored across the
    // line the sail flies along.
    const int guy = f.user ? (w.GuyAngle > 0 ? std::clamp(w.GuyAngle, 5, 80) : 40) : std::clamp(twa - 112, 5, 80);
    const double pole = (guy + 8) * kDegToRad;
    const int height = f.user ? std::clamp(w.PoleHeight, 1, 3) : 2;
    const double poleZ = f.freeboard + (0.12 + 0.04 * (height - 2)) * f.mastHeight;
    const double reach = 0.95 * j;
    tack = {f.Windward() * reach * std::sin(pole), -reach * std::cos(pole), poleZ};
    const double along = f.Leeward() * (80 - guy) * 0.55 * kDegToRad;
    const double fromBow = std::atan2(tack.lat, -tack.aft);
    const double mirrored = 2 * along - fromBow;
    clew = {1.05 * reach * std::sin(mirrored), -1.05 * reach * std::cos(mirrored), poleZ + 0.03 * f.mastHeight};
    axis = {std::sin(along), -std::cos(along), 0};
    f.SetPoint(34, tack);
  }

  // The edges bulge out to broad shoulders and the whole sail balloons forward.
  double forward = 0.3 * j, outward = 0.3 * Distance(tack, clew);
  if (collapse >= 100) {
    clew = Lerp(clew, tack, 0.55);
    forward *= 0.25;
    outward *= -0.2;
  }
  const Vec3 footMid = Lerp(tack, clew, 0.5);
  const Vec3 luffOut = Flat(tack - footMid);
  const Vec3 leechOut = Flat(clew - footMid);
  // A curling luff folds in toward the middle of the sail.
  const double luffOutward = collapse == 30 ? -0.15 * outward : outward;
  const double luffForward = collapse == 30 ? 0.3 * forward : forward;
  f.SetPoint(38, head);
  f.SetPoint(39, tack);
  f.SetPoint(40, clew);
  const double at[3] = {0.28, 0.55, 0.8};
  for (int k = 0; k < 3; ++k) {
    f.SetPoint(41 + k, Edge(tack, head, at[k], axis * luffForward + luffOut * luffOutward));
    f.SetPoint(44 + k, Edge(clew, head, at[k], axis * forward + leechOut * outward));
  }
  f.SetPoint(47, footMid + axis * (0.6 * forward) + Vec3{0, 0, 0.12 * (head.z - tack.z)});
  f.SetPoint(48, Lerp(footMid, head, 0.45) + axis * (1.2 * forward));
  f.spinnakerPoints = true;
}

}  // namespace

void BuildSailOutlines(BoatFigure& f) {
  f.spinnakerPoints = false;
  f.jibPoints = false;
  if (f.sailless) return;
  BuildMain(f);
  if (HasJib(f.w) && f.shape->jibHeight > 0) BuildJib(f);
  // Only boats below the far row work out the spinnaker; the whisker pole's jib is built above.
  if (f.spinnakerFlying && !f.far && f.budget > 38 && IsSpinnakerBoat(f.w)) {
    BuildSpinnaker(f);
  }
}
