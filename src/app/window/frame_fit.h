// Where the frame lies in the view's client area, and the mapping of window points to frame
// (view) pixels. Plain geometry without Qt, so that the tests can reach it.
#pragma once

#include <optional>

#include "platform/canvas.h"

struct FramePlacement {
  int frameWidth = 1;   // the frame in view pixels, as the paint handler lays it out
  int frameHeight = 1;
  double scale = 1.0;   // window pixels per view pixel
  int left = 0;         // the frame's top-left corner in the window
  int top = 0;
  int width = 1;        // the frame's size in the window
  int height = 1;
};

// Fitting: the largest scale at which the whole frame fits the client area, aspect kept,
// centred. Otherwise the frame is shown 1:1 in the top-left corner.
FramePlacement PlaceFrame(int clientWidth, int clientHeight, int frameWidth, int frameHeight, bool fit);

// The view pixel a window pixel shows (the one under its centre); nothing over the margins
// around the frame.
std::optional<Point> WindowToView(const FramePlacement& p, double x, double y);
// The same mapping without the bounds: a point over a margin gives a view point outside the
// frame, as a 1:1 window gives for a point beyond the frame.
Point WindowToViewUnbounded(const FramePlacement& p, double x, double y);
// The first window pixel that shows a view pixel. At a scale of 1 or more it maps back to the
// same view pixel; below 1 several view pixels share a window pixel.
Point ViewToWindow(const FramePlacement& p, int x, int y);
