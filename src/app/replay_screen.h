// The replay of the last sailing over the results screen, and the results screen's button
// that opens it.
#pragma once

#include "platform/canvas.h"

struct World;

// The "リプレイ" button on the results screen, shown when there is a recording; a latched
// click on it opens the replay.
Rect ReplayButtonRect(const World& w);
void DrawReplayButton(World& w, Canvas& c);

// The replay's clicks: the controls, the time bar (seek), a boat on the chart or in the 3D
// view (follow). Consumes the click it uses.
void TakeReplayClicks(World& w);

// One frame of the replay: its clock moves on, its clicks are taken, and the replayed frame is
// drawn from a scratch copy of the world in the 3D view, the 2D view and the chart, with the
// debrief, the controls and the time bar.
void PaintReplayScreen(World& w, Canvas& c);
