// The frame's advance: everything one frame changes in the simulated world, before anything is
// drawn. The paint handler, the probe (through the paint handler) and the benchmark all step
// the world through AdvanceWorld.
#pragma once

struct World;

// The frame counter, wind, puffs, crests placed at the start, the user's helm, every boat's step, the time
// advance, the motion over the ground and the crests' renewal, in that order.
void AdvanceWorld(World& w);

// The first work of every frame: the wind's speed and its shifts.
void UpdateWind(World& w);

// The user's tack, its calls and the helm (the steering zone's hand included), in frame order;
// remembers the tack for the next frame.
void UpdateOwnBoatHelm(World& w);

// The motion the exercises give their other vessels.
void NonRaceBoatUpdate(World& w, int b);

// For every boat: its race or non-race update, its tack and the boat step; in a race the rules
// judge each boat right after its step.
void StepBoats(World& w);

// TimeStep from the boat's time scale and the simulator speed; advances SimTime unless a
// lesson introduction, a page, the chart, the coach or the stop toggle holds it.
void AdvanceTime(World& w);
