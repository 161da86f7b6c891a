// The user's options, the boat type with its class and design, and the kept best scores.
#pragma once

#include <array>
#include <cstdint>

struct OptionGlobals {
  // --- Activity ---------------------------------------------------------------------------
  int32_t ActivityMode = 1;
  int32_t SailingArea = 1;  // 1 coast, 2 islands, 3 lake, 4 river
  int32_t JustStartCourseUpDown = 0;
  int32_t BigFleet = 0;

  // --- Boat type and class ----------------------------------------------------------------
  int32_t BoatType = 12;
  int32_t HullClass = 6;
  int32_t IsOptimist = 0;
  int32_t IsCatamaran = 0;
  int32_t IsSkiff = 0;
  int32_t IsSportboat = 0;
  int32_t IsScow = 0;
  int32_t IsOffshoreCatamaran = 0;
  int32_t ScaleLength = 25;
  int32_t DesignLength = 0;
  int32_t DesignDisplacement = 0;
  int32_t DesignSailArea = 0;
  int32_t DesignRig = 0;

  // --- Options ----------------------------------------------------------------------------
  int32_t Difficulty = 7;
  int32_t WindSetting = 3;  // 0 steady without shifts, 1 light, 2 moderate, 3 strong
  int32_t CurrentOn = 0;
  int32_t SimSpeed = 9;
  int32_t SimSpeedDivisor = 139;
  int32_t SavedSimSpeed = 9;
  int32_t SavedSimSpeedDivisor = 139;
  int32_t HelmSign = 0;  // -1 tiller, +1 wheel; set by the boat-class set-up
  int32_t VerticalSteeringZone = 0;
  int32_t AutopilotOff = 0;
  int32_t MainAutoTrimOff = 0;
  int32_t UsePreviousScore = 0;
  int32_t Monochrome = 0;
  int32_t SimpleGraphics = 0;
  int32_t SoundOff = 0;
  int32_t VoiceOff = 0;
  int32_t ButtonHelpShown = 1;
  int32_t FitToWindow = 1;  // the window scales the frame to fill its client area

  // --- Scores -----------------------------------------------------------------------------
  int32_t SailingSkillTotal = 0;
  int32_t RacingSkillTotal = 0;
  std::array<int32_t, 16> BestScores{};
};
