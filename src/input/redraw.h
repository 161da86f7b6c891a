// Asking for the next paint: input handlers clear RepaintSuspended when what they changed
// must be drawn.
#pragma once

#include "state/world.h"

inline void Redraw(World& w) { w.RepaintSuspended = 0; }
