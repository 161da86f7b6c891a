// What a race adds to the sailing view: the start line before the signal, the laylines, the
// line to the next mark, and the message line at the top left (penalties, head to wind, the
// stop notices, the countdown).
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

struct World;

// The course overlays of the scene pass (races only).
void DrawCourseOverlays(World& w, Canvas& c, const Rect& scene);
// The lines of the message line this frame, top first.
std::vector<std::string> MessageLines(const World& w);
// Draws the message line at the top left of the view, from x + 1.
void DrawMessageLine(World& w, Canvas& c, int x);
// The distance to the next mark at the top left of the view, in the mark's colour.
void DrawMarkLine(World& w, Canvas& c);
// The course point of a SelectedTarget value: 0 the committee boat, 1..3 the marks.
void SelectedTargetPoint(const World& w, int target, int& x, int& y);
