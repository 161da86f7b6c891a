// The simulation of ten racing boats at the highest simulator speed, without drawing.
#include <benchmark/benchmark.h>

#include <memory>

#include "boat/boat_motion.h"
#include "boat/wave_crests.h"
#include "sim/frame_advance.h"
#include "state/angles.h"
#include "state/world.h"
#include "test_world.h"
#include "world/puffs.h"
#include "world/sim_speed.h"

namespace {

std::unique_ptr<World> TenBoatRace() {
  auto w = TestWorld()
               .Tables()
               .Seed(1)
               .Activity(Activity::kTriangleRace)
               .Type(12)
               .Fleet(10)
               .Wind(12)
               .Build();
  w->SailingState = 2;
  w->HullClass = Hull::kKeelboat;
  w->ScaleLength = 25;
  w->TimeScale = 0.7745966692414834;
  w->MaxHeel = 23;
  w->HelmSign = -1;
  w->Difficulty = 7;
  w->WindSetting = 2;
  w->SimSpeed = 15;
  w->SimSpeedDivisor = SimSpeedDivisorFor(15);
  for (int b = 1; b <= w->BoatCount; ++b) {
    // Two rows of five on both tacks, close enough for the neighbour scan to find each other.
    w->BoatX[b] = (b % 5) * 30.0;
    w->BoatY[b] = (b / 5) * 40.0;
    w->BoatHeadings[b] = b % 2 ? 315 : 45;
    w->BoatLegs[b] = 1;
  }
  w->OwnHeading = w->BoatHeadings[1];
  for (int i = 1; i <= kPuffCount; ++i) CreatePuff(*w, i);
  return w;
}

void BM_TenBoatsThousandFramesAtSpeed15(benchmark::State& state) {
  auto w = TenBoatRace();
  for (auto _ : state) {
    for (int frame = 0; frame < 1000; ++frame) {
      AdvanceWorld(*w);
      RunWavePitch(*w);  // as in a frame whose view shows the user's boat
    }
    benchmark::DoNotOptimize(w->BoatX[10]);
  }
  state.counters["frames_per_second"] =
      benchmark::Counter(1000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TenBoatsThousandFramesAtSpeed15)->Unit(benchmark::kMillisecond);

}  // namespace
