#include "sound/sound_events.h"

#include "platform/sound_sink.h"
#include "state/hull_class.h"
#include "state/sound_event.h"
#include "state/world.h"

namespace {

// Clips an event may choose among with one draw of RandomBelow(100).
enum class Choice {
  Fixed,       // always `clip`
  FastWater,   // 141 below 35, 142 below 70, else 143
  SecondAt51,  // `clip` + 1 when the draw is 51 or more
  Water,       // 142 when the draw is 50 or more, else 143
};

struct EventEntry {
  int event;
  int clip;
  SoundMode mode;
  bool voice;     // silenced by VoiceOff
  bool crewCall;  // only played from the two-person dinghy up: the single-hand dinghies have no crew
  Choice choice;
};

using namespace SoundEvent;
constexpr int kShotFile = 0;  // event 18 plays the sound file, not a resource

constexpr EventEntry kEvents[] = {
    {kHundredSeconds, 131, SoundMode::AsyncStopOthers, false, false, Choice::Fixed},
    {kSheetIn, 137, SoundMode::Async, false, false, Choice::Fixed},
    {kSheetOut, 138, SoundMode::Async, false, false, Choice::Fixed},
    {kPitch, 139, SoundMode::AsyncNoInterrupt, false, false, Choice::Fixed},
    {kFastWater, 141, SoundMode::AsyncNoInterrupt, false, false, Choice::FastWater},
    {kLuffing, 133, SoundMode::AsyncNoInterrupt, false, false, Choice::SecondAt51},
    {kFlogging, 135, SoundMode::AsyncNoInterrupt, false, false, Choice::SecondAt51},
    {kPenalty, 144, SoundMode::Async, true, false, Choice::Fixed},
    {kGybeBoom, 131, SoundMode::Async, false, false, Choice::Fixed},
    {kWater, 142, SoundMode::AsyncNoInterrupt, false, false, Choice::Water},
    {kGoal, 146, SoundMode::Async, true, false, Choice::Fixed},
    {kApproach, 147, SoundMode::Async, false, false, Choice::Fixed},
    {kControlRelease, 149, SoundMode::Async, false, false, Choice::Fixed},
    {kCapsize, 154, SoundMode::Async, true, false, Choice::Fixed},
    {kStartSignal, 132, SoundMode::Sync, false, false, Choice::Fixed},
    {kFirstFinish, kShotFile, SoundMode::File, false, false, Choice::Fixed},
    {kLaterFinish, 150, SoundMode::Async, false, false, Choice::Fixed},
    {kGybeCall, 156, SoundMode::Sync, true, true, Choice::Fixed},
};

// The crew's tack call, spoken after the helm goes down (the tack command) and on a tack by hand.
constexpr int kTackCallClip = 145;
constexpr int kHelmDownClip = 155;
constexpr int kTackSplashClip = 162;

struct AdviceEntry {
  int advice;
  int clip;
};
constexpr AdviceEntry kAdvice[] = {{Advice::kPortGivesWay, 151}, {Advice::kWindwardKeepsClear, 152}};
// The warnings are logged as events 101 and 102.
constexpr int kAdviceEventBase = 100;

bool Gated(const World& w) {
  return w.SoundOff == 1 || w.SailingState == 0 || w.ResultsShown == 1 || w.ChartShown == 1 ||
         w.CoachShown > 0 || w.InstructionPage > 0;
}

bool CrewSpeaks(const World& w) { return w.VoiceOff != 1 && w.HullClass >= Hull::kTwoPerson; }

void Send(World& w, int event, int clip, SoundMode mode, bool voice) {
  if (w.services.sound) w.services.sound->Play(SoundRequest{event, clip, mode, voice});
}

int ChooseClip(World& w, const EventEntry& e) {
  if (e.choice == Choice::Fixed) return e.clip;
  const int r = RandomBelow(w, 100);
  switch (e.choice) {
    case Choice::FastWater:
      return r < 35 ? 141 : (r < 70 ? 142 : 143);
    case Choice::SecondAt51:
      return e.clip + (r >= 51 ? 1 : 0);
    case Choice::Water:
      return r >= 50 ? 142 : 143;
    case Choice::Fixed:
      break;
  }
  return e.clip;
}

}  // namespace

void PlaySoundEvent(World& w, int event) {
  if (Gated(w) || w.LessonIntroPending > 0) return;
  if (event == kTackCommand) {
    // The helm goes down and is heard to the end before the crew calls the tack.
    Send(w, event, kHelmDownClip, SoundMode::Sync, false);
    if (CrewSpeaks(w)) Send(w, event, kTackCallClip, SoundMode::Async, true);
    return;
  }
  if (event == kTackCall) {
    // The call and the splash of the bow coming through the waves go together: whichever starts
    // first stops the sounds before them, so the splash never cuts off the call it follows.
    const bool call = CrewSpeaks(w);
    if (call) Send(w, event, kTackCallClip, SoundMode::AsyncStopOthers, true);
    Send(w, event, kTackSplashClip, call ? SoundMode::Async : SoundMode::AsyncStopOthers, false);
    return;
  }
  for (const EventEntry& e : kEvents) {
    if (e.event != event) continue;
    if (e.voice && w.VoiceOff == 1) return;
    if (e.crewCall && w.HullClass < Hull::kTwoPerson) return;
    Send(w, event, ChooseClip(w, e), e.mode, e.voice);
    return;
  }
}

void PlayAdvice(World& w, int advice) {
  if (Gated(w) || w.VoiceOff == 1) return;
  for (const AdviceEntry& a : kAdvice) {
    if (a.advice == advice) Send(w, kAdviceEventBase + advice, a.clip, SoundMode::Async, true);
  }
}

void PlayBeep(World& w) {
  if (w.SoundOff == 1) return;
  Send(w, -1, 0, SoundMode::Beep, false);
}
