// Reading a drawn frame back: the texts it shows and the pixels of one colour.
#pragma once

#include <string_view>

#include "platform/canvas.h"

// The first text drawn exactly so, or with `prefix` the first that starts so; null if none.
inline const TextLogEntry* FindText(const Canvas& c, std::string_view text, bool prefix = false) {
  for (const TextLogEntry& e : c.TextLog()) {
    if (prefix ? e.text.starts_with(text) : e.text == text) return &e;
  }
  return nullptr;
}

inline int CountPixels(const Canvas& c, Color color, const Rect& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) n += c.GetPixel(x, y) == color;
  }
  return n;
}
