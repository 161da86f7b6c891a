#include "view3d/scene_objects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "boat/boat_motion.h"
#include "draw/palette.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "view3d/boat_drawing.h"
#include "view3d/camera.h"
#include "view3d/landscape.h"
#include "view3d/scatter_table.h"
#include "view3d/vessel_drawing.h"
#include "world/vessels.h"

namespace {

constexpr int kOutlineCorners = kOutlinePoints - 1;  // point 36 repeats point 0
constexpr int kNotDrawn = 20000;                     // a key the far-to-near order passes over

struct SizeLaw {
  double base, slope;
};
// By zoom step 1..4, as the boats have it.
constexpr std::array<SizeLaw, 5> kSizeLaw{{{0, 0}, {0.05, 1.125}, {0.05, 0.72}, {0.05, 0.6375}, {0.3, 0.049}}};

// Pixels per yard for a small object standing on screen row y. Boats are drawn larger than the
// perspective would make them, by a size factor that grows toward the bottom of the scene;
// marks, buoys and swimmers follow the same law so that they keep their size beside a boat.
double PixelsPerYard(const World& w, int y, int bottomRow) {
  const double span = std::max(bottomRow - w.SceneTop, 1);
  const double t = (y - w.SceneTop) / span;
  const SizeLaw& law = kSizeLaw[std::clamp(w.CameraDistance, 1, 4)];
  const double sigma = law.base + law.slope * t;
  return std::max(0.07 * (1 + 0.8 * w.ViewHeight * sigma), 0.0);
}

int Pixels(double yards, double perYard, int least) { return std::max(least, static_cast<int>(yards * perYard)); }

void DrawBuoyShape(World& w, Canvas& c, SceneItemKind kind, int x, int y, double perYard) {
  const bool mono = w.Monochrome == 1;
  c.SetPen(palette::Pick(mono, palette::kMarkShade, palette::kBlack));
  switch (kind) {
    case SceneItemKind::Mark: {
      // An inflatable cylinder, a little narrower at the top.
      const int r = Pixels(1.2, perYard, 2);
      const int h = Pixels(2.5, perYard, 4);
      const Point body[4] = {{x - r, y}, {x - r * 4 / 5, y - h}, {x + r * 4 / 5, y - h}, {x + r, y}};
      c.SetBrush(palette::Pick(mono, palette::kMarkOrange, palette::kWhite));
      c.Polygon(body, 4);
      c.SetBrush(palette::Pick(mono, palette::kMarkShade, palette::kWhite));
      c.Ellipse(x - r, y - std::max(1, r / 3), x + r + 1, y + std::max(1, r / 3) + 1);
      break;
    }
    case SceneItemKind::Pin: {
      // A small ball with a staff and a flag.
      const int r = Pixels(0.6, perYard, 2);
      const int staff = Pixels(2.5, perYard, 5);
      c.SetBrush(palette::Pick(mono, palette::kPinFlag, palette::kWhite));
      c.Ellipse(x - r, y - 2 * r, x + r + 1, y + 1);
      c.SetPen(palette::kBlack);
      c.MoveTo(x, y - r);
      c.LineTo(x, y - staff);
      const Point flag[3] = {{x, y - staff}, {x + staff / 2, y - staff + staff / 6}, {x, y - staff + staff / 3}};
      c.SetBrush(palette::Pick(mono, palette::kRed, palette::kBlack));
      c.Polygon(flag, 3);
      break;
    }
    case SceneItemKind::GateBuoy: {
      // A red cone with a white band.
      const int r = Pixels(0.8, perYard, 2);
      const int h = Pixels(2.0, perYard, 4);
      const Point cone[3] = {{x - r, y}, {x, y - h}, {x + r, y}};
      c.SetBrush(palette::Pick(mono, palette::kBuoyRed, palette::kWhite));
      c.Polygon(cone, 3);
      c.SetPen(palette::Pick(mono, palette::kWhite, palette::kBlack));
      c.MoveTo(x - r / 2, y - h / 2);
      c.LineTo(x + r / 2 + 1, y - h / 2);
      break;
    }
    default: {
      // The mooring buoy: a white ball with a red ring to pick up.
      const int r = Pixels(0.7, perYard, 2);
      c.SetPen(palette::Pick(mono, palette::kGrey, palette::kBlack));
      c.SetBrush(palette::kWhite);
      c.Ellipse(x - r, y - 2 * r, x + r + 1, y + 1);
      c.SetPen(palette::Pick(mono, palette::kBuoyRed, palette::kBlack), std::max(1, r / 3));
      c.MoveTo(x, y - 2 * r);
      c.LineTo(x, y - 3 * r);
      break;
    }
  }
}

void DrawSwimmer(World& w, Canvas& c, int x, int y, double perYard) {
  const int head = Pixels(0.25, perYard, 2);
  const int jacket = head * 2;
  const bool mono = w.Monochrome == 1;
  c.SetPen(palette::Pick(mono, palette::kMarkShade, palette::kBlack));
  c.SetBrush(palette::Pick(mono, palette::kLifeJacket, palette::kWhite));
  c.Ellipse(x - jacket, y - head, x + jacket + 1, y + head);
  c.SetPen(palette::Pick(mono, palette::kSkin, palette::kBlack), std::max(1, head / 2));
  // One arm waves for help.
  c.MoveTo(x + jacket - head / 2, y - head / 2);
  c.LineTo(x + jacket + head, y - 4 * head);
  c.SetPen(palette::Pick(mono, palette::kMarkShade, palette::kBlack));
  c.SetBrush(palette::Pick(mono, palette::kSkin, palette::kWhite));
  c.Ellipse(x - head, y - 3 * head, x + head + 1, y - head + 1);
}

void DrawPier(World& w, Canvas& c, int bottomRow) {
  const double cx = (w.TargetX[1] + w.TargetX[3]) / 2.0;
  const double cy = (w.TargetY[1] + w.TargetY[3]) / 2.0;
  Project(w, 0, cx, cy);
  const int deck = Pixels(1.0, PixelsPerYard(w, w.ProjectedY[0], bottomRow), 2);
  Point foot[4];
  for (int k = 0; k < 4; ++k) {
    Project(w, 0, w.TargetX[k + 1], w.TargetY[k + 1]);
    foot[k] = Point{w.ProjectedX[0], w.ProjectedY[0]};
  }
  const bool mono = w.Monochrome == 1;
  // Sides far to near, then the deck over them.
  int order[4] = {0, 1, 2, 3};
  auto sideRow = [&foot](int k) { return std::max(foot[k].y, foot[(k + 1) % 4].y); };
  std::sort(order, order + 4, [&](int a, int b) { return sideRow(a) < sideRow(b); });
  c.SetPen(palette::Pick(mono, palette::kPierSide, palette::kBlack));
  c.SetBrush(palette::Pick(mono, palette::kPierSide, palette::kBlack));
  for (int k : order) {
    const Point a = foot[k], b = foot[(k + 1) % 4];
    const Point side[4] = {a, {a.x, a.y - deck}, {b.x, b.y - deck}, b};
    c.Polygon(side, 4);
  }
  Point top[4];
  for (int k = 0; k < 4; ++k) top[k] = Point{foot[k].x, foot[k].y - deck};
  c.SetPen(palette::Pick(mono, palette::kPierSide, palette::kBlack));
  c.SetBrush(palette::Pick(mono, palette::kPierDeck, palette::kWhite));
  c.Polygon(top, 4);
}

// The ships are drawn to the true perspective: the screen width of ten yards across the line
// of sight at the ship.
double ShipPixelsPerYard(World& w, const SceneItem& item) {
  const double v = w.ViewDirection * kDegToRad;
  Project(w, 0, item.x, item.y);
  const int x0 = w.ProjectedX[0];
  Project(w, 0, item.x + 10 * std::cos(v), item.y + 10 * std::sin(v));
  return std::clamp(std::abs(w.ProjectedX[0] - x0) / 10.0, 0.05, 20.0);
}

// Whether an object's outline points all lie beyond the left or the right edge of the scene,
// so far that neither its walls nor the tree marks and beach on them could reach into it: a
// tree mark spreads a pixel to each side for every 40 rows below the horizon.
bool BeyondOneSide(const std::array<Point, kOutlineCorners>& base, const Rect& scene, int topRow) {
  int lowest = topRow;
  for (const Point& p : base) lowest = std::max(lowest, p.y);
  const int reach = 4 + (lowest - topRow) / 40;
  const auto [leftmost, rightmost] =
      std::minmax_element(base.begin(), base.end(), [](Point a, Point b) { return a.x < b.x; });
  return rightmost->x < scene.left - reach || leftmost->x > scene.right + reach;
}

// Where each ship stands on the screen this frame, for the pick on a mouse release.
void RecordVesselScreenPoints(World& w, const std::array<SceneItem, kMaxDrawObjects + 1>& items,
                              const std::array<Point, kMaxDrawObjects + 1>& screen, int count) {
  for (int n = 1; n <= count; ++n) {
    if (items[n].kind != SceneItemKind::Vessel) continue;
    w.VesselScreenX[items[n].index] = screen[n].x;
    w.VesselScreenY[items[n].index] = screen[n].y;
  }
}

}  // namespace

int CollectSceneItems(const World& w, std::array<SceneItem, kMaxDrawObjects + 1>& items) {
  items.fill(SceneItem{});
  const int m = w.ActivityMode;
  int count = w.BoatCount + 10;

  if (m != Activity::kTrafficRulesLesson) {
    const int scenery = std::min(w.SceneryObjectCount, kMaxScenery);
    for (int i = 1; i <= scenery; ++i) {
      // The islands' objects beyond 5 follow the user's boat in the list.
      const int n = i <= 5 ? i : i + 6;
      if (n > kMaxDrawObjects) break;
      items[n] =
          SceneItem{SceneItemKind::Scenery, i, static_cast<double>(w.SceneryX[i]), static_cast<double>(w.SceneryY[i])};
      count = std::max(count, n);
    }
  }

  const double tx = w.TargetX[1], ty = w.TargetY[1];
  if (m == Activity::kSteering || m == Activity::kUpwind || m == Activity::kCollisionAvoidance) {
    items[6] = SceneItem{SceneItemKind::GateBuoy, 0, tx, ty};
    items[7] = SceneItem{SceneItemKind::CommitteeBoat, 0, static_cast<double>(w.TargetX[2]),
                         static_cast<double>(w.TargetY[2])};
  } else if (m == Activity::kMooring) {
    items[6] = SceneItem{SceneItemKind::MooringBuoy, 0, tx, ty};
  } else if (m == Activity::kDocking) {
    items[6] =
        SceneItem{SceneItemKind::Pier, 0, (w.TargetX[1] + w.TargetX[3]) / 2.0, (w.TargetY[1] + w.TargetY[3]) / 2.0};
  } else if (m == Activity::kManOverboard && w.SimSeconds >= w.OverboardSeconds) {
    items[6] = SceneItem{SceneItemKind::Swimmer, 0, tx, ty};
  } else if (IsRace(m)) {
    for (int n = 6; n <= 10; ++n) {
      const int kind = w.SceneObjectKind[n];
      SceneItemKind k = SceneItemKind::None;
      if (kind == kSceneKindCommitteeBoat) k = SceneItemKind::CommitteeBoat;
      if (kind == kSceneKindBuoy) k = n == 6 ? SceneItemKind::Pin : SceneItemKind::Mark;
      items[n] = SceneItem{k, 0, w.SceneObjectX[n], w.SceneObjectY[n]};
    }
  }

  for (int b = 1; b <= std::min(w.BoatCount, kMaxBoats); ++b) {
    // The motor vessels are ships, drawn by their own routine; the collision exercise has no
    // boats beyond its three ships.
    if (IsMotorVessel(w, b)) {
      items[10 + b] = SceneItem{SceneItemKind::Vessel, b, w.BoatX[b], w.BoatY[b]};
      continue;
    }
    if (m == Activity::kCollisionAvoidance && b >= 2) continue;
    items[10 + b] = SceneItem{SceneItemKind::Boat, b, w.BoatX[b], w.BoatY[b]};
  }
  return std::min(count, kMaxDrawObjects);
}

void DrawScenery(World& w, Canvas& c, int i, const Rect& scene) {
  const int topRow = w.SceneTop;
  // Seen from above at zoom step 4, even the points behind the boat are in view.
  const int limit = w.CameraDistance >= 4 ? 180 : (IsFreeSailing(w.ActivityMode) ? 150 : 130);
  std::array<Point, kOutlineCorners> base;
  std::array<bool, kOutlineCorners> usable;
  bool all = true, any = false;
  for (int k = 0; k < kOutlineCorners; ++k) {
    Project(w, 0, w.SceneryOutlineX[i][k], w.SceneryOutlineY[i][k]);
    base[k] = Point{w.ProjectedX[0], std::max(w.ProjectedY[0], topRow)};
    usable[k] = std::abs(base[k].x) <= 5000 && std::abs(base[k].y) <= 5000 && std::abs(w.ProjectedBearing) <= limit;
    all = all && usable[k];
    any = any || usable[k];
  }
  if (!any) return;
  const bool shown = !BeyondOneSide(base, scene, topRow);

  // The ground the object covers; only when the whole outline is in front of the camera.
  if (all) {
    c.SetNullPen();
    c.SetBrush(LandColor(w));
    if (shown) c.Polygon(base.data(), kOutlineCorners);
  }
  if (w.CameraDistance >= 4) return;

  long long twiceArea = 0;
  for (int k = 0; k < kOutlineCorners; ++k) {
    const Point a = base[k], b = base[(k + 1) % kOutlineCorners];
    twiceArea += static_cast<long long>(a.x) * b.y - static_cast<long long>(b.x) * a.y;
  }
  // Bigger islands stand taller, though no land rises above the horizon. The height falls
  // off toward the ends seen on the screen, so an island rises as a dome, and each outline
  // point keeps its own share of it.
  const auto [leftmost, rightmost] =
      std::minmax_element(base.begin(), base.end(), [](Point a, Point b) { return a.x < b.x; });
  const double middle = (leftmost->x + rightmost->x) / 2.0;
  const double half = std::max((rightmost->x - leftmost->x) / 2.0, 1.0);
  const double height = (w.ViewHeight - topRow) * std::min(0.5 + w.ScenerySize[i] / 2000.0, 0.95);
  std::array<int, kOutlineCorners> top;
  for (int k = 0; k < kOutlineCorners; ++k) {
    const double t = std::min(std::abs(base[k].x - middle) / half, 1.0);
    const double dome = 0.1 + 0.9 * std::sqrt(1 - t * t);
    const int h = static_cast<int>(height * dome * (80 + kScatter[k].y / 5) / 100);
    top[k] = HillTop(w, base[k].y, h, topRow);
  }

  // Each stretch of the outline is a wall of land from the water up to its hill tops, the
  // farthest first; only the stretches facing the camera get trees and a beach.
  std::array<int, kOutlineCorners> order;
  for (int k = 0; k < kOutlineCorners; ++k) order[k] = k;
  auto nearRow = [&base](int k) { return std::max(base[k].y, base[(k + 1) % kOutlineCorners].y); };
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return nearRow(a) < nearRow(b); });
  for (int k : order) {
    const int k2 = (k + 1) % kOutlineCorners;
    if (!usable[k] || !usable[k2]) continue;
    const Point a = base[k], b = base[k2];
    if (a.y <= topRow && b.y <= topRow) continue;
    const Point wall[4] = {a, {a.x, top[k]}, {b.x, top[k2]}, b};
    c.SetNullPen();
    c.SetBrush(LandColor(w));
    if (shown) c.Polygon(wall, 4);
    const bool facing = twiceArea > 0 ? b.x < a.x : b.x > a.x;
    if (!facing) continue;
    // The beach that follows the tree marks sets pen, brush and pen position anew: unseen
    // marks can be left out altogether.
    if (!w.SimpleGraphics && shown) DrawTreeMarks(w, c, a.x, a.y, b.x, b.y, top[k], top[k2], topRow);
    DrawBeach(w, c, a.x, a.y, b.x, b.y, topRow, shown);
  }
}

void DrawSceneObjects(World& w, Canvas& c, const Rect& scene) {
  std::array<SceneItem, kMaxDrawObjects + 1> items;
  const int count = CollectSceneItems(w, items);
  std::array<Point, kMaxDrawObjects + 1> screen{};
  for (int n = 1; n <= count; ++n) {
    if (items[n].kind == SceneItemKind::None) {
      w.DrawKey[n] = kNotDrawn;
      continue;
    }
    Project(w, n, items[n].x, items[n].y);
    screen[n] = Point{w.ProjectedX[n], w.ProjectedY[n]};
    w.DrawKey[n] = w.ProjectedY[n];
  }
  OrderObjects(w, count);
  RecordVesselScreenPoints(w, items, screen, count);

  for (int rank = 1; rank <= count; ++rank) {
    const int n = w.DrawOrder[rank];
    if (n == 0) continue;
    const SceneItem& item = items[n];
    const Point p = screen[n];
    switch (item.kind) {
      case SceneItemKind::Scenery:
        DrawScenery(w, c, item.index, scene);
        break;
      case SceneItemKind::Pier:
        DrawPier(w, c, scene.bottom);
        break;
      case SceneItemKind::Swimmer:
        DrawSwimmer(w, c, p.x, p.y, PixelsPerYard(w, p.y, scene.bottom));
        break;
      case SceneItemKind::CommitteeBoat:
        // Boat 0 is the sail-less committee boat, which lies head to wind.
        DrawBoat(w, c, p.x, p.y, 0, 1, scene.bottom, w.SceneTop);
        break;
      case SceneItemKind::Boat:
        // The frame's pitch step, in its place: the user's boat pitches in the frames the view
        // shows it, and the pitch's sounds draw from the generator between the wake marks.
        if (item.index == 1 && w.IllustrationMode == 0 && BoatInSight(w, 1, p.x, p.y, scene.bottom)) RunWavePitch(w);
        DrawBoat(w, c, p.x, p.y, item.index, 1, scene.bottom, w.SceneTop);
        break;
      case SceneItemKind::Vessel:
        DrawVessel(w, c, item.index, p.x, p.y, ShipPixelsPerYard(w, item));
        break;
      case SceneItemKind::None:
        break;
      default:
        DrawBuoyShape(w, c, item.kind, p.x, p.y, PixelsPerYard(w, p.y, scene.bottom));
        break;
    }
  }
}
