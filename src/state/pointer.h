// The latched click and the cursor tested against a rectangle, strictly inside
// left < x < right, top < y < bottom: the one hit-test of every on-screen button.
#pragma once

#include "state/world.h"

inline bool ClickInside(const World& w, int left, int top, int right, int bottom) {
  return w.ClickX > left && w.ClickX < right && w.ClickY > top && w.ClickY < bottom;
}

inline bool PointerInside(const World& w, int left, int top, int right, int bottom) {
  return w.MouseX > left && w.MouseX < right && w.MouseY > top && w.MouseY < bottom;
}

// ClickInside; a click found inside is consumed.
inline bool TakeClick(World& w, int left, int top, int right, int bottom) {
  if (!ClickInside(w, left, top, right, bottom)) return false;
  w.ClickY = 0;
  return true;
}
