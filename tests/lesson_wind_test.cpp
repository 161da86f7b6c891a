// The tactics lesson turns the live wind to its page's wind for steps 2 to 6.
#include <gtest/gtest.h>

#include <tuple>

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
  int page = 0, step = 0;
  for (int p = Page::kFirstTactics; p <= Page::kLastTactics && page == 0; ++p) {
    for (int s = 2; s <= 6 && page == 0; ++s) {
      if (TutorialWindDirection(p, s) > 0) std::tie(page, step) = std::pair{p, s};
    }
  }
  ASSERT_NE(page, 0) << "no tactics page turns the wind";
  w->InstructionPage = page;
  for (int s = 0; s <= 7; ++s) {
    w->TutorialStep = s;
    TakeLessonWind(*w);
    UpdateWind(*w);
    const bool own = s >= 2 && s <= 6 && TutorialWindDirection(page, s) >= 0;
    EXPECT_EQ(w->WindDirection, own ? TutorialWindDirection(page, s) : w->BaseWindDirection) << s;
    EXPECT_EQ(w->MeanWindDirection, w->BaseWindDirection) << s;
  }
  // With the page closed the lesson keeps the wind of the last page it showed; another activity
  // never takes it.
  std::tie(w->TutorialStep, w->LastInstructionPage, w->InstructionPage) = std::tuple{step, page, 0};
  for (const int mode : {Activity::kTacticsLesson, Activity::kRacingRulesLesson}) {
    w->ActivityMode = mode;
    TakeLessonWind(*w);
    UpdateWind(*w);
    EXPECT_EQ(w->WindDirection, mode == Activity::kTacticsLesson ? TutorialWindDirection(page, step) : w->BaseWindDirection);
  }
}

}  // namespace
