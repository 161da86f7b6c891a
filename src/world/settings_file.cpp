#include "world/settings_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "state/world.h"
#include "world/sim_speed.h"

namespace {

// BestScores slots kept in the file, in file order (fields 22..31).
constexpr std::array<int, 10> kStoredScoreSlots = {0, 2, 3, 4, 5, 7, 12, 13, 14, 15};

bool IsBoatType(int t) { return (t >= 1 && t <= 15) && t != 3 && t != 5 && t != 8; }
bool IsActivity(int a) { return a >= 0 && a <= 15 && a != 9; }
bool IsFlag(int v) { return v == 0 || v == 1; }
bool IsDesignLength(int v) { return v == 20 || v == 25 || v == 30 || v == 35 || v == 40 || v == 50; }

void KeepIf(int32_t& field, bool valid, int32_t fallback) {
  if (!valid) field = fallback;
}

}  // namespace

SettingsFields CollectSettings(const World& w) {
  SettingsFields f{};
  f[0] = w.BoatType;
  f[1] = w.DesignLength;
  f[2] = w.DesignDisplacement;
  f[3] = w.DesignSailArea;
  f[4] = w.DesignRig;
  f[5] = w.HullClass;
  f[6] = w.ActivityMode;
  f[7] = w.BigFleet;
  f[8] = w.SimSpeed;
  f[9] = w.CurrentOn;
  f[10] = w.SailingArea;
  f[11] = w.HelmSign;
  f[12] = w.JustStartCourseUpDown;
  f[13] = w.WindSetting;
  f[14] = w.AutopilotOff;
  f[15] = w.MainAutoTrimOff;
  f[16] = w.Difficulty;
  f[17] = w.VerticalSteeringZone;
  f[18] = w.ButtonHelpShown;
  f[19] = w.SailingSkillTotal;
  f[20] = w.RacingSkillTotal;
  for (std::size_t k = 0; k < kStoredScoreSlots.size(); ++k) f[21 + k] = w.BestScores[kStoredScoreSlots[k]];
  f[31] = w.UsePreviousScore;
  f[32] = w.SoundOff;
  f[33] = w.VoiceOff;
  f[34] = w.IsOffshoreCatamaran;
  return f;
}

void StoreSettings(World& w, const SettingsFields& f) {
  w.BoatType = f[0];
  w.DesignLength = f[1];
  w.DesignDisplacement = f[2];
  w.DesignSailArea = f[3];
  w.DesignRig = f[4];
  w.HullClass = f[5];
  w.ActivityMode = f[6];
  w.BigFleet = f[7];
  w.SimSpeed = f[8];
  w.CurrentOn = f[9];
  w.SailingArea = f[10];
  w.HelmSign = f[11];
  w.JustStartCourseUpDown = f[12];
  w.WindSetting = f[13];
  w.AutopilotOff = f[14];
  w.MainAutoTrimOff = f[15];
  w.Difficulty = f[16];
  w.VerticalSteeringZone = f[17];
  w.ButtonHelpShown = f[18];
  w.SailingSkillTotal = f[19];
  w.RacingSkillTotal = f[20];
  for (std::size_t k = 0; k < kStoredScoreSlots.size(); ++k) w.BestScores[kStoredScoreSlots[k]] = f[21 + k];
  w.UsePreviousScore = f[31];
  w.SoundOff = f[32];
  w.VoiceOff = f[33];
  w.IsOffshoreCatamaran = f[34];
}

SettingsLoad ReadSettingsFile(World& w, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return SettingsLoad::Missing;
  unsigned char bytes[kSettingsFileBytes];
  in.read(reinterpret_cast<char*>(bytes), kSettingsFileBytes);
  if (in.gcount() != kSettingsFileBytes) return SettingsLoad::Unreadable;
  SettingsFields f{};
  for (int k = 0; k < kSettingsFieldCount; ++k) {
    const unsigned char* b = bytes + 4 * k;
    const uint32_t u = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                       (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
    f[k] = static_cast<int32_t>(u);
  }
  StoreSettings(w, f);
  return SettingsLoad::Loaded;
}

bool WriteSettingsFile(const World& w, const std::string& path) {
  const SettingsFields f = CollectSettings(w);
  unsigned char bytes[kSettingsFileBytes];
  for (int k = 0; k < kSettingsFieldCount; ++k) {
    const uint32_t u = static_cast<uint32_t>(f[k]);
    for (int i = 0; i < 4; ++i) bytes[4 * k + i] = static_cast<unsigned char>(u >> (8 * i));
  }
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes), kSettingsFileBytes);
    out.flush();
    if (!out) {
      out.close();
      std::remove(temp.c_str());
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

void ApplyBuiltInSettings(World& w) {
  const World fresh;
  StoreSettings(w, CollectSettings(fresh));
  w.BestScores = fresh.BestScores;
}

void ValidateSettings(World& w, int screenWidth) {
  const World fresh;
  // Out-of-range values would index the boat, activity and speed tables out of bounds later:
  // each goes back to its built-in value.
  KeepIf(w.BoatType, IsBoatType(w.BoatType), fresh.BoatType);
  KeepIf(w.DesignLength, w.DesignLength == 0 || IsDesignLength(w.DesignLength), fresh.DesignLength);
  KeepIf(w.DesignDisplacement, w.DesignDisplacement == 0 || (w.DesignDisplacement >= 8 && w.DesignDisplacement <= 11),
         fresh.DesignDisplacement);
  KeepIf(w.DesignSailArea, w.DesignSailArea == 0 || (w.DesignSailArea >= 9 && w.DesignSailArea <= 11),
         fresh.DesignSailArea);
  KeepIf(w.DesignRig, w.DesignRig == 0 || w.DesignRig == 80 || w.DesignRig == 100, fresh.DesignRig);
  KeepIf(w.HullClass, w.HullClass >= 1 && w.HullClass <= 10, fresh.HullClass);
  KeepIf(w.ActivityMode, IsActivity(w.ActivityMode), fresh.ActivityMode);
  KeepIf(w.BigFleet, IsFlag(w.BigFleet), 0);
  KeepIf(w.SimSpeed, w.SimSpeed >= 1 && w.SimSpeed <= 15, fresh.SimSpeed);
  KeepIf(w.CurrentOn, IsFlag(w.CurrentOn), 0);
  KeepIf(w.SailingArea, w.SailingArea >= 1 && w.SailingArea <= 4, fresh.SailingArea);
  // A helm sign of 0 would leave the boat unsteerable in the classes that keep the user's choice.
  KeepIf(w.HelmSign, w.HelmSign == -1 || w.HelmSign == 1, -1);
  KeepIf(w.AutopilotOff, IsFlag(w.AutopilotOff), 0);
  KeepIf(w.MainAutoTrimOff, IsFlag(w.MainAutoTrimOff), 0);
  KeepIf(w.Difficulty, w.Difficulty >= 1 && w.Difficulty <= 15, fresh.Difficulty);
  KeepIf(w.VerticalSteeringZone, IsFlag(w.VerticalSteeringZone), 0);
  KeepIf(w.ButtonHelpShown, IsFlag(w.ButtonHelpShown), fresh.ButtonHelpShown);
  KeepIf(w.SailingSkillTotal, w.SailingSkillTotal >= 0 && w.SailingSkillTotal <= 16 * 200, 0);
  KeepIf(w.RacingSkillTotal, w.RacingSkillTotal >= 0 && w.RacingSkillTotal <= 16 * 200, 0);
  KeepIf(w.UsePreviousScore, IsFlag(w.UsePreviousScore), 0);
  KeepIf(w.SoundOff, IsFlag(w.SoundOff), 0);
  KeepIf(w.VoiceOff, IsFlag(w.VoiceOff), 0);
  KeepIf(w.IsOffshoreCatamaran, IsFlag(w.IsOffshoreCatamaran), 0);

  for (int32_t& score : w.BestScores) {
    if (score > 200 || score < 0) score = 0;
  }
  if (w.UsePreviousScore == 0) w.BestScores.fill(0);

  if (w.WindSetting < 0 || w.WindSetting > 4) w.WindSetting = 2;

  switch (w.ActivityMode) {
    case 10: w.InstructionPage = w.LastInstructionPage = 101; w.TutorialStep = 0; break;
    case 7: w.InstructionPage = w.LastInstructionPage = 201; w.TutorialStep = 0; break;
    case 12: w.InstructionPage = w.LastInstructionPage = 501; w.TutorialStep = 0; break;
    default: break;
  }
  const int m = w.ActivityMode;
  w.LessonIntroPending = (m == 2 || m == 7 || m == 10 || m == 11 || m == 12) ? 1 : 0;

  if (m > 12) {
    if (w.JustStartCourseUpDown < 0 || w.JustStartCourseUpDown > 1) w.JustStartCourseUpDown = 1;
    w.LessonIntroPending = 0;
    if (w.Difficulty == 1) w.Difficulty = 7;
    if (w.WindSetting == 0) w.WindSetting = 2;
    w.BoatCount = w.BigFleet == 1 ? 10 : 4;
  } else {
    KeepIf(w.JustStartCourseUpDown, IsFlag(w.JustStartCourseUpDown), 0);
  }

  UpdateSimSpeedDivisor(w);
  w.SavedSimSpeed = w.SimSpeed;
  w.SavedSimSpeedDivisor = w.SimSpeedDivisor;
  w.RepaintSuspended = 0;

  if (screenWidth < 700) w.VerticalSteeringZone = 0;
}
