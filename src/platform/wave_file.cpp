#include "platform/wave_file.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace {

uint32_t Le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t Le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

constexpr uint16_t kPcmFormat = 1;
constexpr uint16_t kExtensibleFormat = 0xFFFE;

}  // namespace

WaveInfo ReadWaveInfo(const std::string& path) {
  WaveInfo info;
  std::ifstream in(path, std::ios::binary);
  unsigned char riff[12];
  if (!in.read(reinterpret_cast<char*>(riff), sizeof riff)) return info;
  if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) return info;

  bool haveFormat = false;
  int blockAlign = 0;
  unsigned char head[8];
  while (in.read(reinterpret_cast<char*>(head), sizeof head)) {
    const uint32_t size = Le32(head + 4);
    if (std::memcmp(head, "fmt ", 4) == 0 && size >= 16) {
      unsigned char fmt[16];
      if (!in.read(reinterpret_cast<char*>(fmt), sizeof fmt)) return info;
      const uint16_t format = Le16(fmt);
      if (format != kPcmFormat && format != kExtensibleFormat) return info;
      info.channels = Le16(fmt + 2);
      info.sampleRate = static_cast<int>(Le32(fmt + 4));
      blockAlign = Le16(fmt + 12);
      info.bitsPerSample = Le16(fmt + 14);
      haveFormat = true;
      in.seekg(size - 16 + (size & 1), std::ios::cur);
    } else if (std::memcmp(head, "data", 4) == 0) {
      if (!haveFormat || blockAlign <= 0) return info;
      info.frames = static_cast<int>(size / static_cast<uint32_t>(blockAlign));
      info.valid = true;
      return info;
    } else {
      in.seekg(size + (size & 1), std::ios::cur);  // chunks are padded to an even length
    }
  }
  return info;
}
