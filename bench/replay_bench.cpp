// One paint of the replay at 1280x720 over a recording grown to the store's full size: the
// scratch world, the 3D view, the chart with every track and the fleet's debrief.
#include <benchmark/benchmark.h>

#include "bench_screen.h"
#include "probe_runner.h"
#include "sim/replay_play.h"
#include "sim/replay_record.h"
#include "state/activity.h"

static void BM_PaintReplayFullRecording(benchmark::State& state) {
  ProbeSession session(Screen1280x720());
  World& w = session.world();
  w.ActivityMode = Activity::kTriangleRace;
  w.SailingState = 1;
  session.Paint();
  w.InstructionPage = 0;
  for (int i = 0; i < 200; ++i) session.Paint();
  // The recording filled by repeating the frames sailed, as a sixty-minute race would fill it.
  const std::vector<ReplayFrame> sailed = w.replay.frames;
  while (w.replay.frames.size() < w.replay.capacity) {
    ReplayFrame f = sailed[w.replay.frames.size() % sailed.size()];
    f.simTime = static_cast<double>(w.replay.frames.size());
    w.replay.frames.push_back(f);
  }
  w.ResultsShown = 1;
  OpenReplay(w);
  SeekReplay(w, 0.5);
  for (auto _ : state) session.Paint();
  state.counters["frames"] = static_cast<double>(w.replay.frames.size());
}
BENCHMARK(BM_PaintReplayFullRecording)->Unit(benchmark::kMillisecond);
