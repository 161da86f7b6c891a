// The sail lessons' scenes: each holds its heading, wind and automatic trims every frame, keeps
// the coach open, and the lesson ends past its last scene.
#include <gtest/gtest.h>

#include "sim/activity_setup.h"
#include "sim/exercise_rules.h"
#include "sim/sail_lesson_scenes.h"
#include "state/activity.h"
#include "state/world.h"
#include "test_world.h"

namespace {

TEST(SailLessonScenesTest, EverySceneHoldsItsSettingsEveryFrame) {
  for (int mode : {Activity::kSailTrimLesson, Activity::kSailShapeLesson}) {
    const int last = mode == Activity::kSailShapeLesson ? 9 : 8;
    EXPECT_EQ(SailLessonSceneFor(mode, 0), nullptr);
    EXPECT_EQ(SailLessonSceneFor(mode, last + 1), nullptr);
    for (int scene = 1; scene <= last; ++scene) {
      auto world = TestWorld().Sailing().Build();
      World& w = *world;
      w.ActivityMode = mode;
      w.LessonChoice = scene;
      w.LessonIntroPending = 1;
      SetUpActivity(w);
      const SailLessonScene& s = *SailLessonSceneFor(mode, scene);
      // The user's hand (or the boat's turning) moves what the scene holds; the next frame puts it back.
      w.BoatHeadings[1] = s.heading + 40;
      w.WindSpeed = 3;
      w.MainAutoTrimActive = s.mainAuto ? 0 : 1;
      w.JibAutoTrimActive = s.jibAuto ? 0 : 1;
      w.SpinnakerFlying[1] = s.spinnaker ? 0 : 1;
      ApplyExerciseRules(w);
      EXPECT_EQ(w.BoatHeadings[1], s.heading) << mode << "/" << scene;
      EXPECT_EQ(w.WindSpeed, s.windSpeed) << mode << "/" << scene;
      EXPECT_EQ(w.MainAutoTrimActive, s.mainAuto ? 1 : 0) << mode << "/" << scene;
      EXPECT_EQ(w.JibAutoTrimActive, s.jibAuto ? 1 : 0) << mode << "/" << scene;
      EXPECT_EQ(w.SpinnakerFlying[1], s.spinnaker ? 1 : 0) << mode << "/" << scene;
      EXPECT_EQ(w.CoachShown, 1) << mode << "/" << scene;
      EXPECT_EQ(w.ResultsShown, 0);
    }
  }
}

TEST(SailLessonScenesTest, SetUpLeavesSomethingToCorrect) {
  auto world = TestWorld().Sailing().Build();
  World& w = *world;
  w.ActivityMode = Activity::kSailTrimLesson;
  w.LessonChoice = 1;
  SetUpActivity(w);
  EXPECT_EQ(w.Vang, 1);
  w.ActivityMode = Activity::kSailShapeLesson;
  w.LessonChoice = 4;
  SetUpActivity(w);
  EXPECT_EQ(w.JibLuff, 3);
  EXPECT_EQ(w.BarberHauler, 3);
}

TEST(SailLessonScenesTest, TheLessonEndsPastItsLastScene) {
  for (auto [mode, last] : {std::pair{Activity::kSailTrimLesson, 8}, {Activity::kSailShapeLesson, 9}}) {
    auto world = TestWorld().Sailing().Build();
    World& w = *world;
    w.ActivityMode = mode;
    w.LessonChoice = last;
    ApplyExerciseRules(w);
    EXPECT_EQ(w.ResultsShown, 0);
    w.LessonChoice = last + 1;
    ApplyExerciseRules(w);
    EXPECT_EQ(w.ResultsShown, 1);
    EXPECT_EQ(w.CoachShown, 0);
  }
  // Before the first scene the coach stays closed.
  auto world = TestWorld().Sailing().Build();
  World& w = *world;
  w.ActivityMode = Activity::kSailTrimLesson;
  w.LessonChoice = 0;
  ApplyExerciseRules(w);
  EXPECT_EQ(w.CoachShown, 0);
}

}  // namespace
