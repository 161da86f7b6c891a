// One paint of the running frame at 1280x720.
#include <benchmark/benchmark.h>

#include "app/paint.h"
#include "probe_runner.h"

static void BM_PaintRunningFrame(benchmark::State& state) {
  ProbeOptions options;
  options.screenWidth = 1280;
  options.screenHeight = 768;  // leaves a 1280x720 frame
  ProbeSession session(options);
  session.world().SailingState = 1;
  session.Paint();
  for (auto _ : state) {
    session.Paint();
  }
  state.counters["view_h"] = session.world().ViewHeight;
}
BENCHMARK(BM_PaintRunningFrame)->Unit(benchmark::kMillisecond);
