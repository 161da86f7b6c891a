// A plan view of the world for checking the set-up by eye: water shaded by DepthAt, the
// shore line, the scenery outlines, the hills, harbour and landmarks, the exercise targets
// and the boats, north up.
#pragma once

#include <string>

struct World;

struct PlanPlotOptions {
  int pixels = 800;          // width and height of the image
  int halfExtent = 12000;    // yards from the origin to each edge
  int cell = 2;              // pixels per depth sample
};

// Writes the PNG; false when it cannot be written.
bool SavePlanPlot(const World& w, const std::string& path, const PlanPlotOptions& options = {});
