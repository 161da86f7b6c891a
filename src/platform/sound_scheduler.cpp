#include "platform/sound_scheduler.h"

#include <algorithm>

bool SoundScheduler::IsPlaying(int key) const {
  return std::any_of(playing_.begin(), playing_.end(), [key](const Playing& p) { return p.key == key; });
}

bool SoundScheduler::Holding() const {
  return std::any_of(playing_.begin(), playing_.end(), [](const Playing& p) { return p.hold; });
}

void SoundScheduler::Request(const SoundRequest& r, uint32_t nowMs) {
  Advance(nowMs);
  if (Holding() || !waiting_.empty()) {
    if (r.mode == SoundMode::AsyncNoInterrupt || waiting_.size() >= kMaxWaiting) return;
    waiting_.push_back(r);
    return;
  }
  Start(r, nowMs);
}

void SoundScheduler::Advance(uint32_t nowMs) {
  std::erase_if(playing_, [nowMs](const Playing& p) { return static_cast<int32_t>(nowMs - p.endMs) >= 0; });
  while (!Holding() && !waiting_.empty()) {
    const SoundRequest next = waiting_.front();
    waiting_.pop_front();
    Start(next, nowMs);
  }
}

void SoundScheduler::ApplyToggles(bool soundOff, bool voiceOff, uint32_t nowMs) {
  if (soundOff) {
    StopWhere([](const Playing&) { return true; });
    waiting_.clear();
    return;
  }
  if (voiceOff) {
    StopWhere([](const Playing& p) { return p.voice; });
    std::erase_if(waiting_, [](const SoundRequest& r) { return r.voice; });
    Advance(nowMs);  // a silenced call may have been holding the line
  }
}

void SoundScheduler::StopWhere(bool (*pick)(const Playing&)) {
  for (const Playing& p : playing_) {
    if (pick(p)) out_.Stop(p.key);
  }
  std::erase_if(playing_, pick);
}

void SoundScheduler::Start(const SoundRequest& r, uint32_t nowMs) {
  const int key = ClipKey(r);
  switch (r.mode) {
    case SoundMode::AsyncNoInterrupt:
      if (std::any_of(playing_.begin(), playing_.end(), [](const Playing& p) { return p.noInterrupt; })) return;
      break;
    case SoundMode::AsyncStopOthers:
      if (IsPlaying(key)) return;
      StopWhere([](const Playing&) { return true; });
      break;
    case SoundMode::Beep:
      if (IsPlaying(key)) return;
      break;
    case SoundMode::Async:
    case SoundMode::Sync:
    case SoundMode::File:
      break;
  }
  Launch(r, nowMs);
}

void SoundScheduler::Launch(const SoundRequest& r, uint32_t nowMs) {
  const int key = ClipKey(r);
  if (IsPlaying(key)) {  // one effect per clip: a repeat starts it over
    out_.Stop(key);
    std::erase_if(playing_, [key](const Playing& p) { return p.key == key; });
  }
  const auto d = durations_.find(key);
  const int ms = d == durations_.end() ? 0 : d->second;
  if (ms <= 0) return;  // missing or empty clip: nothing to play
  out_.Start(key);
  playing_.push_back({key, nowMs + static_cast<uint32_t>(ms), r.voice, r.mode == SoundMode::AsyncNoInterrupt,
                      r.mode == SoundMode::Sync});
}
