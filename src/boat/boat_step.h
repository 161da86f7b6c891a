// The boat model: one step of sails, forces, heel and speed for one boat.
#pragma once

#include "state/angles.h"

struct World;

// One step of boat b (1 is the user's boat). Called once per frame for every boat, in order.
void BoatStep(World& w, int b);

struct ApparentWind {
  int angle = 0;     // 0..179 degrees off the bow
  int speed = 0;     // knots
  int force = 0;     // trunc(1.3 x speed)
};

// The apparent wind of boat b moving at speedTenths, from its wind at the boat and its true
// wind angle.
ApparentWind ComputeApparentWind(const World& w, double speedTenths, int b);

// Hull speed of boat b in tenths of a knot, with the scow's and the cruising sloop's
// adjustments.
double HullSpeed(const World& w, int b);

// +1 starboard, -1 port, from the plain difference of heading and wind direction.
int TackFor(int heading, int windDirection);
void DetermineTack(World& w, int b);

// Fills the neighbour flags and the wind-shadow state of boat b from the boats around it.
void NeighbourScan(World& w, int b);
// Box distance below which boats b and j touch.
int ContactDistance(const World& w, int b, int j);
