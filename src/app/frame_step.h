// One frame of the running simulation: advance the world by one time step and draw it.
#pragma once

#include "platform/canvas.h"

struct World;

void StepFrame(World& w, Canvas& canvas);

// The simulation part of a frame, before anything is drawn: wind, puffs, the helm, every
// boat's step, the time advance and the motion over the ground.
void AdvanceWorld(World& w);

// The first work of every frame: the wind's speed and its shifts.
void UpdateWind(World& w);

// TimeStep from the boat's time scale and the simulator speed; advances SimTime unless a
// lesson introduction, a page, the chart, the coach or the stop toggle holds it.
void AdvanceTime(World& w);

// The motion the exercises give their other vessels.
void NonRaceBoatUpdate(World& w, int b);

// For every boat: its non-race or race update, its tack and the boat step.
void StepBoats(World& w);

// SceneHeight, SceneBottom, PanelLeft and MiniViewWidth for this frame.
void LayOutFrame(World& w);

// The shortest time this frame may take, in milliseconds.
int MinimumFrameMs(const World& w);
