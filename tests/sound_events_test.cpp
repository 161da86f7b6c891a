// Sound events: the gates and their order, voice and crew marks, the clip drawn for each event,
// and what the player makes of the requests.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/sound_scheduler.h"
#include "platform/sound_sink.h"
#include "sound/sound_clips.h"
#include "sound/sound_events.h"
#include "state/hull_class.h"
#include "state/sound_event.h"
#include "state/world.h"

namespace {

using namespace SoundEvent;

struct SoundWorld : ::testing::Test {
  std::unique_ptr<World> owned = std::make_unique<World>();
  World& w = *owned;
  RecordingSoundSink sounds;

  void SetUp() override {
    w.rng.Seed(1);
    std::tie(w.services.sound, w.SailingState, w.HullClass) = std::tuple{&sounds, 2, 6};
  }

  std::vector<int> Clips() const {
    std::vector<int> c;
    for (const SoundRequest& r : sounds.Requests()) c.push_back(r.clip);
    return c;
  }

  // A seed whose first RandomBelow(100) is `draw`.
  static uint32_t SeedForDraw(int draw) {
    World probe;
    for (uint32_t s = 0;; ++s) {
      probe.rng.Seed(s);
      if (RandomBelow(probe, 100) == draw) return s;
    }
  }

  // Every event number up to the hand-called tack, and both pieces of advice.
  void PlayEveryEvent() {
    for (int e = 0; e <= kTackCall; ++e) PlaySoundEvent(w, e);
    PlayAdvice(w, Advice::kPortGivesWay);
    PlayAdvice(w, Advice::kWindwardKeepsClear);
  }

  int ClipFor(int event, int draw) {
    w.rng.Seed(SeedForDraw(draw));
    sounds.Clear();
    PlaySoundEvent(w, event);
    return sounds.Requests().size() == 1 ? sounds.Requests()[0].clip : -1;
  }
};

TEST_F(SoundWorld, EveryGateSilencesEventsAndAdviceWithoutDrawing) {
  struct Gate { const char* name; int32_t World::*field; int32_t value; bool adviceToo; };
  const Gate gates[] = {
      {"SoundOff", &World::SoundOff, 1, true},           {"SailingState", &World::SailingState, 0, true},
      {"ResultsShown", &World::ResultsShown, 1, true},   {"ChartShown", &World::ChartShown, 1, true},
      {"CoachShown", &World::CoachShown, 1, true},       {"InstructionPage", &World::InstructionPage, 3, true},
      {"LessonIntroPending", &World::LessonIntroPending, 1, false},
  };
  for (const Gate& g : gates) {
    SCOPED_TRACE(g.name);
    SetUp();  // restores the sailing state
    sounds.Clear();
    w.*g.field = g.value;
    const uint32_t before = w.rng.State();
    for (int e : {kStartSignal, kFirstFinish, kFastWater, kLuffing, kTackCommand, kTackCall, kGybeCall})
      PlaySoundEvent(w, e);
    EXPECT_TRUE(sounds.Requests().empty());
    EXPECT_EQ(w.rng.State(), before);  // a silenced event draws nothing
    PlayAdvice(w, Advice::kPortGivesWay);
    EXPECT_EQ(sounds.Requests().size(), g.adviceToo ? 0u : 1u);
    w.*g.field = 0;
  }
}

TEST_F(SoundWorld, BeepFollowsOnlySoundOff) {
  w.ChartShown = 1;  // the beep is the system's, not a sound event
  for (int soundOff : {0, 1}) w.SoundOff = soundOff, PlayBeep(w);
  ASSERT_EQ(sounds.Requests().size(), 1u);
  EXPECT_EQ(sounds.Requests()[0].mode, SoundMode::Beep);
}

TEST_F(SoundWorld, VoiceOffSilencesOnlyTheCalls) {
  std::set<int> spoken, quiet;
  for (int voiceOff : {0, 1}) {
    w.VoiceOff = voiceOff, w.rng.Seed(1), sounds.Clear();
    PlayEveryEvent();
    for (const SoundRequest& r : sounds.Requests()) {
      (voiceOff ? quiet : spoken).insert(r.clip);
      EXPECT_FALSE(voiceOff && r.voice) << r.clip;
    }
  }
  // Exactly the calls fall silent (penalty, tack, goal, the two warnings, capsize, gybe): any
  // other sound silenced would show in the difference.
  std::set<int> calls;
  std::set_difference(spoken.begin(), spoken.end(), quiet.begin(), quiet.end(), std::inserter(calls, calls.end()));
  EXPECT_EQ(calls, (std::set<int>{144, 145, 146, 151, 152, 154, 156}));
}

TEST_F(SoundWorld, SingleHandDinghyHasNoCrewToCall) {
  auto calls = [&](int hull) {
    w.HullClass = hull;
    sounds.Clear();
    for (int e : {kTackCommand, kTackCall, kGybeCall}) PlaySoundEvent(w, e);
    return Clips();
  };
  EXPECT_EQ(calls(Hull::kTwoPerson), (std::vector<int>{155, 145, 145, 162, 156}));
  EXPECT_EQ(calls(Hull::kSingleHander), (std::vector<int>{155, 162}));
  // Without the call, the splash itself stops what played before.
  EXPECT_EQ(sounds.Requests()[1].mode, SoundMode::AsyncStopOthers);
}

TEST_F(SoundWorld, RandomClipsAtTheBoundariesOfTheDraw) {
  const int kCases[][3] = {{kFastWater, 0, 141}, {kFastWater, 34, 141}, {kFastWater, 35, 142}, {kFastWater, 69, 142},
                           {kFastWater, 70, 143}, {kFastWater, 102, 143}, {kLuffing, 50, 133}, {kLuffing, 51, 134},
                           {kFlogging, 50, 135}, {kFlogging, 51, 136}, {kWater, 49, 143}, {kWater, 50, 142}};
  for (const auto& c : kCases) EXPECT_EQ(ClipFor(c[0], c[1]), c[2]) << c[0] << " draw " << c[1];
  // Fixed clips draw nothing.
  const uint32_t before = w.rng.State();
  PlaySoundEvent(w, kPitch);
  EXPECT_EQ(w.rng.State(), before);
}

TEST_F(SoundWorld, EveryClipRequestedHasAFileAndUnknownNumbersPlayNothing) {
  std::set<int> files;
  for (const ClipFile& c : kClipFiles) files.insert(c.key);
  for (int draw = 0; draw <= 102; draw += 17) w.rng.Seed(SeedForDraw(draw)), PlayEveryEvent();
  PlayBeep(w);
  for (const SoundRequest& r : sounds.Requests()) EXPECT_TRUE(files.count(ClipKey(r))) << r.event << " " << r.clip;

  sounds.Clear();
  for (int e : {-1, 4, 8, 22, 100}) PlaySoundEvent(w, e);
  for (int a : {0, 3}) PlayAdvice(w, a);
  EXPECT_TRUE(sounds.Requests().empty());
}

// The events through the player's scheduler, on a fake clock.
struct Player : SoundSink, SoundOutput {
  World w;
  SoundScheduler scheduler{*this};
  uint32_t now = 0;
  std::vector<std::string> log;

  Player() {
    w.rng.Seed(1);
    std::tie(w.services.sound, w.SailingState, w.HullClass) = std::tuple{this, 2, 6};
    for (const ClipFile& c : kClipFiles) scheduler.SetDurationMs(c.key, 1000);
  }
  void Play(const SoundRequest& r) override { scheduler.Request(r, now); }
  void Start(int key) override { log.push_back("+" + std::to_string(key)); }
  void Stop(int key) override { log.push_back("-" + std::to_string(key)); }
};

// Each row: events (a negative number -t advances the clock to t ms) and what starts and stops.
// The tack command calls only after the helm is down, the sheet waiting its turn; the start
// signal is heard whole while the water keeps quiet; a tack by hand keeps its call and stops
// the rest; a hundred seconds restarts the background once in a simulated second.
TEST(SoundThroughPlayer, EventsThroughTheScheduler) {
  using Log = std::vector<std::string>;
  const std::pair<std::vector<int>, Log> rows[] = {
      {{kTackCommand, kSheetIn, -999}, {"+155"}},
      {{kTackCommand, kSheetIn, -1000}, {"+155", "+145", "+137"}},
      {{kWater, kStartSignal, -500, kFastWater, -1200}, {"+143", "+132"}},
      {{kSheetOut, kTackCall}, {"+138", "-138", "+145", "+162"}},
      {{kPitch, kHundredSeconds, kHundredSeconds, kHundredSeconds, kHundredSeconds, kHundredSeconds},
       {"+139", "-139", "+131"}},
  };
  for (const auto& [events, expected] : rows) {
    auto p = std::make_unique<Player>();
    for (int e : events) e < 0 ? p->scheduler.Advance(p->now = static_cast<uint32_t>(-e)) : PlaySoundEvent(p->w, e);
    EXPECT_EQ(p->log, expected) << events.front() << " " << events.size();
  }
}

}  // namespace
