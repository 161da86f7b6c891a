// Where sound requests end up. The sound events pick the clip; a sink plays or records it.
#pragma once

#include <vector>

enum class SoundMode {
  Async,             // start and return
  AsyncNoInterrupt,  // start only when no other no-interrupt clip is playing
  AsyncStopOthers,   // stop what plays, then start
  Sync,              // play to completion before anything later starts
  File,              // the named sound file, asynchronously
  Beep,              // the system beep
};

struct SoundRequest {
  int event = 0;  // sound event number, or -1 for a beep
  int clip = 0;   // sound resource id (131..162); 0 for the sound file and the beep
  SoundMode mode = SoundMode::Async;
  bool voice = false;  // a spoken call: silenced at once when voices are turned off
};

// Player keys of the two sounds that have no resource id; resource clips use their id.
constexpr int kShotFileKey = 1;
constexpr int kBeepKey = 2;

inline int ClipKey(const SoundRequest& r) {
  if (r.mode == SoundMode::File) return kShotFileKey;
  if (r.mode == SoundMode::Beep) return kBeepKey;
  return r.clip;
}

class SoundSink {
 public:
  virtual ~SoundSink() = default;
  virtual void Play(const SoundRequest& request) = 0;
};

// Keeps every request, for tests and the probe.
class RecordingSoundSink final : public SoundSink {
 public:
  void Play(const SoundRequest& request) override { requests_.push_back(request); }
  const std::vector<SoundRequest>& Requests() const { return requests_; }
  void Clear() { requests_.clear(); }

 private:
  std::vector<SoundRequest> requests_;
};
