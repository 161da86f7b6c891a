// The settings file: its format, the round trip and what loading makes of bad values.
#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <tuple>

#include <unistd.h>

#include "app/document.h"
#include "state/world.h"
#include "world/settings_file.h"

namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("brisamar_settings_" + std::to_string(getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    path_ = (dir_ / "op.bm").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  void WriteBytes(const std::vector<unsigned char>& bytes) {
    std::ofstream(path_, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  void WriteFields(const SettingsFields& f) {
    std::vector<unsigned char> bytes;
    for (int32_t v : f) {
      for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(static_cast<uint32_t>(v) >> (8 * i)));
    }
    WriteBytes(bytes);
  }
  // A world as the document builds it from the file.
  World Load(int screenWidth = 1280) {
    World w;
    ConstructDocument(w, DocumentOptions{.settingsPath = path_, .seed = 1, .screenWidth = screenWidth, .screenHeight = 768});
    return w;
  }
  // Valid values, neighbouring flags unlike, so that swapped fields show: an offshore racer,
  // upwind sailing, slot scores 121 to 130 kept.
  static SettingsFields ValidFields() {
    return {14,  30,  9,   11,  100, 7,   3,   1,   12,  0,   3, 1, 0, 1, 0, 1, 9, 0,
            1,   350, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 1, 0, 1, 0, 0};
  }

  fs::path dir_;
  std::string path_;
};

// The round trip keeps every field (ValidFields has unlike neighbours, so a swapped or
// misencoded field shows, the read side being pinned by the hand-written files below); a save
// that fails, or is killed before its new contents replace the old file, leaves the old one whole.
TEST_F(SettingsFileTest, SaveRoundTripsAndAFailedOrKilledSaveKeepsTheOldFile) {
  World original, other;
  StoreSettings(original, ValidFields());
  other.BoatType = 1;
  ASSERT_TRUE(WriteSettingsFile(original, path_));
  EXPECT_EQ(CollectSettings(Load()), CollectSettings(original));
  EXPECT_FALSE(fs::exists(path_ + ".tmp"));
  fs::create_directory(path_ + ".tmp");  // a directory where the temporary file would go
  EXPECT_FALSE(WriteSettingsFile(other, path_));
  fs::remove(path_ + ".tmp");
  EXPECT_EQ(Load().BoatType, 14);
  EXPECT_FALSE(WriteSettingsFile(original, (dir_ / "no_such_dir" / "op.bm").string()));
  EXPECT_EXIT(WriteSettingsFile(other, path_, [] { std::raise(SIGKILL); }), ::testing::KilledBySignal(SIGKILL), "");
  EXPECT_EQ(fs::file_size(path_ + ".tmp"), static_cast<uintmax_t>(kSettingsFileBytes));
  EXPECT_EQ(CollectSettings(Load()), CollectSettings(original));
  ASSERT_TRUE(WriteSettingsFile(other, path_));  // over the leftover temporary file
  EXPECT_EQ(Load().BoatType, 1);
  EXPECT_FALSE(fs::exists(path_ + ".tmp"));
}

// A file written before the fit option existed (140 bytes) loads every field it has and the
// fit at its default, on (the user's choice in a newer file: round trip; a bad one: RangeEdges).
TEST_F(SettingsFileTest, OlderFileWithoutTheFitOptionLoadsWithTheDefault) {
  WriteFields(ValidFields());  // fit off
  std::filesystem::resize_file(path_, 140);
  World older = Load();
  EXPECT_EQ(older.FitToWindow, 1);
  SettingsFields expected = ValidFields();
  expected[35] = 1;
  EXPECT_EQ(CollectSettings(older), expected);
  // A file cut inside the older fields is still unreadable: every field takes its built-in.
  std::filesystem::resize_file(path_, 139);
  EXPECT_EQ(Load().BoatType, World{}.BoatType);
  // Bytes beyond the last field are ignored.
  WriteFields(ValidFields());
  std::ofstream(path_, std::ios::binary | std::ios::app).write("\x05\x06\x07\x08", 4);
  EXPECT_EQ(CollectSettings(Load()), ValidFields());
}

// A missing or short file gives the built-in values, a garbage file valid ones.
TEST_F(SettingsFileTest, MissingShortOrGarbageFilesLoadValidValues) {
  SettingsFields builtIn = CollectSettings(World{});
  builtIn[11] = -1;  // the helm's sense, unset in a fresh world, is validated to the tiller's
  EXPECT_EQ(CollectSettings(Load()), builtIn);
  WriteBytes({1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(CollectSettings(Load()), builtIn);
  EXPECT_EQ(Load().SimSpeedDivisor, 139);

  std::mt19937 gen(42);
  for (int round = 0; round < 50; ++round) {
    std::vector<unsigned char> bytes(140);
    for (auto& b : bytes) b = static_cast<unsigned char>(gen());
    WriteBytes(bytes);
    const World w = Load();
    EXPECT_TRUE(w.BoatType >= 1 && w.BoatType <= 15 && w.BoatType != 3 && w.BoatType != 5 && w.BoatType != 8 &&
                w.ActivityMode >= 0 && w.ActivityMode <= 15 && w.ActivityMode != 9 && w.SimSpeed >= 1 &&
                w.SimSpeed <= 15 && w.Difficulty >= 1 && w.Difficulty <= 15 && w.SailingArea >= 1 &&
                w.SailingArea <= 4 && w.WindSetting >= 0 && w.WindSetting <= 4 && w.HullClass >= 1 &&
                w.HullClass <= 10 && (w.HelmSign == -1 || w.HelmSign == 1)) << round;
    for (int32_t flag : {w.BigFleet, w.CurrentOn, w.JustStartCourseUpDown, w.AutopilotOff, w.MainAutoTrimOff,
                         w.VerticalSteeringZone, w.ButtonHelpShown, w.UsePreviousScore, w.SoundOff, w.VoiceOff,
                         w.IsOffshoreCatamaran}) {
      EXPECT_TRUE(flag == 0 || flag == 1);
    }
    for (int32_t s : w.BestScores) EXPECT_TRUE(s >= 0 && s <= 200);
    EXPECT_GT(w.SimSpeedDivisor, 0);
  }
}

// Each field's first value outside its range goes back, the last one inside stays.
TEST_F(SettingsFileTest, RangeEdgesOfTheLoadedFields) {
  struct Case { int field; int32_t value, loaded; };
  const World fresh;
  const Case cases[] = {
      {0, 3, fresh.BoatType}, {0, 15, 15}, {0, 16, fresh.BoatType}, {1, 21, 0}, {1, 50, 50}, {2, 7, 0}, {2, 11, 11},
      {3, 12, 0}, {4, 90, 0}, {5, 0, fresh.HullClass}, {5, 10, 10}, {5, 11, fresh.HullClass},
      {6, 9, fresh.ActivityMode}, {6, 16, fresh.ActivityMode}, {8, 0, fresh.SimSpeed}, {8, 15, 15},
      {8, 16, fresh.SimSpeed}, {10, 5, fresh.SailingArea}, {10, 4, 4}, {11, 0, -1}, {11, 2, -1}, {13, -1, 2},
      {13, 4, 4}, {13, 5, 2},
      {16, 16, fresh.Difficulty}, {16, 15, 15}, {19, 3200, 3200}, {19, 3201, 0}, {20, -1, 0}, {21, 200, 200},
      {21, 201, 0}, {22, 250, 0}, {30, -1, 0}, {18, 2, fresh.ButtonHelpShown}, {35, 2, 1}, {35, -1, 1},
  };
  for (const Case& c : cases) {
    SettingsFields f = ValidFields();
    f[c.field] = c.value;
    WriteFields(f);
    EXPECT_EQ(CollectSettings(Load())[c.field], c.loaded) << "field " << c.field << " = " << c.value;
  }
  // Across fields: without UsePreviousScore no best score survives; the vertical steering zone
  // needs a wide enough screen.
  SettingsFields f = ValidFields();
  std::tie(f[31], f[17]) = std::tuple{0, 1};
  WriteFields(f);
  for (int32_t s : Load().BestScores) EXPECT_EQ(s, 0);
  EXPECT_EQ(Load(1280).VerticalSteeringZone, 1);
  EXPECT_EQ(Load(640).VerticalSteeringZone, 0);
}

TEST_F(SettingsFileTest, RacesAndLessonsReopenWhereTheyWere) {
  SettingsFields f = ValidFields();
  std::tie(f[6], f[7], f[16], f[13]) = std::tuple{14, 0, 1, 0};  // triangle race, Difficulty 1, steady wind
  WriteFields(f);
  World race = Load();
  EXPECT_EQ((std::array{race.Difficulty, race.WindSetting, race.BoatCount}), (std::array{7, 2, 4}));
  f[7] = 1;  // big fleet
  WriteFields(f);
  EXPECT_EQ(Load().BoatCount, 10);
  // The racing-rules lesson reopens on its first page, the sail-trim lesson at its introduction.
  for (const auto& [mode, page] : {std::pair{10, 101}, {2, 0}}) {
    f[6] = mode;
    WriteFields(f);
    World lesson = Load();
    EXPECT_EQ((std::array{lesson.InstructionPage, lesson.LastInstructionPage, lesson.LessonIntroPending}),
              (std::array{page, mode == 10 ? 101 : lesson.LastInstructionPage, 1})) << mode;
  }
}

}  // namespace
