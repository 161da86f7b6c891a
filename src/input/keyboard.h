// The view's key-down handler, given a virtual-key code.
#pragma once

struct World;

void KeyDown(World& w, int key);
