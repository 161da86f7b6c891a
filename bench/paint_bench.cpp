// One paint of the running frame and of the title screen at 1280x720.
#include <benchmark/benchmark.h>

#include "app/paint.h"
#include "bench_screen.h"
#include "probe_runner.h"

static void BM_PaintRunningFrame(benchmark::State& state) {
  ProbeSession session(Screen1280x720());
  session.world().SailingState = 1;
  session.Paint();
  MeasureAgainstBudget(state, [&] { session.Paint(); });
  state.counters["view_h"] = session.world().ViewHeight;
}
BENCHMARK(BM_PaintRunningFrame)->Unit(benchmark::kMillisecond);

static void BM_PaintTitleScreen(benchmark::State& state) {
  ProbeSession session(Screen1280x720());
  MeasureAgainstBudget(state, [&] { session.Paint(); });
  state.counters["sailing_state"] = session.world().SailingState;
}
BENCHMARK(BM_PaintTitleScreen)->Unit(benchmark::kMillisecond);
