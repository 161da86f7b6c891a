// The view's mouse handlers. Coordinates are view pixels, origin top left.
#pragma once

struct World;

void MouseMove(World& w, int x, int y);
void LeftButtonDown(World& w, int x, int y);
void LeftButtonUp(World& w, int x, int y);
