// The view's key-down handler, given a virtual-key code.
#pragma once

struct World;

struct KeyResult {
  // The page is to be drawn once while the frame loop stays stopped (RepaintSuspended
  // stays 1): the window must paint although nothing asked the loop to run.
  bool paintOnce = false;
};

KeyResult KeyDown(World& w, int key);
