// Wake marks behind the boats, from the recorded history of their positions.
#include <algorithm>

#include "draw/palette.h"
#include "view3d/boat_figure.h"
#include "view3d/camera.h"

namespace {

constexpr int kWakeSlot = kProjectionSlots - 1;  // a projection slot of the wake's own

// Short dashes scattered around one wake point.
void Marks(BoatFigure& f, int x, int y, int spread, int count) {
  World& w = f.w;
  const int dash = std::max(2, spread / 3);
  for (int k = 1; k < count; ++k) {
    const int dx = spread > 0 ? RandomBelow(w, 2 * spread) - spread : 0;
    const int dy = spread > 0 ? (RandomBelow(w, 2 * spread) - spread) / 3 : 0;
    f.c.MoveTo(x + dx, y + dy);
    f.c.LineTo(x + dx + dash, y + dy);
  }
}

// Screen offset from the boat's point to a stern point, at the waterline.
Point SternOffset(const BoatFigure& f, Vec3 stern) {
  stern.z = 0;
  const Point p = f.Turn(stern);
  return Point{p.x - f.x0, p.y - f.y0};
}

}  // namespace

void DrawWake(BoatFigure& f) {
  World& w = f.w;
  const int b = f.boat;
  const bool fleet = b > 1;
  const int spread = static_cast<int>(1.4 * f.u) / (fleet ? 2 : 1);
  const int count = w.BoatSpeedTenths[b] / 16;
  const Point off = SternOffset(f, f.Get(11));
  const int highRow = w.FarRow - w.ViewHeight / 10;
  // Projecting moves the projection's distance and bearing: keep those of the caller.
  const double distance = w.ProjectedDistance;
  const int bearing = w.ProjectedBearing;
  f.Pen(palette::kWakeMark);
  for (int s = kWakeLength - 1; s >= 0; --s) {
    const bool slotUsed = !fleet || s % 2 == 1;
    if (slotUsed && w.InstructionPage == 0) {
      Project(w, kWakeSlot, w.WakeX[b][s], w.WakeY[b][s], f.viewer);
      const int x = w.ProjectedX[kWakeSlot], y = w.ProjectedY[kWakeSlot];
      const bool thinned = fleet && y < highRow && s % 4 != 1;
      if (!thinned && x >= w.ViewWidth / 6 && x <= 5 * w.ViewWidth / 6) Marks(f, x + off.x, y + off.y, spread, count);
    }
    // The drawing ages the history by one more slot.
    if (s > 0) {
      w.WakeX[b][s] = w.WakeX[b][s - 1];
      w.WakeY[b][s] = w.WakeY[b][s - 1];
    }
  }
  w.ProjectedDistance = distance;
  w.ProjectedBearing = bearing;
  f.Record(BoatPart::Wake);
}

void DrawCatamaranWake(BoatFigure& f, bool windwardHull) {
  World& w = f.w;
  const int b = f.boat;
  const int spread = static_cast<int>(1.4 * f.u) / 4;
  const int count = w.BoatSpeedTenths[b] / 32;
  // The stern of the hull on that side: points 4 (port) and 12 (starboard).
  const int hullSide = windwardHull ? f.Windward() : f.Leeward();
  const Point off = SternOffset(f, f.Get(hullSide < 0 ? 4 : 12));
  const double distance = w.ProjectedDistance;
  const int bearing = w.ProjectedBearing;
  f.Pen(palette::kWakeMark);
  for (int s = 19; s >= 0 && w.InstructionPage == 0; --s) {
    Project(w, kWakeSlot, w.WakeX[b][s], w.WakeY[b][s], f.viewer);
    const int x = w.ProjectedX[kWakeSlot], y = w.ProjectedY[kWakeSlot];
    if (x >= w.ViewWidth / 6 && x <= 5 * w.ViewWidth / 6) Marks(f, x + off.x, y + off.y, spread, count);
  }
  w.ProjectedDistance = distance;
  w.ProjectedBearing = bearing;
  f.Record(windwardHull ? BoatPart::CatWakeWindward : BoatPart::CatWakeLeeward);
}
