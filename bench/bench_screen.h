// The screen every paint benchmark uses: 1280x768 leaves a 1280x720 frame, the largest design size.
#pragma once

#include <benchmark/benchmark.h>

#include "probe_runner.h"
#include "world/sim_speed.h"

inline ProbeOptions Screen1280x720() {
  ProbeOptions options;
  options.screenWidth = 1280;
  options.screenHeight = 768;
  return options;
}

// The frame's budget: the shortest frame the simulator allows at its higher speeds (20 ms).
inline double FrameBudgetSeconds() { return MinFrameMsFor(15) / 1000.0; }

// Reports one iteration's CPU time as a share of the frame budget: 0.1 takes a tenth of it.
// A ratio, so that figures from a busy machine compare within one run.
inline void ReportBudgetRatio(benchmark::State& state) {
  state.counters["budget_ratio"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * FrameBudgetSeconds(),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
