// The sail lessons' scenes: each holds its heading, wind and automatic trims every frame, keeps
// the coach open, and the lesson ends past its last scene.
#include <gtest/gtest.h>

#include <memory>

#include "sim/activity_setup.h"
#include "sim/exercise_rules.h"
#include "sim/sail_lesson_scenes.h"
#include "state/activity.h"
#include "state/world.h"
#include "test_world.h"

namespace {

std::unique_ptr<World> Lesson(int mode, int scene) {
  auto w = TestWorld().Sailing().Build();
  w->ActivityMode = mode;
  w->LessonChoice = scene;
  return w;
}

TEST(SailLessonScenesTest, EverySceneHoldsItsSettingsEveryFrame) {
  for (int mode : {Activity::kSailTrimLesson, Activity::kSailShapeLesson}) {
    const int last = mode == Activity::kSailShapeLesson ? 9 : 8;
    EXPECT_EQ(SailLessonSceneFor(mode, 0), nullptr);
    EXPECT_EQ(SailLessonSceneFor(mode, last + 1), nullptr);
    for (int scene = 1; scene <= last; ++scene) {
      auto world = Lesson(mode, scene);
      World& w = *world;
      w.LessonIntroPending = 1;
      SetUpActivity(w);
      const SailLessonScene& s = *SailLessonSceneFor(mode, scene);
      // The user's hand (or the boat's turning) moves what the scene holds; the next frame puts it back.
      w.BoatHeadings[1] = s.heading + 40;
      w.WindSpeed = 3;
      w.MainAutoTrimActive = !s.mainAuto;
      w.JibAutoTrimActive = !s.jibAuto;
      w.SpinnakerFlying[1] = !s.spinnaker;
      ApplyExerciseRules(w);
      SCOPED_TRACE(testing::Message() << mode << "/" << scene);
      EXPECT_EQ(w.BoatHeadings[1], s.heading);
      EXPECT_EQ(w.WindSpeed, s.windSpeed);
      EXPECT_EQ(w.MainAutoTrimActive, s.mainAuto ? 1 : 0);
      EXPECT_EQ(w.JibAutoTrimActive, s.jibAuto ? 1 : 0);
      EXPECT_EQ(w.SpinnakerFlying[1], s.spinnaker ? 1 : 0);
      EXPECT_EQ(w.CoachShown, 1);
      EXPECT_EQ(w.ResultsShown, 0);
    }
  }
}

TEST(SailLessonScenesTest, SetUpLeavesSomethingToCorrect) {
  auto trim = Lesson(Activity::kSailTrimLesson, 1), shape = Lesson(Activity::kSailShapeLesson, 4);
  SetUpActivity(*trim);
  SetUpActivity(*shape);
  EXPECT_EQ(trim->Vang, 1);
  EXPECT_EQ(shape->JibLuff, 3);
  EXPECT_EQ(shape->BarberHauler, 3);
}

// The lesson ends past its last scene; before the first the coach stays closed.
TEST(SailLessonScenesTest, TheLessonEndsPastItsLastScene) {
  for (auto [mode, last] : {std::pair{Activity::kSailTrimLesson, 8}, {Activity::kSailShapeLesson, 9}}) {
    auto w = Lesson(mode, last);
    ApplyExerciseRules(*w);
    EXPECT_EQ(w->ResultsShown, 0);
    w->LessonChoice = last + 1;
    ApplyExerciseRules(*w);
    EXPECT_EQ(w->ResultsShown, 1);
    EXPECT_EQ(w->CoachShown, 0);
  }
  auto w = Lesson(Activity::kSailTrimLesson, 0);
  ApplyExerciseRules(*w);
  EXPECT_EQ(w->CoachShown, 0);
}

}  // namespace
