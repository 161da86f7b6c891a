// The tactics lesson turns the live wind to its page's wind for steps 2 to 6.
#include <gtest/gtest.h>

#include "app/paint.h"
#include "instruction/tutorial_page.h"
#include "sim/frame_advance.h"
#include "state/pages.h"
#include "test_world.h"

namespace {

TEST(LessonWind, TacticsPagesTurnTheSteadyWindForStepsTwoToSix) {
  auto w = TestWorld().Activity(Activity::kTacticsLesson).Wind(12, 0).Build();
  w->WindSetting = 0;
  // A page whose wind differs from the base wind at some step 2..6.
  int page = 0;
  int step = 0;
  for (int p = Page::kFirstTactics; p <= Page::kLastTactics && page == 0; ++p) {
    for (int s = 2; s <= 6; ++s) {
      const int wind = TutorialWindDirection(p, s);
      if (wind > 0) {
        page = p;
        step = s;
        break;
      }
    }
  }
  ASSERT_NE(page, 0) << "no tactics page turns the wind";
  w->InstructionPage = page;
  for (int s : {0, 1, 2, 3, 4, 5, 6, 7}) {
    w->TutorialStep = s;
    TakeLessonWind(*w);
    UpdateWind(*w);
    const bool own = s >= 2 && s <= 6 && TutorialWindDirection(page, s) >= 0;
    EXPECT_EQ(w->WindDirection, own ? TutorialWindDirection(page, s) : w->BaseWindDirection) << s;
    EXPECT_EQ(w->MeanWindDirection, w->BaseWindDirection) << s;
  }
  w->TutorialStep = step;
  // With the page closed the lesson keeps the wind of the last page it showed.
  w->LastInstructionPage = page;
  w->InstructionPage = 0;
  TakeLessonWind(*w);
  UpdateWind(*w);
  EXPECT_EQ(w->WindDirection, TutorialWindDirection(page, step));
  // Another activity never takes it.
  w->ActivityMode = Activity::kRacingRulesLesson;
  TakeLessonWind(*w);
  UpdateWind(*w);
  EXPECT_EQ(w->WindDirection, w->BaseWindDirection);
}

}  // namespace
