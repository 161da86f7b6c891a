// The steering zone at the bottom of the frame: the horizontal strip under the middle of the
// panel, or the vertical zone between the 2D view and the panel.
#pragma once

#include "platform/canvas.h"

struct World;

// The zone of this frame's layout, highlighted while the pointer steers in it. Nothing is
// drawn during a lesson's introduction. UpdateDrawnSteeringZone (sim/steering.h) runs just
// before it.
void DrawSteeringZone(const World& w, Canvas& canvas);
