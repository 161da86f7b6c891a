// Counters the frame keeps where the data panel and the 2D view read them: the frames the
// results screen analyses and the frames the swimmer stays in sight. Each runs at the point of
// the frame where its reader is drawn, before the drawing, and only when that reader is drawn.
#pragma once

struct World;

// The wind at the user's boat against the mean wind, -179..180 degrees.
int WindShiftAtBoat(const World& w);

// The same shift signed by the user's tack: a lift is positive, a header negative.
int LiftOnTack(const World& w);

// In the upwind exercise and the races, once the start is past: every frame, the frames in a
// wind shadow, the close-hauled frames and, of those, the lifted ones.
void CountAnalysisFrames(World& w);

// Man overboard: the frames since the swimmer went over, up to the number he stays in sight;
// reset while he is still aboard.
void CountSwimmerSightFrames(World& w);

// Whether the 2D view shows the swimmer: he is in the water and not yet out of sight.
bool SwimmerInSight(const World& w);
