// One routine draws every boat: in the sailing view, on the title screen and in diagrams.
#pragma once

#include "platform/canvas.h"

struct World;

// Draws boat `boat` (1..BoatCount; 0 the sail-less committee boat) around screen point (x, y),
// seen by boat `viewer`; bottomRow and topRow are the rows of the scene the size law spans.
void DrawBoat(World& w, Canvas& c, int x, int y, int boat, int viewer, int bottomRow, int topRow);
