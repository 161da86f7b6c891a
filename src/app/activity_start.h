// The paint after a start request: the activity is set up and then runs.
#pragma once

struct World;

void StartActivity(World& w);
