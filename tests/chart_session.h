// A probe session for the chart and page tests: scripts, globals and the last frame's texts.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "canvas_helpers.h"
#include "probe_runner.h"

struct ChartSession {
  ProbeSession probe;

  explicit ChartSession(int width = 1280, int height = 768, int largeMenuFont = 0)
      : probe(ProbeOptions{1, width, height, largeMenuFont, ""}) {}

  void Run(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    ASSERT_EQ(probe.RunScript(in, out), 0) << out.str();
  }
  // Starts an activity from the title screen as the space bar does; its box is then shown.
  void Start(int mode) { Run("set ActivityMode " + std::to_string(mode) + "\nkey SPACE\nframes 2\n"); }
  World& w() { return probe.world(); }
  Canvas& canvas() { return probe.canvas(); }

  const TextLogEntry* Find(std::string_view text) { return FindText(canvas(), text); }
  // A press a little inside a drawn label, then the frame that takes the click.
  void PressOn(std::string_view label) {
    const TextLogEntry* e = Find(label);
    ASSERT_NE(e, nullptr) << label;
    Run("press " + std::to_string(e->x + 20) + " " + std::to_string(e->y + 5) + "\nframes 1\n");
  }
};
