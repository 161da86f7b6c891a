// The replay screen's parts: where each goes at the view's size, the chart of the recorded
// tracks, the time bar with the wind's shifts, the controls and the debrief panel.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "sim/replay_debrief.h"

struct World;

// The controls under the chart, left to right.
enum class ReplayControl { kBack, kPlay, kForward, kSpeed1, kSpeed2, kSpeed4, kSpeed8, kSpeed16, kLeave };
constexpr int kReplayControls = 9;
constexpr int kReplaySpeedControls = 5;  // 1x, 2x, 4x, 8x, 16x

struct ReplayLayout {
  Rect title;
  Rect scene;    // the 3D view
  Rect plan;     // the 2D view, over the scene's bottom-left corner
  Rect chart;
  Rect debrief;
  std::array<Rect, kReplayControls> controls{};
  Rect bar;      // the time bar
};

ReplayLayout ReplayLayoutFor(const World& w);

// The chart's frame: every recorded position and the marks fit inside r.
struct ReplayChartFrame {
  double scale = 1;
  double minX = 0, minY = 0;
  int left = 0, top = 0;
  Point ToScreen(double x, double y) const {
    return Point{left + static_cast<int>((x - minX) * scale), top + static_cast<int>((y - minY) * scale)};
  }
};
ReplayChartFrame ReplayChartFrameFor(const World& live, const Rect& r);

// The chart of `scratch` (the replayed frame) with the live world's recording: the marks, each
// boat's track up to the frame shown, the boats, the followed one ringed.
void DrawReplayChart(World& scratch, const World& live, Canvas& c, const Rect& r);

// The bar: the recording's length, the part played, and an arrow at each wind shift pointing
// the way the wind blows.
void DrawTimeBar(const World& live, Canvas& c, const Rect& r);

void DrawReplayControls(const World& live, Canvas& c, const ReplayLayout& layout);

// The followed boat's legs and the fleet's totals, one line each.
void DrawDebriefPanel(const World& live, Canvas& c, const Rect& r, const std::vector<BoatDebrief>& fleet);

// The degrees the wind must turn to be marked on the time bar.
constexpr int kShownShiftDegrees = 5;
