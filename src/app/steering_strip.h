// The steering zone at the bottom of the frame: the horizontal strip under the middle of the
// panel, or the vertical zone between the 2D view and the panel.
#pragma once

#include "platform/canvas.h"

struct World;

// The zone of this frame's layout, highlighted while the pointer steers in it (which also ends
// a bear-away or gybe in progress). Nothing is drawn during a lesson's introduction.
void DrawSteeringZone(World& w, Canvas& canvas);
