// The polar diagram screen: the boat's speed at each true wind angle for a few winds, the best
// VMG angles, and the user's own point. It draws what it is given and works nothing out.
#pragma once

#include <array>

#include "platform/canvas.h"
#include "state/polar_data.h"

struct World;

struct PolarPlot {
  static constexpr int kMaxCurves = 4;
  std::array<PolarCurve, kMaxCurves> curves{};
  int count = 0;
  int currentWind = -1;     // the curve of the wind blowing now; -1: none
  bool showPoint = false;   // the user's boat, while sailing
  int pointAngle = 0;       // its true wind angle, degrees
  double pointKnots = 0;
};

// Where a speed at a true wind angle lands: 0 degrees up, 180 down, the angles to the right of
// the centre line; `fullScale` knots reach the outer ring.
struct PolarFrame2d {
  int cx = 0, cy = 0;
  int radius = 1;
  double fullScale = 1;  // knots at the outer ring
  Point At(int angle, double knots) const;
};

PolarFrame2d PolarFrameFor(const Rect& view, const PolarPlot& plot);

void DrawPolarDiagram(const World& w, Canvas& c, const Rect& view, const PolarPlot& plot);
