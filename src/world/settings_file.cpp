#include "world/settings_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "state/activity.h"
#include "state/pages.h"
#include "state/world.h"
#include "world/sim_speed.h"

namespace {

bool IsBoatType(int32_t t) { return (t >= 1 && t <= 15) && t != 3 && t != 5 && t != 8; }
bool IsActivityMode(int32_t a) { return a >= Activity::kFreeSailing && a <= Activity::kWindwardLeewardRace && a != 9; }
bool IsFlag(int32_t v) { return v == 0 || v == 1; }
bool IsDesignLength(int32_t v) {
  return v == 0 || v == 20 || v == 25 || v == 30 || v == 35 || v == 40 || v == 50;
}
bool IsDesignDisplacement(int32_t v) { return v == 0 || (v >= 8 && v <= 11); }
bool IsDesignSailArea(int32_t v) { return v == 0 || (v >= 9 && v <= 11); }
bool IsDesignRig(int32_t v) { return v == 0 || v == 80 || v == 100; }
bool IsHullClass(int32_t v) { return v >= 1 && v <= 10; }
bool IsSimSpeed(int32_t v) { return v >= 1 && v <= 15; }
bool IsSailingArea(int32_t v) { return v >= 1 && v <= 4; }
// A helm sign of 0 would leave the boat unsteerable in the classes that keep the user's choice.
bool IsHelmSign(int32_t v) { return v == -1 || v == 1; }
bool IsWindSetting(int32_t v) { return v >= 0 && v <= 4; }
bool IsDifficulty(int32_t v) { return v >= 1 && v <= 15; }
bool IsSkillTotal(int32_t v) { return v >= 0 && v <= 16 * 200; }
bool IsScore(int32_t v) { return v >= 0 && v <= 200; }
// The course of the just-start race depends on the activity: checked after the table.
bool CheckedWithTheActivity(int32_t) { return true; }

constexpr int32_t kBuiltIn = INT32_MIN;  // fall back to the value a fresh world holds

// One field of the file: where it lives in the world (an option, or a BestScores slot), which
// values a load keeps, and what replaces any other value.
struct SettingsField {
  int32_t OptionGlobals::*option;
  int scoreSlot;
  bool (*valid)(int32_t);
  int32_t fallback;
};

constexpr SettingsField Option(int32_t OptionGlobals::*option, bool (*valid)(int32_t),
                               int32_t fallback = kBuiltIn) {
  return {option, -1, valid, fallback};
}
constexpr SettingsField Score(int slot) { return {nullptr, slot, IsScore, 0}; }

// The file, in order. Out-of-range values would index the boat, activity and speed tables
// out of bounds later: each goes back to its fallback.
constexpr std::array<SettingsField, kSettingsFieldCount> kFields = {
    Option(&OptionGlobals::BoatType, IsBoatType),
    Option(&OptionGlobals::DesignLength, IsDesignLength),
    Option(&OptionGlobals::DesignDisplacement, IsDesignDisplacement),
    Option(&OptionGlobals::DesignSailArea, IsDesignSailArea),
    Option(&OptionGlobals::DesignRig, IsDesignRig),
    Option(&OptionGlobals::HullClass, IsHullClass),
    Option(&OptionGlobals::ActivityMode, IsActivityMode),
    Option(&OptionGlobals::BigFleet, IsFlag),
    Option(&OptionGlobals::SimSpeed, IsSimSpeed),
    Option(&OptionGlobals::CurrentOn, IsFlag),
    Option(&OptionGlobals::SailingArea, IsSailingArea),
    Option(&OptionGlobals::HelmSign, IsHelmSign, -1),  // unset (0) in a fresh world
    Option(&OptionGlobals::JustStartCourseUpDown, CheckedWithTheActivity),
    Option(&OptionGlobals::WindSetting, IsWindSetting, 2),
    Option(&OptionGlobals::AutopilotOff, IsFlag),
    Option(&OptionGlobals::MainAutoTrimOff, IsFlag),
    Option(&OptionGlobals::Difficulty, IsDifficulty),
    Option(&OptionGlobals::VerticalSteeringZone, IsFlag),
    Option(&OptionGlobals::ButtonHelpShown, IsFlag),
    Option(&OptionGlobals::SailingSkillTotal, IsSkillTotal),
    Option(&OptionGlobals::RacingSkillTotal, IsSkillTotal),
    // The ten BestScores slots the file keeps (fields 21..30).
    Score(0), Score(2), Score(3), Score(4), Score(5), Score(7), Score(12), Score(13), Score(14),
    Score(15),
    Option(&OptionGlobals::UsePreviousScore, IsFlag),
    Option(&OptionGlobals::SoundOff, IsFlag),
    Option(&OptionGlobals::VoiceOff, IsFlag),
    Option(&OptionGlobals::IsOffshoreCatamaran, IsFlag),
    // Added later: older files end before it.
    Option(&OptionGlobals::FitToWindow, IsFlag),
};

bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; a folder that cannot be opened only loses that guarantee.
void SyncFolderOf(const std::string& path) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = std::filesystem::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

int32_t& At(OptionGlobals& o, const SettingsField& f) {
  return f.option ? o.*f.option : o.BestScores[static_cast<std::size_t>(f.scoreSlot)];
}
int32_t At(const OptionGlobals& o, const SettingsField& f) {
  return f.option ? o.*f.option : o.BestScores[static_cast<std::size_t>(f.scoreSlot)];
}

}  // namespace

SettingsFields CollectSettings(const World& w) {
  SettingsFields f{};
  for (std::size_t k = 0; k < kFields.size(); ++k) f[k] = At(w, kFields[k]);
  return f;
}

void StoreSettings(World& w, const SettingsFields& f) {
  for (std::size_t k = 0; k < kFields.size(); ++k) At(w, kFields[k]) = f[k];
}

SettingsLoad ReadSettingsFile(World& w, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return SettingsLoad::Missing;
  unsigned char bytes[kSettingsFileBytes];
  in.read(reinterpret_cast<char*>(bytes), kSettingsFileBytes);
  const std::streamsize read = in.gcount();
  if (read < kOlderSettingsFileBytes) return SettingsLoad::Unreadable;
  SettingsFields f = CollectSettings(w);
  const int fields = static_cast<int>(read / 4);
  for (int k = 0; k < fields; ++k) {
    const unsigned char* b = bytes + 4 * k;
    const uint32_t u = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                       (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
    f[k] = static_cast<int32_t>(u);
  }
  StoreSettings(w, f);
  return SettingsLoad::Loaded;
}

bool WriteSettingsFile(const World& w, const std::string& path,
                       const std::function<void()>& beforeReplace) {
  const SettingsFields f = CollectSettings(w);
  unsigned char bytes[kSettingsFileBytes];
  for (int k = 0; k < kSettingsFieldCount; ++k) {
    const uint32_t u = static_cast<uint32_t>(f[k]);
    for (int i = 0; i < 4; ++i) bytes[4 * k + i] = static_cast<unsigned char>(u >> (8 * i));
  }
  const std::string temp = path + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  // The new contents reach the disk before the rename, so that after a crash the name
  // holds either the old file or the new one, never a short one.
  const bool written = WriteAll(fd, bytes, kSettingsFileBytes) && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !written) {
    std::remove(temp.c_str());
    return false;
  }
  if (beforeReplace) beforeReplace();
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  SyncFolderOf(path);
  return true;
}

bool SettingsFieldAccepts(int field, int32_t value) {
  return field >= 0 && field < kSettingsFieldCount && kFields[static_cast<std::size_t>(field)].valid(value);
}

int FirstRejectedSettingsField(const World& w) {
  for (std::size_t k = 0; k < kFields.size(); ++k) {
    if (!kFields[k].valid(At(w, kFields[k]))) return static_cast<int>(k);
  }
  return -1;
}

void ApplyBuiltInSettings(World& w) {
  const World fresh;
  for (const SettingsField& f : kFields) At(w, f) = At(fresh, f);
  w.BestScores = fresh.BestScores;
}

void ValidateSettings(World& w, int screenWidth) {
  const World fresh;
  for (const SettingsField& f : kFields) {
    int32_t& value = At(w, f);
    if (!f.valid(value)) value = f.fallback == kBuiltIn ? At(fresh, f) : f.fallback;
  }
  // The slots the file does not keep follow the same rule.
  for (int32_t& score : w.BestScores) {
    if (!IsScore(score)) score = 0;
  }
  if (w.UsePreviousScore == 0) w.BestScores.fill(0);

  const int32_t m = w.ActivityMode;
  if (IsLessonWithPages(m)) {
    w.InstructionPage = w.LastInstructionPage = FirstLessonPage(m);
    w.TutorialStep = 0;
  }
  w.LessonIntroPending = IsLesson(m) ? 1 : 0;

  if (IsRace(m)) {
    if (!IsFlag(w.JustStartCourseUpDown)) w.JustStartCourseUpDown = 1;
    w.LessonIntroPending = 0;
    if (w.Difficulty == 1) w.Difficulty = 7;
    if (w.WindSetting == 0) w.WindSetting = 2;
    w.BoatCount = w.BigFleet == 1 ? 10 : 4;
  } else if (!IsFlag(w.JustStartCourseUpDown)) {
    w.JustStartCourseUpDown = 0;
  }

  UpdateSimSpeedDivisor(w);
  w.SavedSimSpeed = w.SimSpeed;
  w.SavedSimSpeedDivisor = w.SimSpeedDivisor;
  w.RepaintSuspended = 0;

  if (screenWidth < 700) w.VerticalSteeringZone = 0;
}
