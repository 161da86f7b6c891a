// The instruction box of each activity: what to do, how, and how it is scored.
#pragma once

#include "platform/canvas.h"

struct World;

// True when the activity has an instruction box.
bool HasInstructionBox(int activityMode);

// Writes the box text of the current activity, one line every lineHeight pixels from (x, top).
void DrawActivityInstructions(World& w, Canvas& c, int x, int top, int lineHeight);
