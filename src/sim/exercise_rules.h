// The running rules of the sailing-skill exercises: the goal that ends each one, its events
// (the crew member going overboard, the ships' horns) and the settings it keeps in force.
#pragma once

struct World;

// Run once per frame after the boats have moved. Ends the exercise by setting ResultsShown:
// 1 when its goal is reached, 2 when a ship has come too close.
void ApplyExerciseRules(World& w);
