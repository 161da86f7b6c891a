// Recording the sailing for the replay: a snapshot of every boat and the wind at the end of
// each frame's advance, and putting a recorded frame back into a world.
#pragma once

#include <cstddef>

#include "state/replay_data.h"

struct World;

// Empties the world's recording and notes the activity it will hold.
void ResetRecording(World& w);

// The frame as the world holds it now.
ReplayFrame SnapshotFrame(const World& w);

// Offers one frame to the store: kept when it falls on the stride; a full store first drops
// every other frame it holds and doubles the stride.
void AppendFrame(ReplayRecording& r, const ReplayFrame& f);

// The named step of the frame's advance: records the world as the frame leaves it, while an
// activity runs and time moves.
void RecordFrame(World& w);

// Puts the recorded boats and wind into `scratch` (a copy of the world, never the live one).
void ApplyFrame(World& scratch, const ReplayFrame& f);
