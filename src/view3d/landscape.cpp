#include "view3d/landscape.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "draw/palette.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "view3d/camera.h"
#include "view3d/scatter_table.h"

namespace {

// Hill heights along the shore, repeating every 24 shore points, in percent of the water
// between the shore line and the horizon that the hill covers: the land never rises above
// the horizon, and the nearer it is the taller it stands.
constexpr std::array<int, 24> kHillHeights{78, 83, 89, 94, 97, 93, 87, 81, 77, 75, 77, 81,
                                           86, 92, 98, 100, 95, 89, 84, 80, 77, 75, 76, 78};

constexpr int kFarShoreFirst = 143;  // lake and river: the far bank's first point
// A slot whose call drew nothing keeps its left edge beyond its right edge.
constexpr int kNoExtentLeft = 99999;
constexpr int kNoExtentRight = -99999;  // lake and river: the far bank's first point

// In pixels a hill at the bottom of the view would stand.
int HillHeight(const World& w, int index, int topRow) {
  return kHillHeights[static_cast<std::size_t>(index) % kHillHeights.size()] * (w.ViewHeight - topRow) / 100;
}

bool TwoShores(const World& w) { return w.SailingArea == 3 || w.SailingArea == 4; }

// The shore is one-sided: a segment is drawn only when its water side faces the camera, which
// shows in the direction it runs across the screen. Which direction that is depends on the
// side the land lies on and on whether the points run east or west.
bool FacesCamera(const World& w, int index, int x1, int x2) {
  bool landNorth = w.ShoreQuadrant == 1;
  if (TwoShores(w) && index >= kFarShoreFirst) landNorth = !landNorth;
  const bool leftToRight = landNorth != (w.MirrorScenery == 1);
  return leftToRight ? x1 < x2 : x1 > x2;
}

}  // namespace

Color LandColor(const World& w) { return palette::Ink(w, palette::kLandGreen, palette::kBlack); }

std::vector<ShoreRange> ShoreRangesInOrder(const World& w) {
  if (w.SailingArea == 2) return {};
  // The river numbers its bays out of shore order; the ranges need them in order.
  std::array<int, 3> bay{w.BayStart[1], w.BayStart[2], w.BayStart[3]};
  std::sort(bay.begin(), bay.end());
  const int b1 = bay[0], b2 = bay[1], b3 = bay[2];
  const ShoreRange s1{1, b1 + 3};
  if (!TwoShores(w)) return {s1, {b3 + 3, 282}, {b1 + 4, b2 + 3}, {b2 + 4, b3 + 2}};
  const ShoreRange s2{b1 + 4, b2 + 3}, s3{b2 + 4, 141}, s4{kFarShoreFirst, b3 + 2}, s5{b3 + 2, 282};
  if (w.BoatY[1] >= 0) return {s1, s2, s3, s4, s5};
  return {s1, s4, s5, s2, s3};
}

void DrawShoreRange(World& w, Canvas& c, int topRow, int first, int last, int slot) {
  if (w.CameraDistance >= 4) return;
  first = std::max(first, 1);
  last = std::min(last, kShorePoints);
  if (first > last) return;
  if (slot >= 1 && slot <= kShoreCallSlots) {
    w.ShoreExtentLeft[slot] = kNoExtentLeft;
    w.ShoreExtentRight[slot] = kNoExtentRight;
  }
  for (int i = first; i <= last; ++i) {
    Project(w, 0, w.ShoreX[i], w.ShoreY[i]);
    w.ShoreScreenX[i] = w.ProjectedX[0];
    w.ShoreScreenY[i] = std::max(w.ProjectedY[0], topRow);
    w.ShoreScreenBearing[i] = w.ProjectedBearing;
  }
  // The ends of a range sink to the horizon.
  w.ShoreScreenY[first] = topRow;
  w.ShoreScreenY[last] = topRow;

  const int limit = IsFreeSailing(w.ActivityMode) ? 150 : 130;
  auto usable = [&](int i) {
    return std::abs(w.ShoreScreenX[i]) <= 5000 && std::abs(w.ShoreScreenY[i]) <= 5000 &&
           std::abs(w.ShoreScreenBearing[i]) <= limit;
  };
  for (int i = first + 1; i <= last; ++i) {
    if (!usable(i - 1) || !usable(i)) continue;
    DrawLandSegment(w, c, w.ShoreScreenX[i - 1], w.ShoreScreenY[i - 1], w.ShoreScreenX[i], w.ShoreScreenY[i], topRow, i,
                    slot);
  }
}

int HillTop(const World& w, int y, int h, int topRow) {
  const int depth = std::max(w.ViewHeight - topRow, 1);
  return y - 3 * ((y - topRow) * h / depth / 3 + 1);
}

void DrawTreeMarks(World& w, Canvas& c, int x1, int y1, int x2, int y2, int top1, int top2, int topRow) {
  const int n = std::min(((top1 + top2) / 2 - topRow) / 2 + 1, 30);
  const int caretRow = w.ViewHeight / 30 + topRow;
  const int dotRow = w.ViewHeight / 100 + topRow;
  c.SetPen(palette::Ink(w, palette::kLandDark, palette::kWhite));
  for (int j = 1; j < n; ++j) {
    const int fx = kScatter[j].x;
    const int fy = kScatter[j].y;
    const int x = x1 + (x2 - x1) * fx / 100;
    const int ground = y1 + (y2 - y1) * fx / 100;
    const int ridge = top1 + (top2 - top1) * fx / 100;
    const int y = ridge + (ground - ridge) * fy / 100;
    if (y >= caretRow) {
      const int s = 1 + (y - topRow) / 40;
      c.MoveTo(x - s, y + s);
      c.LineTo(x, y - s);
      c.LineTo(x + s + 1, y + s + 1);
    } else if (y >= dotRow) {
      c.MoveTo(x, y);
      c.LineTo(x, y + 2);
    }
  }
}

void DrawBeach(World& w, Canvas& c, int x1, int y1, int x2, int y2, int topRow, bool shown) {
  const int beach1 = 1 + (y1 - topRow) / 40;
  const int beach2 = 1 + (y2 - topRow) / 40;
  const std::array<Point, 4> beach{{{x1, y1}, {x2, y2}, {x2, y2 + beach2}, {x1, y1 + beach1}}};
  c.SetNullPen();
  if (w.Monochrome) {
    c.SetBrush(palette::kWhite);
  } else {
    c.SetBrush(w.ScreenBitsPerPixel > 8 ? palette::kBeach : palette::kBeachBasic);
  }
  if (shown) c.Polygon(beach.data(), 4);
  c.SetPen(palette::Ink(w, palette::kShoreEdge, palette::kBlack));
  c.MoveTo(x1, y1 + 1);
  if (shown) {
    c.LineTo(x2, y2 + 1);
  } else {
    c.MoveTo(x2, y2 + 1);
  }
}

void DrawLandSegment(World& w, Canvas& c, int x1, int y1, int x2, int y2, int topRow, int index, int slot) {
  if (x1 < 0 && x2 < 0) return;
  if (x1 > w.ViewWidth && x2 > w.ViewWidth) return;
  if (x1 == x2) return;
  if (y1 <= topRow && y2 <= topRow) return;
  if (y1 > 4 * w.ViewHeight && y2 > 4 * w.ViewHeight) return;
  if ((w.SailingArea == 1 || TwoShores(w)) && !FacesCamera(w, index, x1, x2)) return;

  if (slot >= 1 && slot <= kShoreCallSlots) {
    w.ShoreExtentLeft[slot] = std::min({w.ShoreExtentLeft[slot], x1, x2});
    w.ShoreExtentRight[slot] = std::max({w.ShoreExtentRight[slot], x1, x2});
  }

  const int top1 = HillTop(w, y1, HillHeight(w, index - 1, topRow), topRow);
  const int top2 = HillTop(w, y2, HillHeight(w, index, topRow), topRow);
  // Looked at before this segment's own land is filled in, which could reach the start point
  // on a steep segment.
  const bool landAlready = LandUnderPoint(w, c, x1, y1);

  const std::array<Point, 4> land{{{x1, y1}, {x1, top1}, {x2, top2}, {x2, y2}}};
  c.SetNullPen();
  c.SetBrush(LandColor(w));
  c.Polygon(land.data(), 4);
  if (!w.SimpleGraphics) DrawTreeMarks(w, c, x1, y1, x2, y2, top1, top2, topRow);
  if (landAlready) return;

  DrawBeach(w, c, x1, y1, x2, y2, topRow);
}

bool LandUnderPoint(const World& w, const Canvas& c, int x, int y) {
  auto inside = [&c](int px, int py) { return px >= 0 && py >= 0 && px < c.Width() && py < c.Height(); };
  if (w.ScreenBitsPerPixel <= 8) {
    // Few colours: the land is dithered, so look a little below the point, and beside it.
    for (int dx = 0; dx <= 1; ++dx) {
      if (inside(x + dx, y + 4) && c.GetPixel(x + dx, y + 4) == palette::kLandGreen) return true;
    }
    return false;
  }
  auto green = [](Color p) { return p == palette::kLandDark || p == palette::kLandGreen; };
  if (inside(x, y)) {
    const Color here = c.GetPixel(x, y);
    if (green(here) || here == palette::kBlack) return true;
  }
  return inside(x, y + 1) && green(c.GetPixel(x, y + 1));
}

void DrawClouds(World& w, Canvas& c) {
  if (w.CameraDistance >= 4) return;
  const int s = static_cast<int>(8 * w.ScaleX);
  const int v = SignedDegrees(w.ViewDirection);
  c.SetNullPen();
  c.SetBrush(w.WeatherKind >= 3 ? palette::kCloudOvercast : palette::kWhite);
  for (std::size_t i = 0; i < w.CloudAzimuth.size(); ++i) {
    const int x = (w.CloudAzimuth[i] - v) * s + w.SceneCentreX;
    const int row = w.CloudRow[i];
    const int width = w.CloudWidth[i];
    c.Ellipse(x, row + 1, x + width, row + 9);
    c.Pie(x, row, x + width, row + 11, x + width + 1, row + 5, x - 1, row + 5);
  }
}

void DrawDistantHills(World& w, Canvas& c) {
  if (w.CameraDistance >= 4) return;
  const int s = static_cast<int>(8 * w.ScaleX);
  const int v = SignedDegrees(w.ViewDirection);
  std::array<Point, 5> hill;
  for (std::size_t i = 0; i < hill.size(); ++i) {
    hill[i] = Point{(w.HorizonHillAzimuth[i] - v) * s + w.SceneCentreX, w.SceneTop - w.HorizonHillHeight[i] - 1};
  }
  c.SetNullPen();
  c.SetBrush(palette::Ink(w, palette::kDistantHills, palette::kGrey));
  c.Polygon(hill.data(), static_cast<int>(hill.size()));
}

void DrawInlandHills(World& w, Canvas& c) {
  if (w.CameraDistance >= 4 || w.SailingArea == 2) return;
  const int horizon = w.SceneTop;
  c.SetNullPen();
  c.SetBrush(palette::Ink(w, palette::kDistantHills, palette::kGrey));
  for (std::size_t k = 1; k < w.HillX.size(); ++k) {
    Project(w, 0, w.HillX[k], w.HillY[k]);
    if (std::abs(w.ProjectedBearing) > 80) continue;
    // Miles inland, a hill only shows above the horizon, smaller the farther it lies.
    const double distance = std::max(w.ProjectedDistance, 500.0);
    const int height = std::min(static_cast<int>(2.0 * w.HillSize[k] * w.ViewHeight / distance), w.ViewHeight / 8);
    if (height < 1) continue;
    const int x = w.ProjectedX[0];
    const int half = height * 4;
    c.Pie(x - half, horizon - height, x + half, horizon + height, x + half + 1, horizon, x - half - 1, horizon);
  }
}
