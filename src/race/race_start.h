// Setting a race up (fleet, ratings, starting slots, first positions), the race clock with its
// countdown and starting signal, and the fleet's pace on the way to the line.
#pragma once

#include <string>

struct World;

// The whole race set-up: coast, weather, course, fleet and positions.
void SetUpRace(World& w);
// Boat b's slot on the line; BoatLegs back to its start slot.
void AssignStartSlot(World& w, int b);
// Boat b behind the line near its slot (on the slot in the just-start race).
void PlaceAtStart(World& w, int b);
// The just-start race's first two steps: every boat on its slot at starting speed, a few
// fleet boats a little behind the line.
void PlaceJustStartFleet(World& w);
// Right after SimTime has advanced: the starting signal and the displayed clock.
void RaceClockStep(World& w);
// " 4 分  59 秒  " while the countdown runs in the triangle and windward-leeward races; empty
// otherwise.
std::string CountdownText(const World& w);
// The share of its speed a fleet boat sails before the signal, so that it reaches its slot
// about when the gun goes.
int StartApproachPercentFor(const World& w, int b);
