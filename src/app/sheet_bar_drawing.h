// The sheet bars drawn at the edges of the view, each with a mark at its control's setting.
#pragma once

#include "platform/canvas.h"

struct World;

// Drawn last in the frame, so that nothing covers them.
void DrawSheetBars(const World& w, Canvas& canvas);
