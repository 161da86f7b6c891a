// The scenery objects of an activity: islands, rocks and the docking pier, each with an
// irregular outline of 36 points.
#pragma once

struct World;

// Places object i (1..12) for the current area and activity and builds its outline.
void SetUpScenery(World& w, int i);

// The outline of object i from its centre, size, shape, rotation and dent.
void BuildSceneryOutline(World& w, int i);
