// The pages that can cover the view (InstructionPage) and their ranges.
#pragma once

#include <cstdint>

#include "state/activity.h"

namespace Page {
constexpr int32_t kNone = 0;
constexpr int32_t kLastInstructionBox = 100;  // 1..100: an activity's instruction box
constexpr int32_t kRacingRulesBase = 100;     // 101..111: the racing-rules tutorial
constexpr int32_t kFirstRacingRules = 101;
constexpr int32_t kLastRacingRules = 111;
constexpr int32_t kTrafficRulesBase = 200;    // 201..205: the traffic-rules tutorial
constexpr int32_t kFirstTrafficRules = 201;
constexpr int32_t kLastTrafficRules = 205;
constexpr int32_t kTacticsBase = 500;         // 501..514: the tactics tutorial
constexpr int32_t kFirstTactics = 501;
constexpr int32_t kLastTactics = 514;
constexpr int32_t kFirstGlossary = 601;
constexpr int32_t kLastGlossary = 609;
constexpr int32_t kFirstHelp = 901;
constexpr int32_t kLastHelp = 913;
}  // namespace Page

constexpr bool IsInstructionBox(int32_t page) { return page >= 1 && page <= Page::kLastInstructionBox; }
constexpr bool IsTutorialPage(int32_t page) { return page > Page::kLastInstructionBox; }

// The page a lesson with pages opens on; 0 for any other activity.
constexpr int32_t FirstLessonPage(int32_t mode) {
  switch (mode) {
    case Activity::kTrafficRulesLesson: return Page::kFirstTrafficRules;
    case Activity::kRacingRulesLesson: return Page::kFirstRacingRules;
    case Activity::kTacticsLesson: return Page::kFirstTactics;
    default: return Page::kNone;
  }
}
