// The view's mouse handlers. Coordinates are view pixels, origin top left. Each handler that
// redraws clears RepaintSuspended; the window then restarts its frame loop.
#pragma once

struct World;

void MouseMove(World& w, int x, int y);
void LeftButtonDown(World& w, int x, int y);
void LeftButtonUp(World& w, int x, int y);
// One wheel message with its signed delta (120 per notch).
void MouseWheel(World& w, int delta);
