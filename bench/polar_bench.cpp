// Opening the polar screen with nothing cached: the polars of the boat at 8, 14 and 20 knots
// and the wind blowing now, sailed by the boat model, and the screen drawn at 1280x768.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/polar_screen.h"
#include "boat/boat_setup.h"
#include "platform/canvas.h"
#include "state/polar_data.h"
#include "test_world.h"

namespace {

void OpenPolarScreen(benchmark::State& state) {
  auto w = TestWorld().Sailing().Type(static_cast<int32_t>(state.range(0))).Wind(11).Screen(1280, 768).Build();
  SetUpBoatClass(*w);
  Canvas canvas(w->ViewWidth, w->ViewHeight);
  for (auto _ : state) {
    w->polars = PolarCache{};
    canvas.BeginFrame();
    PaintPolarScreen(*w, canvas);
    benchmark::DoNotOptimize(w->polars.curves[0].knots[0]);
  }
  state.counters["polars"] = w->polars.computed;
}

}  // namespace

// The two-person dinghy, the keelboat (with its spinnaker tried off the wind), the catamaran,
// the offshore racer.
BENCHMARK(OpenPolarScreen)->Arg(4)->Arg(12)->Arg(10)->Arg(14)->Unit(benchmark::kMillisecond);
