// The results screen (結果): the activity's score lines, the skill table with the bests and
// the two skill levels, and the way back to the title screen.
#pragma once

#include "platform/canvas.h"

struct World;

// Draws the whole screen in place of the frame while ResultsShown > 0. Reads the world only;
// the paint handler keeps the bests (RecordResult) just before.
void DrawResults(const World& w, Canvas& canvas);
