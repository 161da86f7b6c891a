#include "sound/sound_events.h"

#include "platform/sound_sink.h"
#include "state/world.h"

namespace {

struct EventEntry {
  int event;
  int clip;       // first clip; some events draw among several
  SoundMode mode;
  bool voice;     // silenced by VoiceOff
  bool crewCall;  // only played when HullClass >= 2
};

constexpr EventEntry kEvents[] = {
    {0, 131, SoundMode::AsyncStopOthers, false, false},
    {1, 137, SoundMode::Async, false, false},
    {2, 138, SoundMode::Async, false, false},
    {3, 139, SoundMode::AsyncNoInterrupt, false, false},
    {5, 141, SoundMode::AsyncNoInterrupt, false, false},
    {6, 133, SoundMode::AsyncNoInterrupt, false, false},
    {7, 135, SoundMode::AsyncNoInterrupt, false, false},
    {9, 144, SoundMode::Async, true, false},
    {10, 131, SoundMode::Async, false, false},
    {11, 142, SoundMode::AsyncNoInterrupt, false, false},
    {12, 155, SoundMode::Sync, false, false},
    {13, 146, SoundMode::Async, true, false},
    {14, 147, SoundMode::Async, false, false},
    {15, 149, SoundMode::Async, false, false},
    {16, 154, SoundMode::Async, true, false},
    {17, 132, SoundMode::Sync, false, false},
    {18, 0, SoundMode::File, false, false},
    {19, 150, SoundMode::Async, false, false},
    {20, 156, SoundMode::Sync, true, true},
    {21, 145, SoundMode::Async, true, true},
};

bool Gated(const World& w) {
  return w.SoundOff == 1 || w.SailingState == 0 || w.ResultsShown == 1 || w.ChartShown == 1 ||
         w.CoachShown > 0 || w.InstructionPage > 0;
}

void Send(World& w, int event, int clip, SoundMode mode) {
  if (w.services.sound) w.services.sound->Play(SoundRequest{event, clip, mode});
}

}  // namespace

void PlaySoundEvent(World& w, int event) {
  if (Gated(w) || w.LessonIntroPending > 0) return;
  const EventEntry* entry = nullptr;
  for (const EventEntry& e : kEvents) {
    if (e.event == event) entry = &e;
  }
  if (!entry) return;

  switch (event) {
    case 5: {
      const int r = RandomBelow(w, 100);
      Send(w, event, r < 35 ? 141 : (r < 70 ? 142 : 143), entry->mode);
      return;
    }
    case 6:
    case 7: {
      const int r = RandomBelow(w, 100);
      Send(w, event, entry->clip + (r >= 51 ? 1 : 0), entry->mode);
      return;
    }
    case 11: {
      const int r = RandomBelow(w, 100);
      Send(w, event, r >= 50 ? 142 : 143, entry->mode);
      return;
    }
    case 12:
      // The tack command: the helm-down sound, then the crew's call.
      Send(w, event, 155, SoundMode::Sync);
      if (w.VoiceOff != 1 && w.HullClass >= 2) Send(w, event, 145, SoundMode::Async);
      return;
    case 21:
      // A tack by hand: the crew's call, then the sails flogging across.
      if (w.VoiceOff != 1 && w.HullClass >= 2) Send(w, event, 145, SoundMode::Async);
      Send(w, event, 162, SoundMode::AsyncStopOthers);
      return;
    default:
      break;
  }
  if (entry->voice && w.VoiceOff == 1) return;
  if (entry->crewCall && w.HullClass < 2) return;
  Send(w, event, entry->clip, entry->mode);
}

void PlayAdvice(World& w, int advice) {
  if (Gated(w) || w.VoiceOff == 1) return;
  if (advice == 1) Send(w, 100 + advice, 151, SoundMode::Async);
  if (advice == 2) Send(w, 100 + advice, 152, SoundMode::Async);
}

void PlayBeep(World& w) {
  if (w.SoundOff == 1) return;
  Send(w, -1, 0, SoundMode::Beep);
}
