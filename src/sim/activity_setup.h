// The activity set-up: puts the user's boat, its targets and the other vessels in place for
// the chosen activity and resets the state of the previous one.
#pragma once

struct World;

// The common part, the activity's own values and rules, and the common tail (shore side,
// distant background, track history). The race course and fleet are laid by the race set-up.
void SetUpActivity(World& w);

// MaxHeel from the boat class: 15 for dinghies and the sportboat, 23 for keelboats,
// 10 for catamarans, 18 for the scow.
void SetMaxHeel(World& w);
