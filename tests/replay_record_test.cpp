// The recording of the last sailing: bounded and thinned evenly, and put back exactly.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "sim/frame_advance.h"
#include "sim/replay_record.h"
#include "state/activity.h"
#include "test_world.h"

namespace {

ReplayFrame FrameAt(int n) {
  ReplayFrame f;
  std::tie(f.simTime, f.boatCount, f.boats[0].x) = std::tuple{n, 1, n};
  return f;
}

ReplayRecording Offered(int frames, std::size_t capacity = 8) {
  ReplayRecording r;
  r.capacity = capacity;
  for (int n = 0; n < frames; ++n) AppendFrame(r, FrameAt(n));
  return r;
}

// A store of 8 frames offered 100: the kept frames are every stride-th, from the first, and
// they cover the whole run however often the store was thinned.
TEST(ReplayRecording, ThinsEvenlyWhenFull) {
  ReplayRecording r = Offered(100);
  EXPECT_EQ(r.stride, 16);
  ASSERT_EQ(r.frames.size(), 7u);  // 0, 16, ... 96
  for (std::size_t i = 0; i < r.frames.size(); ++i) EXPECT_EQ(r.frames[i].simTime, static_cast<double>(i * r.stride));
  EXPECT_EQ(r.offered, 100);
}

TEST(ReplayRecording, KeepsEveryFrameUntilFull) {
  ReplayRecording r = Offered(8);
  EXPECT_EQ(r.stride, 1);
  ASSERT_EQ(r.frames.size(), 8u);
  AppendFrame(r, FrameAt(8));  // the ninth thins to 0 2 4 6 and is kept on the new stride
  EXPECT_EQ(r.stride, 2);
  ASSERT_EQ(r.frames.size(), 5u);
  EXPECT_EQ(r.frames.back().simTime, 8);
  AppendFrame(r, FrameAt(9));  // off the stride
  EXPECT_EQ(r.frames.size(), 5u);
}

// Sixty minutes of frames at the fastest frame rate stay within 64 MB.
TEST(ReplayRecording, SixtyMinutesFitInSixtyFourMegabytes) {
  ReplayRecording r = Offered(60 * 60 * 60, kReplayMaxFrames);  // at 60 frames a second
  EXPECT_LE(r.frames.capacity() * sizeof(ReplayFrame), std::size_t{64} << 20);
  EXPECT_TRUE(r.frames.size() <= kReplayMaxFrames && r.frames.size() > kReplayMaxFrames / 2) << r.frames.size();
  EXPECT_EQ(r.frames.front().simTime, 0);
}

// A race sailed for a while: every frame is recorded, and each recorded frame put into a
// scratch world (a copy, which starts without the recording) places every boat exactly where the live world had it at that frame.
TEST(ReplayRecording, ReplayReproducesEveryRecordedFrame) {
  auto w = TestWorld().Sailing().Activity(Activity::kTriangleRace).Fleet(10).Seed(3).Start();
  w->InstructionPage = 0;
  std::vector<std::array<std::pair<double, double>, kMaxBoats>> live;
  for (int n = 0; n < 300; ++n) {
    AdvanceWorld(*w);
    live.emplace_back();
    for (int b = 1; b <= w->BoatCount; ++b) live.back()[b - 1] = {w->BoatX[b], w->BoatY[b]};
  }
  ASSERT_EQ(w->replay.frames.size(), live.size());
  auto scratch = std::make_unique<World>(*w);
  EXPECT_TRUE(scratch->replay.frames.empty());  // a copy of the world starts without the recording
  for (std::size_t i = 0; i < live.size(); ++i) {
    ApplyFrame(*scratch, w->replay.frames[i]);
    ASSERT_EQ(scratch->BoatCount, w->BoatCount);
    for (int b = 1; b <= w->BoatCount; ++b) {
      ASSERT_EQ((std::pair{scratch->BoatX[b], scratch->BoatY[b]}), live[i][b - 1]) << "frame " << i << " boat " << b;
    }
  }
  // The boats moved, and the live world was left alone.
  EXPECT_NE(live.front()[3], live.back()[3]);
  EXPECT_EQ(w->BoatX[1], live.back()[0].first);
}

TEST(ReplayRecording, NothingIsRecordedWhileTimeStandsStill) {
  auto w = TestWorld().Sailing().Start();
  w->InstructionPage = 0;
  for (const int stopped : {1, 0}) {
    w->Stopped = stopped;
    for (int n = 0; n < 5; ++n) AdvanceWorld(*w);
    EXPECT_EQ(w->replay.frames.size(), stopped ? 0u : 5u);
  }
  StartActivity(*w);
  EXPECT_TRUE(w->replay.frames.empty());
}

}  // namespace
