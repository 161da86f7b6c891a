// The motor vessels of the collision exercise as ships in the sailing view.
#pragma once

#include "platform/canvas.h"

struct World;

// Draws vessel i (2..4) standing on screen point (x, y), with s pixels per ship unit (the ship
// is 70 units long and 10 wide). Nothing is drawn outside the scene below the sky line.
void DrawVessel(const World& w, Canvas& c, int i, int x, int y, double s);

// The ship's heading as the viewer sees it: the average of its heading against the line of
// sight and against the camera, unless the two differ by 120 degrees or more.
int ApparentVesselHeading(const World& w, int i);
