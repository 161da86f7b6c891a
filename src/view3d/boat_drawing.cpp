// The boat drawing: culling, the size law, the attitude relative to the camera, and the order in
// which the parts are drawn so that nearer parts cover farther ones.
#include "view3d/boat_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "boat/boat_family.h"
#include "draw/palette.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/hull_class.h"
#include "view3d/boat_figure.h"

namespace {

double SizeFactor(const World& w, int y, int boat, int bottomRow, int topRow) {
  double s;
  if (w.IllustrationMode == 1) {
    s = 0.49 * std::sqrt(w.ScaleY);
  } else if (w.IllustrationMode >= 2) {
    s = (w.InstructionPage == 108 || w.InstructionPage == 109 ? 0.22 : 0.27) * w.ScaleY;
    // Diagram mode: the rows handed in span the page's sea, and a boat lower on the page (nearer)
    // is drawn larger; the farthest camera step, which the tactics pages use, shrinks every boat.
    const int span = bottomRow - topRow;
    if (span > 0) s *= 0.75 + 0.5 * std::clamp(static_cast<double>(y - topRow) / span, 0.0, 1.0);
    if (w.CameraDistance == 4) s *= 0.7;
  } else {
    // A scene without depth (equal rows) draws every boat at the far size.
    const int span = bottomRow - topRow;
    const double t = span != 0 ? static_cast<double>(y - topRow) / span : 0;
    switch (w.CameraDistance) {
      case 1: s = 0.05 + 1.125 * t; break;
      case 2: s = 0.05 + 0.72 * t; break;
      case 3: s = 0.05 + 0.6375 * t; break;
      default:
        s = 0.3 + 0.049 * t;
        if (w.InstructionPage > 0) s *= 1.3;
        break;
    }
  }
  if (w.InstructionPage > 100) s *= 0.8;
  if (boat == 0 && w.InstructionPage != 109) s *= 0.8;
  return std::max(s, 0.01);
}

double UnitFactor(const World& w, BoatLook look) {
  if (look == BoatLook::Committee) return 0.08;
  if (w.IsCatamaran) return 0.07;
  if (w.IsScow) return 0.035;
  return w.HullClass >= Hull::kUnusedEight ? 0.06 : 0.08;
}

int Budget(const World& w, const BoatFigure& f, int y) {
  if (f.sailless) return 16;
  int n = 56;
  switch (w.HullClass) {
    case 1: n = 44; break;
    case 2:
    case 3:
    case 9: n = 50; break;
    default: break;
  }
  const bool fleet = f.boat > 1;
  if (f.far) {
    n = 38;
    if (fleet && y < w.FarRow - w.ViewHeight / 10) n -= 2;
    if (!f.spinnakerFlying) n = 26;
  }
  if (w.SimpleGraphics && fleet) n = f.spinnakerFlying ? 38 : 26;
  return n;
}

// Whether the camera stands on the windward side of the main's plane, the line through the mast
// along the boom (a is the main's angle widened a little): the headsails then lie behind the
// main and the hiking crew in front of it. Port tack is the mirror image of starboard tack.
bool LeeSideSeen(int rho, int tack, int sailAngle) {
  const int a = std::min(sailAngle + 5, 50) + 2;
  if (tack > 0) return (rho >= 0 && rho < 180 - a) || (rho > -a && rho < 0);
  return (rho >= 0 && rho < a) || (rho < 0 && rho > a - 180);
}

bool HasCrewMember(const World& w, int member) {
  switch (member) {
    case 1: return true;
    case 2: return HasJib(w);
    case 3: return w.HullClass >= Hull::kUnusedFour && w.HullClass <= Hull::kUnusedEight;
    default: return w.HullClass == Hull::kOffshoreRacer;
  }
}

// The telltales go on right after their sail, so that what stands in front of it covers them.
void DrawHeadsails(BoatFigure& f, bool telltales) {
  const World& w = f.w;
  const bool spinnakerClass = w.HullClass > Hull::kTwoPerson && w.HullClass != Hull::kCatamaran;
  if (f.spinnakerFlying && spinnakerClass && f.spinnakerPoints) {
    DrawSpinnaker(f);
  } else if (f.spinnakerFlying && w.HullClass == Hull::kTwoPerson && !f.far) {
    DrawWhiskerJib(f);
  } else if (HasJib(w)) {
    // A boat too far off to show its spinnaker still shows its jib.
    DrawJib(f);
    if (telltales) DrawJibTelltales(f);
  }
}

void DrawMainAndTelltales(BoatFigure& f, bool telltales) {
  DrawMain(f);
  if (telltales) DrawMainTelltales(f);
}

void DrawRigAndCrew(BoatFigure& f, bool telltales) {
  const World& w = f.w;
  const std::array<int, 5> fromAstern = {3, 5, 2, 4, 1};
  const std::array<int, 5> fromAhead = {1, 4, 2, 5, 3};
  const auto& order = std::abs(f.rho) < 90 ? fromAstern : fromAhead;
  if (!f.leeSideSeen) {
    for (int k : order) {
      if (HasCrewMember(w, k)) DrawCrewMember(f, k);
    }
    DrawMainAndTelltales(f, telltales);
    DrawHeadsails(f, telltales);
    return;
  }
  DrawHeadsails(f, telltales);
  std::array<bool, 6> drawn{};
  if (w.HullClass < Hull::kOffshoreRacer) {
    for (int k : order) {
      if (HasCrewMember(w, k) && CrewHikeOf(f, k) < 0) {
        DrawCrewMember(f, k);
        drawn[k] = true;
      }
    }
  }
  DrawMainAndTelltales(f, telltales);
  for (int k : order) {
    if (HasCrewMember(w, k) && !drawn[k]) DrawCrewMember(f, k);
  }
}

}  // namespace

Color BoatHullColor(const World& w, int boat) {
  // The user's boat lights up while it is in a give-way encounter.
  if (boat == 1 && w.RightOfWayWarning == 1 && IsRace(w.ActivityMode)) return palette::kWarningHighlight;
  if (w.Monochrome) return palette::kWhite;
  return palette::kHullColors[std::clamp(boat, 0, kMaxBoats)];
}

void DrawBoatSwatch(const World& w, Canvas& c, int x, int y, int boat) {
  const int size = std::max(8, w.ViewHeight / 50);
  c.SetPen(palette::kBlack);
  c.SetBrush(BoatHullColor(w, boat));
  c.Rectangle(x, y, x + 2 * size, y + size);
}

bool BoatInSight(const World& w, int boat, int x, int y, int bottomRow) {
  if (boat == 1) bottomRow = std::max(bottomRow, w.ViewHeight);
  return y <= bottomRow && x >= -w.ViewWidth / 20 && x <= w.ViewWidth * 21 / 20 && y > w.SceneTop;
}

void DrawBoat(World& w, Canvas& c, int x, int y, int boat, int viewer, int bottomRow, int topRow) {
  w.DrawnPartCount = 0;
  if (boat < 0 || boat > kMaxBoats) return;
  const bool live = w.IllustrationMode == 0;
  if (live && !BoatInSight(w, boat, x, y, bottomRow)) return;
  if (boat == 1) {
    w.UserBoatScreenX = x;
    w.UserBoatScreenY = y;
  }

  BoatFigure f{w, c};
  f.boat = boat;
  f.viewer = viewer;
  f.x0 = x;
  f.y0 = y;
  f.look = LookFor(w, boat);
  f.shape = &ProportionsOf(f.look);
  f.user = boat == 1;
  f.live = live;
  f.mono = w.Monochrome != 0;
  f.simple = w.SimpleGraphics != 0;
  f.sailless = boat == 0;
  f.catamaran = !f.sailless && w.IsCatamaran != 0;
  f.spinnakerFlying = !f.sailless && w.SpinnakerFlying[boat] != 0;
  f.hullColor = BoatHullColor(w, boat);

  // Size law and far row.
  f.sigma = SizeFactor(w, y, boat, bottomRow, topRow);
  w.FarRow = w.CameraDistance < 4 ? (bottomRow + 3 * topRow) / 4 : 0;
  f.far = y < w.FarRow;
  f.u = w.ViewHeight * f.sigma * UnitFactor(w, f.look);
  f.m = 1 + 0.8 * w.ViewHeight * f.sigma;
  f.g = f.m / 10;
  f.freeboard = f.shape->freeboard * f.g;
  f.mastHeight = f.shape->mastHeight * f.m;
  f.crewSize = f.shape->crewSize * f.g;
  f.squash = w.CameraDistance == 4 ? 0.6 : 0.3;

  // Attitude. The committee boat always lies head to wind.
  const int heading = f.sailless ? w.WindDirection : w.BoatHeadings[boat];
  f.tack = f.sailless ? 1 : (w.BoatTack[boat] < 0 ? -1 : 1);
  f.heel = f.sailless ? 0 : w.HeelAngles[boat];
  f.speedTenths = f.sailless ? 0 : w.BoatSpeedTenths[boat];
  f.sinHeel = std::sin(f.heel * kDegToRad);
  f.cosHeel = std::cos(f.heel * kDegToRad);

  f.pitch = 0;
  if (f.user && live) {
    f.pitch = 2 * w.CrewForeAft;
    if (f.catamaran && w.TrueWindAngles[1] > 90 && f.heel > 5) f.pitch -= w.WindSpeedAtBoat[1] / 6;
  }
  if (f.far) f.pitch /= 2;
  w.PitchOffset = f.pitch;

  f.budget = Budget(w, f, y);
  w.PointBudget = f.budget;
  w.BoatSizeFactor = f.sigma;

  int rho = SignedDegrees(heading - w.ViewDirection);
  // Looking ahead, fleet boats at the sides of the screen are seen turned toward the middle.
  if (live && boat > 1 && w.LookAngle == 0 && w.CameraDistance < 4) {
    rho = SignedDegrees(rho - static_cast<int>((x - w.ViewWidth / 2) * w.ScaleX) / 30);
  }
  f.rho = rho;
  f.sinRho = std::sin(rho * kDegToRad);
  f.cosRho = std::cos(rho * kDegToRad);
  if (f.user) w.RelativeHeading = rho;
  f.leeSideSeen = !f.sailless && LeeSideSeen(rho, f.tack, w.SailAngles[boat]);
  w.LeeSideSeen = f.leeSideSeen ? 1 : 0;

  BuildHullOutline(f);
  BuildSailOutlines(f);

  // Wakes first: everything else stands on them.
  const int speed = f.speedTenths;
  if (live && !f.catamaran && !f.sailless && w.Stopped == 0 && w.SimSpeed < 12) {
    const bool justAbove = f.far && y >= w.FarRow - w.ViewHeight / 10;
    if ((!f.far && speed > 25) || (justAbove && speed > 10)) DrawWake(f);
  }
  if (live && f.catamaran && speed > 30 && !f.far) {
    DrawCatamaranWake(f, false);
    // A flying windward hull leaves no wake.
    if (f.heel < 7 || (f.heel == 7 && RandomBelow(w, 10) < 5)) DrawCatamaranWake(f, true);
  }

  DrawHull(f);
  if (!f.catamaran && speed > 30) DrawBowWaves(f);
  if (!f.sailless) DrawFittings(f);
  const bool cabin = w.HullClass == Hull::kCruiser || w.HullClass == Hull::kOffshoreRacer || w.IsSportboat;
  if (!f.sailless && !f.catamaran && cabin && std::abs(rho) < 91) DrawCabinAndCockpit(f);
  if (f.sailless) {
    DrawCommitteeFlag(f);
    return;
  }

  if (w.HelmSign > 0 && w.HullClass < Hull::kUnusedEight) {
    DrawWheel(f);
  } else if (w.HelmSign <= 0) {
    DrawTiller(f);
  }
  // Seen from ahead a spinnaker stands in front of the mast.
  const bool mastHidden = f.spinnakerPoints && std::abs(rho) > 90;
  if (mastHidden) DrawMast(f);
  DrawRigAndCrew(f, f.user && !f.simple && !w.IsOptimist && !f.catamaran && (speed > 25 || !live));
  if (f.user && w.ChordLinesShown) DrawChordLines(f);
  if (!mastHidden) DrawMast(f);
}
