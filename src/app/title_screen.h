// The title and options screen shown while no activity runs.
#pragma once

#include "platform/canvas.h"

struct World;

void DrawTitleScreen(World& w, Canvas& canvas);
