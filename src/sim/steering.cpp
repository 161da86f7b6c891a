#include "sim/steering.h"

#include <cstdlib>

#include "state/activity.h"
#include "state/world.h"

SteeringZone SteeringZoneGeometry(const World& w) {
  const int width = w.ViewWidth;
  const int height = w.ViewHeight;
  SteeringZone z;
  z.vertical = w.VerticalSteeringZone == 1;
  if (z.vertical) {
    z.top = w.SceneBottom;
    z.left = w.MiniViewWidth;
    z.right = w.PanelLeft;
    z.centreY = (static_cast<int>(0.95 * height) + w.SceneBottom) / 2;
  } else {
    z.top = static_cast<int>(w.ViewHeightF * 0.85);
    z.left = width / 3;
    z.right = width * 2 / 3 - width / 20;
    z.centreX = width / 2 - width / 40;
  }
  return z;
}

bool PointerInZone(const World& w, const SteeringZone& z) {
  return w.MouseY > z.top && w.MouseX > z.left && w.MouseX < z.right;
}

int UpdateSteering(World& w, bool tackChanged) {
  const SteeringZone z = SteeringZoneGeometry(w);
  w.ZoneTop = z.top;
  w.ZoneRight = z.right;
  w.ZoneCentreX = z.centreX;
  w.ZoneCentreY = z.centreY;
  // A second tack with the cursor kept in the zone flips the sense back, so the hand's sense
  // stays the same through any number of tacks.
  if (tackChanged) w.SteeringTackFlipped ^= 1;

  int s = 0;
  const bool inside = !IntroHoldsTheHelm(w.LessonIntroPending, w.ActivityMode, w.LessonChoice) && PointerInZone(w, z);
  if (inside) {
    const double scale = w.ScaleX > 0 ? w.ScaleX : 1.0;
    if (z.vertical) {
      const int d = z.centreY - w.MouseY;
      const double gain = std::abs(d) > w.ViewHeight / 15 ? 6.0 : 3.0;
      // Up from the centre heads the boat up on either tack; through a tack the sense stays
      // as it was until the cursor leaves the zone.
      const int tack = w.SteeringTackFlipped ? -w.BoatTack[1] : w.BoatTack[1];
      s = static_cast<int>(d * gain / scale) * tack;
    } else {
      const int d = z.centreX - w.MouseX;
      const double gain = std::abs(d) > w.ViewWidth / 12 ? 3.0 : 2.0;
      s = static_cast<int>(d * gain / scale);
    }
    w.HelmInput = s / 10;
    w.AutoManoeuvre = 0;
    w.HoldCloseHauled = 0;
    w.BearAwayCommand = 0;
    w.GybeCommand = 0;
    w.HoldDownwindCourse = 0;
  } else {
    w.HelmInput = 0;
    w.SteeringTackFlipped = 0;
  }
  w.SteeringValue = s;
  return s;
}

void UpdateDrawnSteeringZone(World& w) {
  if (w.LessonIntroPending) return;
  const SteeringZone z = SteeringZoneGeometry(w);
  w.ZoneTop = z.top;
  if (IsSailLesson(w.ActivityMode) || z.right <= z.left) return;
  if (PointerInZone(w, z)) {
    w.GybeCommand = 0;
    w.BearAwayCommand = 0;
    w.HoldDownwindCourse = 0;
  }
}
