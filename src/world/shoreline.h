// The shore of the coast, the lake and the river: a chain of points with three bays, the
// hills behind it, the harbour and the landmarks at the bay mouths.
#pragma once

struct World;

// Builds ShoreX/ShoreY for points 1..284 (on the lake and the river, 1..142 the near shore
// and 143..284 the far shore), the bays, the hills and the harbour. Needs ShoreQuadrant,
// ShoreOffset and ShoreSign from the activity set-up.
void SetUpShoreline(World& w);
