// The wave crests scattered ahead of the user's boat: they carry no force, but give the
// water its texture and the boat its big-wave pitch.
#pragma once

struct World;

// Crests in use, 600, or 250 at the highest simulator speeds and with simple graphics.
int WaveCrestCount(const World& w);

// Straight-line distance from (x, y) to the nearest crest other than excluded (-1: none),
// 50000 when none is nearer.
double NearestCrestDistance(const World& w, double x, double y, int excluded);

// Puts crest k somewhere in the square 300 units ahead along the waves' orientation, at least
// 20 from any other crest unless three picks in a row fail. A first placement also draws the
// crest's shape seed.
void PlaceCrest(World& w, int k, bool replace);

// Places every crest afresh in the first second of a sailing. Called before time advances.
void PlaceCrestsAtStart(World& w);

// Re-places the crests that fell more than 450 behind, and counts the wave phase.
void UpdateWaveCrests(World& w);
