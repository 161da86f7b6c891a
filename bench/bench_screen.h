// The screen every paint benchmark uses: 1280x768 leaves a 1280x720 frame, the largest design size.
#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstdint>

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

inline double ThreadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Runs the paint under measure and reports its CPU time as a percentage of the frame budget
// ("budget_pct" 10 takes a tenth of it): a ratio, so that figures from a busy machine compare
// within one run.
template <typename Paint>
void MeasureAgainstBudget(benchmark::State& state, Paint paint) {
  const double start = ThreadCpuSeconds();
  for (auto _ : state) paint();
  const double perFrame = (ThreadCpuSeconds() - start) / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
  state.counters["budget_pct"] = 100.0 * perFrame / FrameBudgetSeconds();
}
