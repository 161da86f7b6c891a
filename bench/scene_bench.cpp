// One paint of free sailing on the coast at 1280x720 with 600 wave crests, and the sailing
// scene alone within it.
#include <benchmark/benchmark.h>

#include "bench_screen.h"
#include "probe_runner.h"
#include "view3d/scene.h"

namespace {

// Free sailing on the coast, looking toward the land, the instruction box closed and the
// crests placed.
void StartCoast(ProbeSession& session) {
  World& w = session.world();
  w.ActivityMode = 0;
  w.SailingArea = 1;
  w.SailingState = 1;
  session.Paint();
  w.InstructionPage = 0;
  w.OwnHeading = w.ShoreQuadrant == 1 ? 20 : 200;
  w.BoatHeadings[1] = static_cast<int>(w.OwnHeading);
  for (int i = 0; i < 20; ++i) session.Paint();
}

}  // namespace

static void BM_PaintFreeSailingCoast(benchmark::State& state) {
  ProbeSession session(Screen1280x720());
  StartCoast(session);
  MeasureAgainstBudget(state, [&] { session.Paint(); });
  state.counters["view_w"] = session.world().ViewWidth;
  state.counters["view_h"] = session.world().ViewHeight;
  state.counters["crests"] = LastWaveCrest(session.world()) + 1;
}
BENCHMARK(BM_PaintFreeSailingCoast)->Unit(benchmark::kMillisecond);

static void BM_ComposeSceneCoast(benchmark::State& state) {
  ProbeSession session(Screen1280x720());
  StartCoast(session);
  World& w = session.world();
  const Rect scene{0, 0, w.ViewWidth, w.SceneBottom};
  for (auto _ : state) ComposeScene(w, session.canvas(), scene);
  state.counters["crests"] = LastWaveCrest(w) + 1;
}
BENCHMARK(BM_ComposeSceneCoast)->Unit(benchmark::kMillisecond);
