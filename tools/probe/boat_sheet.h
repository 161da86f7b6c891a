// The probe's `boat [FILE]` command: the boats on open water, without the rest of the scene.
#pragma once

#include "platform/canvas.h"

struct World;

// Draws water, sky and boats 1..BoatCount (and the committee boat when BoatX[0] or BoatY[0] is
// set) in the far-to-near order, as the sailing view would place them.
void DrawBoatSheet(World& w, Canvas& canvas);
