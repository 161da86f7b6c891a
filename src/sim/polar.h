// The boat's polar, sailed by the boat model itself: for each true wind angle a scratch copy
// of the world steps the user's boat with automatic trim, in steady wind, until its speed
// settles. The live world is only read (and its cache of polars filled).
#pragma once

#include "state/polar_data.h"

struct World;

// The settle rule: the speed is averaged over windows of kPolarWindow frames; it has settled
// when two windows in a row agree within kPolarSettleTenths (tenths of a knot), and the last
// window's average is the answer. An angle that never settles stops after kPolarMaxFrames.
constexpr int kPolarWindow = 40;
constexpr double kPolarSettleTenths = 0.05;
constexpr int kPolarMaxFrames = 4000;

// The winds every polar screen shows besides the current one, knots.
constexpr int kPolarWinds[3] = {8, 14, 20};

PolarKey PolarKeyFor(const World& w, int wind);

// Turns `scratch`, a copy of the world, into the polar's test bench: the boat alone in steady
// `wind` knots from the north on open deep water, all trim automatic, sail power set for the
// wind, crew amidships and sitting in, at rest and upright; nothing sounds.
void PreparePolarBoat(World& scratch, int wind);

// Points the prepared boat `twa` degrees off the wind, with or without the spinnaker.
void SetPolarCourse(World& scratch, int twa, bool spinnaker);

// One frame of the polar's boat: the boat step, then the crew hikes out when the boat heels
// past two degrees short of its limit and comes in when it heels to windward.
void PolarFrame(World& scratch);

// The settled speed in tenths of a knot of the prepared boat `base` at `twa`.
double SettledSpeed(const World& base, int twa, bool spinnaker);

// Sails the whole polar of the world's boat in `wind` knots.
PolarCurve ComputePolar(const World& w, int wind);

// The best upwind and downwind VMG angles of the curve's speeds.
void FindBestVmg(PolarCurve& curve);

// The polar from the world's cache, sailed and stored when it is not there.
const PolarCurve& PolarFor(World& w, int wind);
