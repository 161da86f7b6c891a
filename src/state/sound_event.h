// The numbered sound events and the two spoken warnings.
#pragma once

#include <cstdint>

namespace SoundEvent {
constexpr int32_t kHundredSeconds = 0;  // the boat step, every 100 simulated seconds
constexpr int32_t kSheetIn = 1;
constexpr int32_t kSheetOut = 2;
constexpr int32_t kPitch = 3;           // the bow drops into a wave
constexpr int32_t kFastWater = 5;       // at or above the reference speed
constexpr int32_t kLuffing = 6;         // main backwinded 16..60 %
constexpr int32_t kFlogging = 7;        // main backwinded over 60 %
constexpr int32_t kPenalty = 9;
constexpr int32_t kGybeBoom = 10;
constexpr int32_t kWater = 11;          // between half and the reference speed
constexpr int32_t kTackCommand = 12;
constexpr int32_t kGoal = 13;
constexpr int32_t kApproach = 14;
constexpr int32_t kControlRelease = 15;
constexpr int32_t kCapsize = 16;
constexpr int32_t kStartSignal = 17;
constexpr int32_t kFirstFinish = 18;    // also the end of an exercise
constexpr int32_t kLaterFinish = 19;
constexpr int32_t kGybeCall = 20;
constexpr int32_t kTackCall = 21;
}  // namespace SoundEvent

namespace Advice {
constexpr int32_t kPortGivesWay = 1;
constexpr int32_t kWindwardKeepsClear = 2;
}  // namespace Advice
