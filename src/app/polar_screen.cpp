#include "app/polar_screen.h"

#include <algorithm>

#include "sim/polar.h"
#include "state/world.h"

PolarPlot PreparePolarPlot(World& w) {
  PolarPlot plot;
  const int now = w.WindSpeed;
  for (const int wind : kPolarWinds) {
    if (wind == now) plot.currentWind = plot.count;
    plot.curves[plot.count++] = PolarFor(w, wind);
  }
  if (plot.currentWind < 0 && now > 0) {
    plot.currentWind = plot.count;
    plot.curves[plot.count++] = PolarFor(w, now);
  }
  if (w.SailingState == 2 && w.ResultsShown == 0) {
    plot.showPoint = true;
    plot.pointAngle = w.TrueWindAngles[1];
    plot.pointKnots = std::max(w.BoatSpeeds[1], 0.0) / 10;
  }
  return plot;
}

void PaintPolarScreen(World& w, Canvas& c) {
  DrawPolarDiagram(w, c, Rect{0, 0, w.ViewWidth, w.ViewHeight}, PreparePolarPlot(w));
}
