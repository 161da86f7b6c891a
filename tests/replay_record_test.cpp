// The recording of the last sailing: bounded and thinned evenly, and put back exactly.
#include <gtest/gtest.h>

#include <memory>

#include "sim/frame_advance.h"
#include "sim/replay_record.h"
#include "state/activity.h"
#include "test_world.h"

namespace {

ReplayFrame FrameAt(int n) {
  ReplayFrame f;
  f.simTime = n;
  f.boatCount = 1;
  f.boats[0].x = n;
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
  ASSERT_LE(r.frames.size(), r.capacity);
  EXPECT_EQ(r.stride, 16);
  EXPECT_EQ(r.frames.size(), 7u);  // 0, 16, ... 96
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
  constexpr int kFramesPerSecond = 60;
  ReplayRecording r = Offered(60 * 60 * kFramesPerSecond, kReplayMaxFrames);
  EXPECT_LE(r.frames.capacity() * sizeof(ReplayFrame), std::size_t{64} << 20);
  EXPECT_LE(r.frames.size(), kReplayMaxFrames);
  EXPECT_GT(r.frames.size(), kReplayMaxFrames / 2);
  EXPECT_EQ(r.frames.front().simTime, 0);
}

TEST(ReplayRecording, ACopyOfTheWorldStartsEmpty) {
  auto w = TestWorld().Sailing().Build();
  AppendFrame(w->replay, FrameAt(1));
  auto copy = std::make_unique<World>(*w);
  EXPECT_TRUE(copy->replay.frames.empty());
  EXPECT_EQ(w->replay.frames.size(), 1u);
}

// A race sailed for a while: every frame is recorded, and each recorded frame put into a
// scratch world places every boat exactly where the live world had it at that frame.
TEST(ReplayRecording, ReplayReproducesEveryRecordedFrame) {
  auto w = TestWorld().Sailing().Activity(Activity::kTriangleRace).Fleet(10).Seed(3).Start();
  w->InstructionPage = 0;
  std::vector<std::array<std::pair<double, double>, kMaxBoats>> live;
  for (int n = 0; n < 300; ++n) {
    AdvanceWorld(*w);
    std::array<std::pair<double, double>, kMaxBoats> at{};
    for (int b = 1; b <= w->BoatCount; ++b) at[b - 1] = {w->BoatX[b], w->BoatY[b]};
    live.push_back(at);
  }
  ASSERT_EQ(w->replay.frames.size(), live.size());
  auto scratch = std::make_unique<World>(*w);
  for (std::size_t i = 0; i < live.size(); ++i) {
    ApplyFrame(*scratch, w->replay.frames[i]);
    ASSERT_EQ(scratch->BoatCount, w->BoatCount);
    for (int b = 1; b <= w->BoatCount; ++b) {
      ASSERT_EQ(scratch->BoatX[b], live[i][b - 1].first) << "frame " << i << " boat " << b;
      ASSERT_EQ(scratch->BoatY[b], live[i][b - 1].second) << "frame " << i << " boat " << b;
    }
  }
  // The boats moved, and the live world was left alone.
  EXPECT_NE(live.front()[3], live.back()[3]);
  EXPECT_EQ(w->BoatX[1], live.back()[0].first);
}

TEST(ReplayRecording, NothingIsRecordedWhileTimeStandsStill) {
  auto w = TestWorld().Sailing().Start();
  w->InstructionPage = 0;
  w->Stopped = 1;
  for (int n = 0; n < 5; ++n) AdvanceWorld(*w);
  EXPECT_TRUE(w->replay.frames.empty());
  w->Stopped = 0;
  for (int n = 0; n < 5; ++n) AdvanceWorld(*w);
  EXPECT_EQ(w->replay.frames.size(), 5u);
  StartActivity(*w);
  EXPECT_TRUE(w->replay.frames.empty());
}

}  // namespace
