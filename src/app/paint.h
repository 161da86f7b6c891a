// The paint handler: every paint produces one complete frame into the canvas and says which
// part of the window to invalidate for the next one.
#pragma once

#include "platform/canvas.h"

struct World;

struct ScreenMetrics {
  int width = 0;           // the display's resolution
  int height = 0;
  int bitsPerPixel = 32;
  int menuBarHeight = 0;   // the system's menu bar height in pixels
  int clientWidth = 0;     // the view's client area; 0 = not limited
  int clientHeight = 0;
  // Pixel heights of the menu bar's font and of the desktop's standard menu font; 0 when the
  // window system cannot tell, and the bar's height decides alone.
  int menuFontPixels = 0;
  int standardMenuFontPixels = 0;
};

struct PaintResult {
  Rect invalidate;       // what the next frame repaints
  bool requestNext = false;  // false while the loop is suspended
};

PaintResult PaintFrame(World& w, Canvas& canvas, const ScreenMetrics& screen);

// Whether the user's menu font is larger than the desktop's standard: a font at least 20/19
// of the standard size, or, without font sizes, a menu bar of 20 pixels or more.
bool IsLargeMenuFont(const ScreenMetrics& screen);

// The tactics lesson's own wind for the page step shown (steps 2 to 6), for the wind update.
void TakeLessonWind(World& w);

// Screen metrics step of the paint handler, on its own for the tests.
void ComputeScreenMetrics(World& w, const ScreenMetrics& screen);
