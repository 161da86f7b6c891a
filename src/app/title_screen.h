// The title and options screen shown while no activity runs.
#pragma once

#include "platform/canvas.h"

struct World;

void DrawTitleScreen(World& w, Canvas& canvas);

// The line of chosen options (boat type, difficulty, activity, wind) with its baseline row at y,
// and the Design values below it for the boats the Design dialog shapes. The coach shows it too.
void OptionsSummary(World& w, Canvas& canvas, int y);
