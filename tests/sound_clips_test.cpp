// The clip files: every one present, a mono 16-bit WAVE of a length that suits it; and the
// header reader on files that are not so plain.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>

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
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.bitsPerSample, 16);
    EXPECT_EQ(info.sampleRate, 22050);
    const int ms = info.DurationMs();
    EXPECT_GT(ms, 20);
    if (kCalls.count(c.key)) EXPECT_LT(ms, 2000);
    if (kGuns.count(c.key)) EXPECT_LT(ms, 1500);
    if (kNoises.count(c.key)) {
      EXPECT_GE(ms, 400);
      EXPECT_LE(ms, 1500);
    }
    EXPECT_LE(ms, 3000);
  }
}

struct WaveWriter {
  std::string path = ::testing::TempDir() + "/brisamar_wave_test.wav";
  std::ofstream out{path, std::ios::binary};

  void Bytes(const char* s, int n) { out.write(s, n); }
  void U32(uint32_t v) { for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i))); }
  void U16(uint16_t v) { for (int i = 0; i < 2; ++i) out.put(static_cast<char>(v >> (8 * i))); }
  void Format(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits) {
    Bytes("fmt ", 4);
    U32(16);
    U16(format);
    U16(channels);
    U32(rate);
    U32(rate * channels * bits / 8);
    U16(static_cast<uint16_t>(channels * bits / 8));
    U16(bits);
  }
  ~WaveWriter() { std::remove(path.c_str()); }
};

TEST(WaveFile, SkipsOddSizedChunksAndCountsFramesPerChannel) {
  WaveWriter w;
  w.Bytes("RIFF", 4);
  w.U32(0);  // players do not trust this size; neither does the reader
  w.Bytes("WAVE", 4);
  w.Bytes("LIST", 4);
  w.U32(3);
  w.Bytes("abc\0", 4);  // padded to an even length
  w.Format(1, 2, 11025, 16);
  w.Bytes("data", 4);
  w.U32(11025 * 4);  // a second of stereo
  w.out.close();
  const WaveInfo info = ReadWaveInfo(w.path);
  ASSERT_TRUE(info.valid);
  EXPECT_EQ(info.channels, 2);
  EXPECT_EQ(info.frames, 11025);
  EXPECT_EQ(info.DurationMs(), 1000);
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
