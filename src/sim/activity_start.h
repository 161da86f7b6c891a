// The paint after a start request: the activity is set up and then runs.
#pragma once

struct World;

// Boat class, activity, weather (not for races), shoreline (not on the islands), scenery;
// then SailingState 2.
void StartActivity(World& w);
