// The player's schedule on a fake clock: overlap, no-interrupt noises, stop-others, clips played
// to completion, and the sound and voice toggles acting on what plays.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/sound_scheduler.h"

namespace {

struct Schedule : ::testing::Test, SoundOutput {
  SoundScheduler s{*this};
  std::vector<std::string> log;

  void SetUp() override {
    for (int key : {131, 132, 137, 141, 142, 145, 155, kBeepKey, kShotFileKey}) s.SetDurationMs(key, 1000);
  }
  void Start(int key) override { log.push_back("+" + std::to_string(key)); }
  void Stop(int key) override { log.push_back("-" + std::to_string(key)); }

  void Ask(int clip, SoundMode mode, uint32_t t, bool voice = false) { s.Request({0, clip, mode, voice}, t); }
  std::vector<std::string> Take() { return std::exchange(log, {}); }
};

using Log = std::vector<std::string>;

TEST_F(Schedule, ToCompletionClipHoldsLaterRequestsUntilItEnds) {
  Ask(155, SoundMode::Sync, 0);
  Ask(145, SoundMode::Async, 10, true);
  Ask(142, SoundMode::AsyncNoInterrupt, 20);  // a noise would have been over by then: dropped
  Ask(132, SoundMode::Sync, 30);
  Ask(137, SoundMode::Async, 40);
  EXPECT_EQ(Take(), Log{"+155"});
  s.Advance(999);
  EXPECT_TRUE(Take().empty());
  s.Advance(1000);
  // In order, up to and including the next clip that holds the line.
  EXPECT_EQ(Take(), (Log{"+145", "+132"}));
  s.Advance(1999);
  EXPECT_TRUE(Take().empty());
  s.Advance(2000);
  EXPECT_EQ(Take(), Log{"+137"});
  EXPECT_TRUE(s.Busy());
  s.Advance(3000);
  EXPECT_FALSE(s.Busy());
}

TEST_F(Schedule, WaitingLineIsBounded) {
  Ask(155, SoundMode::Sync, 0);
  for (int i = 0; i < 20; ++i) Ask(i % 2 ? 137 : 145, SoundMode::Async, 1);
  s.Advance(1000);
  const Log started = Take();
  EXPECT_EQ(std::count_if(started.begin(), started.end(), [](const std::string& e) { return e[0] == '+'; }),
            1 + SoundScheduler::kMaxWaiting);
}

TEST_F(Schedule, NoInterruptNoisesNeverOverlapEachOther) {
  Ask(142, SoundMode::AsyncNoInterrupt, 0);
  Ask(141, SoundMode::AsyncNoInterrupt, 100);
  Ask(142, SoundMode::AsyncNoInterrupt, 200);
  Ask(145, SoundMode::Async, 300, true);  // a call goes over the water
  EXPECT_EQ(Take(), (Log{"+142", "+145"}));
  Ask(141, SoundMode::AsyncNoInterrupt, 1000);  // the water has died away; the call plays on
  EXPECT_EQ(Take(), Log{"+141"});
}

TEST_F(Schedule, StopOthersStopsEverythingOnceAndCarriesOn) {
  Ask(142, SoundMode::AsyncNoInterrupt, 0);
  Ask(137, SoundMode::Async, 0);
  Ask(131, SoundMode::AsyncStopOthers, 10);
  Ask(131, SoundMode::AsyncStopOthers, 20);
  EXPECT_EQ(Take(), (Log{"+142", "+137", "-142", "-137", "+131"}));
  EXPECT_TRUE(s.IsPlaying(131));
  Ask(131, SoundMode::AsyncStopOthers, 1010);  // ended: starts again
  EXPECT_EQ(Take(), Log{"+131"});
}

TEST_F(Schedule, RepeatsRestartExceptTheBeep) {
  Ask(137, SoundMode::Async, 0);
  Ask(137, SoundMode::Async, 50);
  Ask(0, SoundMode::Beep, 60);
  Ask(0, SoundMode::Beep, 70);
  Ask(0, SoundMode::File, 80);
  EXPECT_EQ(Take(), (Log{"+137", "-137", "+137", "+" + std::to_string(kBeepKey), "+" + std::to_string(kShotFileKey)}));
}

TEST_F(Schedule, MissingClipIsSilentAndHoldsNothing) {
  Ask(156, SoundMode::Sync, 0);  // no file: no duration
  Ask(137, SoundMode::Async, 0);
  EXPECT_EQ(Take(), Log{"+137"});
}

TEST_F(Schedule, VoiceOffStopsTheCallsAtOnceAndReleasesTheLine) {
  Ask(145, SoundMode::Sync, 0, true);
  Ask(145, SoundMode::Async, 5, true);
  Ask(137, SoundMode::Async, 10);
  Take();
  s.ApplyToggles(false, true, 300);
  EXPECT_EQ(Take(), (Log{"-145", "+137"}));  // the waiting call is gone too
  s.ApplyToggles(false, true, 400);
  EXPECT_TRUE(Take().empty());
}

TEST_F(Schedule, SoundOffStopsEverythingAndForgetsTheLine) {
  Ask(132, SoundMode::Sync, 0);
  Ask(131, SoundMode::Async, 0);
  Ask(137, SoundMode::Async, 0);
  Take();
  s.ApplyToggles(true, false, 100);
  EXPECT_EQ(Take(), Log{"-132"});
  EXPECT_FALSE(s.Busy());
  s.Advance(2000);
  EXPECT_TRUE(Take().empty());
}

}  // namespace
