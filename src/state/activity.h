// The activities and the tests the rest of the program makes on them.
#pragma once

#include <cstdint>

namespace Activity {
constexpr int32_t kFreeSailing = 0;
constexpr int32_t kSteering = 1;
constexpr int32_t kSailTrimLesson = 2;
constexpr int32_t kUpwind = 3;
constexpr int32_t kMooring = 4;
constexpr int32_t kDocking = 5;
constexpr int32_t kManOverboard = 6;
constexpr int32_t kTrafficRulesLesson = 7;
constexpr int32_t kCollisionAvoidance = 8;
// 9 is not used.
constexpr int32_t kRacingRulesLesson = 10;
constexpr int32_t kSailShapeLesson = 11;
constexpr int32_t kTacticsLesson = 12;
constexpr int32_t kJustStartRace = 13;  // no countdown; the course from JustStartCourseUpDown
constexpr int32_t kTriangleRace = 14;
constexpr int32_t kWindwardLeewardRace = 15;
}  // namespace Activity

constexpr bool IsFreeSailing(int32_t mode) { return mode < Activity::kSteering; }
constexpr bool IsRace(int32_t mode) { return mode > Activity::kTacticsLesson; }
// The two races that start with a countdown.
constexpr bool IsCountdownRace(int32_t mode) {
  return mode == Activity::kTriangleRace || mode == Activity::kWindwardLeewardRace;
}
// The sailing-skill exercises and lessons, 1..8.
constexpr bool IsSailingSkill(int32_t mode) {
  return mode >= Activity::kSteering && mode <= Activity::kCollisionAvoidance;
}
constexpr bool IsLesson(int32_t mode) {
  return mode == Activity::kSailTrimLesson || mode == Activity::kTrafficRulesLesson ||
         mode == Activity::kRacingRulesLesson || mode == Activity::kSailShapeLesson ||
         mode == Activity::kTacticsLesson;
}
// The lessons whose introduction is a set of tutorial pages.
constexpr bool IsLessonWithPages(int32_t mode) {
  return mode == Activity::kTrafficRulesLesson || mode == Activity::kRacingRulesLesson ||
         mode == Activity::kTacticsLesson;
}
// The two sail lessons, which lay the frame out without the 2D view.
constexpr bool IsSailLesson(int32_t mode) {
  return mode == Activity::kSailTrimLesson || mode == Activity::kSailShapeLesson;
}
// The traffic-rules lesson's sailed scenes, chosen by their digit on its introduction. The
// introduction stays pending (another digit changes the scene) while the user sails them.
constexpr int32_t kTrafficSceneCount = 4;
constexpr bool IsTrafficScene(int32_t mode, int32_t lessonChoice) {
  return mode == Activity::kTrafficRulesLesson && lessonChoice >= 1 && lessonChoice <= kTrafficSceneCount;
}
// A lesson's pending introduction holds the user's helm, but for the traffic-rules scenes,
// which are sailed by hand while it stays on.
constexpr bool IntroHoldsTheHelm(int32_t introPending, int32_t mode, int32_t lessonChoice) {
  return introPending != 0 && !IsTrafficScene(mode, lessonChoice);
}
