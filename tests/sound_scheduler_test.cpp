// The player's schedule on a fake clock: overlap, no-interrupt noises, stop-others, clips played
// to completion, and the sound and voice toggles acting on what plays.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/sound_scheduler.h"

namespace {

using enum SoundMode;

struct Schedule : ::testing::Test, SoundOutput {
  SoundScheduler s{*this};
  std::vector<std::string> log;

  void SetUp() override {
    for (int key : {131, 132, 137, 141, 142, 145, 155, kBeepKey, kShotFileKey}) s.SetDurationMs(key, 1000);
  }
  void Start(int key) override { log.push_back("+" + std::to_string(key)); }
  void Stop(int key) override { log.push_back("-" + std::to_string(key)); }

  struct Req {
    int clip;
    SoundMode mode;
    uint32_t t;
    bool voice = false;
  };
  void Ask(std::initializer_list<Req> rs) {
    for (const Req& r : rs) s.Request({0, r.clip, r.mode, r.voice}, r.t);
  }
  std::vector<std::string> Take() { return std::exchange(log, {}); }
};

using Log = std::vector<std::string>;

TEST_F(Schedule, ToCompletionClipHoldsLaterRequestsUntilItEnds) {
  Ask({{155, Sync, 0}, {145, Async, 10, true}});
  Ask({{142, AsyncNoInterrupt, 20}});  // a noise would have been over by then: dropped
  Ask({{132, Sync, 30}, {137, Async, 40}});
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
  Ask({{155, Sync, 0}});
  for (int i = 0; i < 20; ++i) Ask({{i % 2 ? 137 : 145, Async, 1}});
  s.Advance(1000);
  EXPECT_EQ(std::ranges::count_if(Take(), [](const std::string& e) { return e[0] == '+'; }), 1 + SoundScheduler::kMaxWaiting);
}

TEST_F(Schedule, NoInterruptNoisesNeverOverlapEachOther) {
  Ask({{142, AsyncNoInterrupt, 0}, {141, AsyncNoInterrupt, 100}, {142, AsyncNoInterrupt, 200}});
  Ask({{145, Async, 300, true}});  // a call goes over the water
  EXPECT_EQ(Take(), (Log{"+142", "+145"}));
  Ask({{141, AsyncNoInterrupt, 1000}});  // the water has died away; the call plays on
  EXPECT_EQ(Take(), Log{"+141"});
}

TEST_F(Schedule, StopOthersStopsEverythingOnceAndCarriesOn) {
  Ask({{142, AsyncNoInterrupt, 0}, {137, Async, 0}, {131, AsyncStopOthers, 10}, {131, AsyncStopOthers, 20}});
  EXPECT_EQ(Take(), (Log{"+142", "+137", "-142", "-137", "+131"}));
  EXPECT_TRUE(s.IsPlaying(131));
  Ask({{131, AsyncStopOthers, 1010}});  // ended: starts again
  EXPECT_EQ(Take(), Log{"+131"});
}

// A missing clip (no file: no duration) is silent and holds nothing; repeats restart except the beep.
TEST_F(Schedule, MissingClipHoldsNothingAndRepeatsRestartExceptTheBeep) {
  Ask({{156, Sync, 0}, {137, Async, 0}, {137, Async, 50}, {0, Beep, 60}, {0, Beep, 70}, {0, File, 80}});
  EXPECT_EQ(Take(), (Log{"+137", "-137", "+137", "+" + std::to_string(kBeepKey), "+" + std::to_string(kShotFileKey)}));
}

TEST_F(Schedule, VoiceOffStopsTheCallsAtOnceAndReleasesTheLine) {
  Ask({{145, Sync, 0, true}, {145, Async, 5, true}, {137, Async, 10}});
  Take();
  s.ApplyToggles(false, true, 300);
  EXPECT_EQ(Take(), (Log{"-145", "+137"}));  // the waiting call is gone too
  s.ApplyToggles(false, true, 400);
  EXPECT_TRUE(Take().empty());
}

TEST_F(Schedule, SoundOffStopsEverythingAndForgetsTheLine) {
  Ask({{132, Sync, 0}, {131, Async, 0}, {137, Async, 0}});
  Take();
  s.ApplyToggles(true, false, 100);
  EXPECT_EQ(Take(), Log{"-132"});
  EXPECT_FALSE(s.Busy());
  s.Advance(2000);
  EXPECT_TRUE(Take().empty());
}

}  // namespace
