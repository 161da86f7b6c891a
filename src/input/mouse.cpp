#include "input/mouse.h"

#include "world/world.h"

void MouseMove(World& w, int x, int y) {
  w.MouseX = x;
  w.MouseY = y;
}

void LeftButtonDown(World& w, int x, int y) {
  w.ClickX = x;
  w.ClickY = y;
  w.RepaintSuspended = 0;
  // Any press resumes a stopped simulation, and still counts as a press.
  if (w.Stopped == 1) w.Stopped = 0;
}

void LeftButtonUp(World& w, int x, int y) { w.RepaintSuspended = 0; }
