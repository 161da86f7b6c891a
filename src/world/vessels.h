// The three motor vessels of the collision-avoidance exercise (boats 2, 3 and 4), and the motor
// vessel of the traffic-rules lesson's power-boat scene.
#pragma once

struct World;

// Whether boat b is a motor vessel: steams at its set speed, upright, with no sails, and is
// drawn as a ship.
bool IsMotorVessel(const World& w, int b);

// Places vessel k (2..4) on its sector around the user's boat, heading across or at the
// user's position, at (190 - Difficulty) x 10 yards; it also becomes scene object 10 + k.
void PlaceVessel(World& w, int k);

// Places vessels 2, 3 and 4 in turn.
void SetUpVessels(World& w);

// The vessels' part of each step of the exercise: each steams at its set speed, upright; one
// that has passed out of range is placed anew, one within 300 yards sounds its horn. Returns
// true when a vessel has come within 80 yards of the user's boat.
bool VesselStep(World& w);
