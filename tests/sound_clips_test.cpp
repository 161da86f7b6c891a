// The clip files: every one present, a mono 16-bit WAVE of a length that suits it; and the
// header reader on files that are not so plain.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "platform/wave_file.h"
#include "sound/sound_clips.h"

namespace {

const std::set<int> kCalls = {144, 145, 146, 151, 152, 154, 156};
const std::set<int> kGuns = {132, kShotFileKey};
const std::set<int> kNoises = {133, 134, 135, 136, 139, 141, 142, 143};  // water and sails

TEST(SoundClips, EveryClipIsAMono16BitWaveOfFittingLength) {
  for (const ClipFile& c : kClipFiles) {
    SCOPED_TRACE(c.file);
    const WaveInfo info = ReadWaveInfo(std::string(BRISAMAR_SOUND_DIR) + "/" + c.file);
    ASSERT_TRUE(info.valid);
    EXPECT_EQ((std::tuple{info.channels, info.bitsPerSample, info.sampleRate}), (std::tuple{1, 16, 22050}));
    const int ms = info.DurationMs();
    EXPECT_GT(ms, 20);
    EXPECT_TRUE(ms <= 3000 && (!kCalls.count(c.key) || ms < 2000) && (!kGuns.count(c.key) || ms < 1500) &&
                (!kNoises.count(c.key) || (ms >= 400 && ms <= 1500))) << ms;
  }
}

struct WaveWriter {
  std::string path = ::testing::TempDir() + "/brisamar_wave_test.wav";
  std::ofstream out{path, std::ios::binary};

  void Bytes(const char* s, int n) { out.write(s, n); }
  void Le(uint32_t v, int n) { for (int i = 0; i < n; ++i) out.put(static_cast<char>(v >> (8 * i))); }
  void Format(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits) {
    Bytes("fmt ", 4);
    for (auto [v, n] : {std::pair<long, int>{16, 4}, {format, 2}, {channels, 2}, {rate, 4},
                        {rate * channels * bits / 8, 4}, {channels * bits / 8, 2}, {bits, 2}}) Le(v, n);
  }
  ~WaveWriter() { std::remove(path.c_str()); }
};

TEST(WaveFile, SkipsOddSizedChunksAndCountsFramesPerChannel) {
  WaveWriter w;
  w.Bytes("RIFF\0\0\0\0WAVE", 12);  // players do not trust the zero size; neither does the reader
  w.Bytes("LIST\3\0\0\0abc\0", 12);  // padded to an even length
  w.Format(1, 2, 11025, 16);
  w.Bytes("data", 4);
  w.Le(11025 * 4, 4);  // a second of stereo
  w.out.close();
  const WaveInfo info = ReadWaveInfo(w.path);
  ASSERT_TRUE(info.valid);
  EXPECT_EQ((std::tuple{info.channels, info.frames, info.DurationMs()}), (std::tuple{2, 11025, 1000}));
}

TEST(WaveFile, RejectsWhatIsNotPcmWave) {
  EXPECT_FALSE(ReadWaveInfo("/nonexistent/brisamar.wav").valid);
  for (const bool withFormat : {true, false}) {
    WaveWriter w;
    w.Bytes("RIFF\0\0\0\0WAVE", 12);
    if (withFormat) w.Format(3, 1, 22050, 32);  // floating point samples
    w.Bytes("data\4\0\0\0", 8);                 // else samples before any format
    w.out.close();
    EXPECT_FALSE(ReadWaveInfo(w.path).valid) << withFormat;
  }
}

}  // namespace
