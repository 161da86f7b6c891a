// The wind scenario of an activity: base wind, shifts, veer, time of day, current; it also
// lays the first puffs.
#pragma once

struct World;

// Draws the weather within the activity's limits and ends with the wind at its base values
// (WindSpeed, WindDirection, MeanWindDirection, WindDirectionSmooth). Also run by the race
// set-up and when an exercise restarts.
void SetUpWeather(World& w);

