// The land of the sailing view: the shore as a band of hills with trees and a beach, the
// clouds and the low line of distant hills above the horizon.
#pragma once

#include <vector>

#include "platform/canvas.h"

struct World;

// A run of shore points, first..last inclusive, drawn by one call.
struct ShoreRange {
  int first = 0;
  int last = 0;
  constexpr bool operator==(const ShoreRange&) const = default;
};

// The shore ranges of the current area in drawing order, farther shore first.
std::vector<ShoreRange> ShoreRangesInOrder(const World& w);

// Projects shore points first..last and draws the land between neighbours that face the
// camera; slot (1..5) collects the screen extent of what was drawn. Nothing at zoom step 4.
void DrawShoreRange(World& w, Canvas& c, int topRow, int first, int last, int slot);

// One quadrilateral of land between shore points index - 1 (x1, y1) and index (x2, y2), with
// its tree marks, beach and shore line.
void DrawLandSegment(World& w, Canvas& c, int x1, int y1, int x2, int y2, int topRow, int index, int slot);

// The beach strip just below the shore line (x1, y1)-(x2, y2), and the line that edges it.
// With shown false nothing is drawn, but pen, brush and pen position are left as drawing
// would leave them.
void DrawBeach(World& w, Canvas& c, int x1, int y1, int x2, int y2, int topRow, bool shown = true);

// The brush of all land: a green the land test knows, or black in monochrome.
Color LandColor(const World& w);

// True when the canvas already shows land at (x, y).
bool LandUnderPoint(const World& w, const Canvas& c, int x, int y);

// The screen row of a hill's top standing on row y, for a hill of height h (pixels at the
// bottom of the view) and horizon row topRow: nearer land stands taller, in steps of 3 pixels.
int HillTop(const World& w, int y, int h, int topRow);

// Tree marks inside the band between the ground line (x1, y1)-(x2, y2) and its hill tops.
void DrawTreeMarks(World& w, Canvas& c, int x1, int y1, int x2, int y2, int top1, int top2, int topRow);

// The seven clouds and the line of distant hills, at fixed compass azimuths (zoom 1..3).
void DrawClouds(World& w, Canvas& c);
void DrawDistantHills(World& w, Canvas& c);

// The hills inland of the shore, rising above the horizon behind it (zoom 1..3).
void DrawInlandHills(World& w, Canvas& c);
