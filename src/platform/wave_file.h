// The format of a WAVE file, read from its header: enough to check a clip and to know how long
// it plays.
#pragma once

#include <string>

struct WaveInfo {
  bool valid = false;  // a RIFF/WAVE file with a PCM format chunk and a data chunk
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  int frames = 0;  // samples per channel

  int DurationMs() const { return sampleRate > 0 ? static_cast<int>(1000LL * frames / sampleRate) : 0; }
};

WaveInfo ReadWaveInfo(const std::string& path);
