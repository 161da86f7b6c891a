// The heading-up 2D view in the bottom-left corner of the frame, centred a little below its
// middle on the user's boat, with its two zoom buttons.
#pragma once

#include "platform/canvas.h"

struct World;

// Objects farther than this are drawn at this distance, on their true bearing.
constexpr double kMiniViewRange = 7000;

// Radians from the user's boat to the world point (x, y), clockwise from north for mode 0 and
// from the user's heading for mode 1. The distance in yards is left in PolarDistance and the
// bearing, in whole degrees, in PolarBearing.
double PolarFromBoat(World& w, double x, double y, int mode);

// Where the 2D view drawn in r puts the world point (x, y).
Point MiniViewPoint(World& w, const Rect& r, double x, double y);

// The two zoom buttons: index 0 zooms in, 1 zooms out.
Rect ZoomButtonRect(const World& w, const Rect& view, int index);

// The swimmer shows only while the frame's sight count (sim/frame_counts.h) keeps him in
// sight: count first, then draw.
void DrawMiniView(World& w, Canvas& c, const Rect& r);

// The bottom-left corner of a sailing frame: free sailing's reduced chart, the 2D view in the
// other activities, nothing while a lesson introduction is pending.
void DrawBottomLeftView(World& w, Canvas& c);
