// One frame of the running simulation: advance the world by one time step (sim/frame_advance.h)
// and draw it.
#pragma once

#include "platform/canvas.h"

struct World;

void StepFrame(World& w, Canvas& canvas);

// SceneHeight, SceneBottom, PanelLeft and MiniViewWidth for this frame.
void LayOutFrame(World& w);

// The shortest time this frame may take, in milliseconds.
int MinimumFrameMs(const World& w);
