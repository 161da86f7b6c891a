// Where sound requests end up. The sound events pick the clip; a sink plays or records it.
#pragma once

#include <vector>

enum class SoundMode {
  Async,             // start and return
  AsyncNoInterrupt,  // start only when nothing is playing
  AsyncStopOthers,   // stop what plays, then start
  Sync,              // play to completion before returning
  File,              // the named sound file, asynchronously
  Beep,              // the system beep
};

struct SoundRequest {
  int event = 0;  // sound event number, or -1 for a beep
  int clip = 0;   // sound resource id (131..162); 0 for the sound file and the beep
  SoundMode mode = SoundMode::Async;
};

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
