// Depth of water in whole feet at any world point, from the shore and the scenery outlines.
#pragma once

struct World;

// Feet of water at (x, y): 0 on land, never more than the area's base depth (59 ft, 30 on
// the river and on the land side of the coast and the lake).
int DepthAt(const World& w, int x, int y);

// Whether DepthAt(w, x, y) < feet, found with less work.
bool ShallowerThan(const World& w, int x, int y, int feet);

// The depth that scenery object i alone allows at (x, y): 2 ft at its outline, 0 inside
// nine tenths of it, 20 ft more per outline radius outside.
double SceneryDepthAt(const World& w, int i, int x, int y);
