// The north-up chart: full screen (海図表示) while ChartShown, and reduced, centred on the
// user's boat, as free sailing's view in the bottom-left corner.
#pragma once

#include <functional>
#include <string_view>

#include "platform/canvas.h"
#include "state/pointer.h"

struct World;

// Pixels per yard of the chart: less in free sailing, whose areas are wider.
double ChartScale(const World& w);

// mini = 0: the chart screen with its title, north mark and the button back to the 3D view,
// which takes a latched click. mini = 1: the reduced chart in r, around the user's boat.
void DrawChart(World& w, Canvas& c, const Rect& r, int mini);

// The islands and rocks as filled outlines, each point placed on the canvas by toScreen.
void DrawSceneryOutlines(const World& w, Canvas& c, const std::function<Point(double, double)>& toScreen);

// A framed button of the chart and the 2D view, its label in cyan (white in monochrome).
void DrawChartButton(World& w, Canvas& c, const Rect& r, std::string_view label);
