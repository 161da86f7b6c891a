// The bottom strip of a running frame: the data panel with its control buttons, and the
// steering zone, drawn on demand for a keelboat in open water.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "app/frame_step.h"
#include "app/paint.h"
#include "app/panel.h"
#include "app/steering_strip.h"
#include "boat_test_world.h"
#include "sim/frame_counts.h"
#include "sim/steering.h"
#include "canvas_helpers.h"

// The 1280 x 720 frame of a 1280 x 768 screen unless told otherwise.
struct PanelFrame {
  BoatWorld bw;
  World& w = bw.w;
  std::unique_ptr<Canvas> c;

  explicit PanelFrame(int width = 1280, int height = 768, int menuBar = 19)
      : bw(TestWorld().Screen(width, height, menuBar)) {
    LayOutFrame(w);
    c = std::make_unique<Canvas>(w.ViewWidth, w.ViewHeight);
    w.BoatTack[1] = 1;
  }
  PanelFrame& Draw() {
    c->BeginFrame();
    // The steps the frame runs just before the panel, in its order.
    UpdatePanelReadings(w);
    CountAnalysisFrames(w);
    DrawDataPanel(w, *c);
    return *this;
  }
  PanelFrame& DrawZone() {
    c->BeginFrame();
    UpdateDrawnSteeringZone(w);
    DrawSteeringZone(w, *c);
    return *this;
  }
  const TextLogEntry* Find(std::string_view text) const { return FindText(*c, text); }
  const TextLogEntry* Starting(std::string_view prefix) const { return FindText(*c, prefix, true); }
  // What the frame shows at (x, y): the text drawn there last.
  std::string At(int x, int y) const {
    std::string shown;
    for (const TextLogEntry& e : c->TextLog()) {
      if (e.x == x && e.y == y) shown = e.text;
    }
    return shown;
  }
};
