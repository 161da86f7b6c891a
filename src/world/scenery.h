// The scenery objects of an activity: islands, rocks and the docking pier, each with an
// irregular outline of 36 points.
#pragma once

struct World;

// Places object i (1..12) for the current area and activity and builds its outline.
void SetUpScenery(World& w, int i);

// An island drawn right over the user's start would leave the boat aground before it
// moves: object i is moved away from the start until the boat floats in 5 ft or more.
void KeepStartAfloat(World& w, int i);

// The outline of object i from its centre, size, shape, rotation and dent.
void BuildSceneryOutline(World& w, int i);
