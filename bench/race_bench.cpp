// A 10-boat race at 1280x720: one paint of a pre-start frame with the fleet in view, and the
// world's advance alone at simulator speeds 9 and 15.
#include <benchmark/benchmark.h>

#include "bench_screen.h"
#include "probe_runner.h"
#include "sim/frame_advance.h"
#include "state/activity.h"
#include "world/sim_speed.h"

namespace {

// The triangle race with the big fleet, the instruction box closed, looking back at the boats
// behind the line.
void StartBigFleetRace(ProbeSession& session) {
  World& w = session.world();
  w.ActivityMode = Activity::kTriangleRace;
  w.JustStartCourseUpDown = 0;
  w.BigFleet = 1;
  w.BoatCount = 10;
  w.SailingState = 1;
  session.Paint();
  w.InstructionPage = 0;
  w.LookAngle = 180;
  for (int i = 0; i < 20; ++i) session.Paint();
}

}  // namespace

static void BM_PaintRaceFrame10Boats(benchmark::State& state) {
  ProbeSession session(Screen1280x720());
  StartBigFleetRace(session);
  MeasureAgainstBudget(state, [&] { session.Paint(); });
  state.counters["boats"] = session.world().BoatCount;
  state.counters["view_h"] = session.world().ViewHeight;
}
BENCHMARK(BM_PaintRaceFrame10Boats)->Unit(benchmark::kMillisecond);

static void BM_AdvanceRace10Boats(benchmark::State& state) {
  ProbeSession session(Screen1280x720());
  StartBigFleetRace(session);
  World& w = session.world();
  w.SimSpeed = static_cast<int32_t>(state.range(0));
  UpdateSimSpeedDivisor(w);
  for (auto _ : state) {
    AdvanceWorld(w);
    // The fleet finishes after some 3300 s; a new race keeps it racing.
    if (w.SimSeconds > 3000) {
      state.PauseTiming();
      w.SailingState = 1;
      session.Paint();
      w.InstructionPage = 0;
      state.ResumeTiming();
    }
  }
  state.counters["frames_per_second"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["sim_s"] = w.SimSeconds;
}
BENCHMARK(BM_AdvanceRace10Boats)->Arg(9)->Arg(15)->Unit(benchmark::kMicrosecond);

// The full-screen chart over the same race.
static void BM_PaintChart10Boats(benchmark::State& state) {
  ProbeSession session(Screen1280x720());
  StartBigFleetRace(session);
  session.world().ChartShown = 1;
  MeasureAgainstBudget(state, [&] { session.Paint(); });
}
BENCHMARK(BM_PaintChart10Boats)->Unit(benchmark::kMillisecond);

// The results screen after some sailing, with the fleet's commentary: the loop keeps painting it.
static void BM_PaintResults10Boats(benchmark::State& state) {
  ProbeSession session(Screen1280x720());
  StartBigFleetRace(session);
  for (int i = 0; i < 200; ++i) session.Paint();
  session.world().ResultsShown = 1;
  MeasureAgainstBudget(state, [&] { session.Paint(); });
}
BENCHMARK(BM_PaintResults10Boats)->Unit(benchmark::kMillisecond);
