// The computer-sailed fleet: where each fleet boat points, once per step, before its boat
// step. Towards the next waypoint when it can, close-hauled with tactical tacks upwind, on a
// broad run with tactical gybes downwind, through an eight-second tack, around its neighbours.
#pragma once

struct World;

// The race update of boat b. For the user's boat only the waypoint test and the proximity
// warning run.
void RaceBoatStep(World& w, int b);

// Steers towards the target at bearing b; returns the target's angle off the wind, 0..180.
int ChooseCourse(World& w, int k, int b, int ch);
// The downwind course and the gybe decision: r >= 0 steers r degrees off the target, r < 0
// sails by the wind.
int ConsiderGybe(World& w, int a, int b, int k);
// The upwind tack decision.
void ConsiderTack(World& w, int k, int b);
// Boats whose look-ahead points come within 14 yards of boat k's.
void AvoidNeighbours(World& w, int k);
// Fleet boat k keeping clear of boat j, d the look-ahead box distance.
void AvoidBoat(World& w, int d, int j, int k);
