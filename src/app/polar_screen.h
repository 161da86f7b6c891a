// The polar screen in the paint handler: the polars of the boat as it is now, sailed by the
// boat model the first time they are asked for, and drawn over the whole view.
#pragma once

#include "platform/canvas.h"
#include "view2d/polar_view.h"

struct World;

// The winds shown (8, 14 and 20 knots, and the wind blowing now when it is another), their
// polars from the world's cache, and the user's point while sailing.
PolarPlot PreparePolarPlot(World& w);

void PaintPolarScreen(World& w, Canvas& c);
