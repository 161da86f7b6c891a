#include "app/window/frame_fit.h"

#include <algorithm>
#include <cmath>

namespace {
// Keeps a product or quotient that should be whole from landing just beside it.
constexpr double kSlack = 1e-9;
}  // namespace

FramePlacement PlaceFrame(int clientWidth, int clientHeight, int frameWidth, int frameHeight, bool fit) {
  FramePlacement p;
  p.frameWidth = std::max(1, frameWidth);
  p.frameHeight = std::max(1, frameHeight);
  clientWidth = std::max(1, clientWidth);
  clientHeight = std::max(1, clientHeight);
  if (!fit) {
    p.width = p.frameWidth;
    p.height = p.frameHeight;
    return p;
  }
  p.scale = std::min(static_cast<double>(clientWidth) / p.frameWidth,
                     static_cast<double>(clientHeight) / p.frameHeight);
  p.width = std::clamp(static_cast<int>(std::lround(p.frameWidth * p.scale)), 1, clientWidth);
  p.height = std::clamp(static_cast<int>(std::lround(p.frameHeight * p.scale)), 1, clientHeight);
  p.left = (clientWidth - p.width) / 2;
  p.top = (clientHeight - p.height) / 2;
  return p;
}

Point WindowToViewUnbounded(const FramePlacement& p, double x, double y) {
  // A window pixel shows the view pixel under its centre, as the scaled drawing fills it.
  return Point{static_cast<int>(std::floor((x + 0.5 - p.left) / p.scale + kSlack)),
               static_cast<int>(std::floor((y + 0.5 - p.top) / p.scale + kSlack))};
}

std::optional<Point> WindowToView(const FramePlacement& p, double x, double y) {
  const Point v = WindowToViewUnbounded(p, x, y);
  if (v.x < 0 || v.y < 0 || v.x >= p.frameWidth || v.y >= p.frameHeight) return std::nullopt;
  return v;
}

Point ViewToWindow(const FramePlacement& p, int x, int y) {
  return Point{p.left + static_cast<int>(std::ceil(x * p.scale - 0.5 - kSlack)),
               p.top + static_cast<int>(std::ceil(y * p.scale - 0.5 - kSlack))};
}
