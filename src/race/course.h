// The race course: start/finish line, three marks, the route of waypoints around them, and
// the tests that move a boat from one waypoint to the next and find its finish.
#pragma once

struct World;

// Lays the course to MeanWindDirection: line, marks, waypoints, restart point, scene objects
// 6..10. Draws one random number on the triangle course (the wing mark's bearing).
void LayRaceCourse(World& w);
// Scene objects 6..10 (pin, committee boat, marks 1..3) from the course globals.
void EnterCourseObjects(World& w);

// The waypoint, start-leaving, finish and time-limit tests of boat b, once per step.
void UpdateLegProgress(World& w, int b);
// Moves boat b on to its next waypoint; counts its finish when it was finishing.
void AdvanceLeg(World& w, int b);

// Euclidean distance from boat b's position to (x, y).
double DistanceToPoint(const World& w, int b, double x, double y);
// How far boat b is short of the line on the way to the windward mark; 10 or less means level
// with or past it, negative on the course side.
int DistancePastLine(const World& w, int b);
// Box distance of at most r from boat b to the pin, the committee boat or a mark.
bool NearAnyCoursePoint(const World& w, int b, int r);
// The middle of the start line, integer halves.
int LineMiddleX(const World& w);
int LineMiddleY(const World& w);
