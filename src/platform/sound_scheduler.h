// When each requested clip starts and stops, apart from the device that plays it. The player
// feeds it requests and the time; it answers with starts and stops on a SoundOutput.
//
// - Clips overlap freely, except that a no-interrupt clip (the water and sail noises) does not
//   start while another no-interrupt clip plays, and the beep does not restart itself.
// - A stop-others clip stops everything playing first; asked again while it still plays (the
//   boat step asks once per frame for a whole simulated second) it carries on untouched.
// - A to-completion clip holds the line: while it plays, later requests wait in order and start
//   when it ends, except no-interrupt noises, which are dropped. Nothing blocks: time moves on
//   through Advance().
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <vector>

#include "platform/sound_sink.h"

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void Start(int key) = 0;
  virtual void Stop(int key) = 0;
};

class SoundScheduler {
 public:
  // Requests beyond this many waiting behind a to-completion clip are dropped.
  static constexpr std::size_t kMaxWaiting = 8;

  explicit SoundScheduler(SoundOutput& out) : out_(out) {}

  void SetDurationMs(int key, int ms) { durations_[key] = ms; }
  void Request(const SoundRequest& r, uint32_t nowMs);
  // Ends the clips whose time is up and starts what waited for them.
  void Advance(uint32_t nowMs);
  // Sound off stops everything and forgets what waits; voice off does so for the spoken clips.
  void ApplyToggles(bool soundOff, bool voiceOff, uint32_t nowMs);

  bool Busy() const { return !playing_.empty() || !waiting_.empty(); }
  bool IsPlaying(int key) const;

 private:
  struct Playing {
    int key;
    uint32_t endMs;
    bool voice;
    bool noInterrupt;
    bool hold;  // played to completion
  };

  void Start(const SoundRequest& r, uint32_t nowMs);
  void Launch(const SoundRequest& r, uint32_t nowMs);
  void StopWhere(bool (*pick)(const Playing&));
  bool Holding() const;

  SoundOutput& out_;
  std::map<int, int> durations_;
  std::vector<Playing> playing_;
  std::deque<SoundRequest> waiting_;
};
