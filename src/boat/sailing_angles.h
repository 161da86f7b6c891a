// The angles a boat sails at when it is sailed well: close-hauled and on a run.
#pragma once

struct World;

// Degrees off the true wind that boat b points close-hauled, from its wind at the boat and
// the user's jib settings.
int CloseHauledAngleFor(const World& w, int b);

// Degrees off dead downwind at which boat b runs.
int RunningAngleFor(const World& w, int b);
