// Moving the boats over the ground: leeway, current, the wake, and the user's wave pitch.
#pragma once

struct World;

// Leeway of boat b in degrees (0 or more); for the user's boat also stored in LeewayAngle.
int ComputeLeeway(World& w, int b);

// Moves every boat by one time step and records the wakes. Runs once per frame after time
// has advanced.
void UpdateBoatPositions(World& w);

// Shifts boat b's wake history back one slot and puts its position in slot 0.
void RecordWake(World& w, int b);

// The user boat's pitching in waves and the water sounds that go with it. Runs in the frames
// whose sailing view shows the user's boat, just before it is drawn: the sounds draw from the
// generator, between the other boats' wake marks.
void RunWavePitch(World& w);
