// The wind scenario of an activity: base wind, shifts, veer, puffs, time of day, current.
#pragma once

struct World;

// Draws the weather within the activity's limits and ends with the wind at its base values
// (WindSpeed, WindDirection, MeanWindDirection, WindDirectionSmooth). Also run by the race
// set-up and when an exercise restarts.
void SetUpWeather(World& w);

// Puff i (1..5): a new gust patch upwind of the user's boat.
void CreatePuff(World& w, int i);
