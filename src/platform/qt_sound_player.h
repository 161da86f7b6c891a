// The program's sound player: every clip decoded once at start and kept in memory, played with
// low latency, scheduled by SoundScheduler on the window thread's event loop. Without an audio
// device it stays silent and says so once on standard error.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/sound_sink.h"

struct SoundToggles {
  bool soundOff = false;
  bool voiceOff = false;
};

class QtSoundPlayer final : public SoundSink {
 public:
  // `files` pairs each clip key with its file name inside `folder`. `toggles` is read while
  // sounds play, so that turning sound or voices off silences a clip already playing.
  QtSoundPlayer(const std::string& folder, const std::vector<std::pair<int, std::string>>& files,
                std::function<SoundToggles()> toggles);
  ~QtSoundPlayer() override;
  QtSoundPlayer(const QtSoundPlayer&) = delete;
  QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

  void Play(const SoundRequest& request) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
