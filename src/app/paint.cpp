#include "app/paint.h"

#include <algorithm>

#include "app/frame_step.h"
#include "app/results_screen.h"
#include "app/polar_screen.h"
#include "app/replay_screen.h"
#include "app/title_screen.h"
#include "boat/boat_setup.h"
#include "instruction/coach.h"
#include "instruction/page_dispatcher.h"
#include "instruction/tutorial_page.h"
#include "scoring/scoring.h"
#include "sim/activity_start.h"
#include "state/activity.h"
#include "state/world.h"
#include "view2d/chart.h"

void ComputeScreenMetrics(World& w, const ScreenMetrics& screen) {
  w.ScreenBitsPerPixel = screen.bitsPerPixel;
  w.ScreenWidth = std::min(screen.width, 1280);
  w.ViewWidth = w.ScreenWidth;
  w.HalfScreenWidth = w.ScreenWidth / 2;
  w.ScreenHeight = std::min(screen.height, 768);
  w.ScaleY = w.ScreenHeight * (1.0 / 480);
  w.ScaleX = w.ScreenWidth * (1.0 / 640);
  // 30 design pixels are left for the menu bar and the status bar.
  w.ViewHeight = static_cast<int>(w.ScreenHeight - w.ScaleY * 30);
  // A window smaller than the screen (decorations, panels) must not cut off the bottom strip.
  if (screen.clientWidth > 0) w.ViewWidth = std::min(w.ViewWidth, screen.clientWidth);
  if (screen.clientHeight > 0) w.ViewHeight = std::min(w.ViewHeight, screen.clientHeight);
  w.ViewWidth = std::max(w.ViewWidth, 1);
  w.ViewHeight = std::max(w.ViewHeight, 1);
  w.ViewWidthF = w.ViewWidth;
  w.ViewHeightF = w.ViewHeight;
  w.LargeMenuFont = IsLargeMenuFont(screen) ? 1 : 0;
}

bool IsLargeMenuFont(const ScreenMetrics& screen) {
  if (screen.menuFontPixels > 0 && screen.standardMenuFontPixels > 0) {
    return screen.menuFontPixels * 19 >= screen.standardMenuFontPixels * 20;
  }
  return screen.menuBarHeight >= 20;
}

void TakeLessonWind(World& w) {
  const int step = w.TutorialStep;
  const int page = w.InstructionPage > 0 ? w.InstructionPage : w.LastInstructionPage;
  const bool own = w.ActivityMode == Activity::kTacticsLesson && step >= 2 && step <= 6;
  w.LessonWindDirection = own ? TutorialWindDirection(page, step) : -1;
}

PaintResult PaintFrame(World& w, Canvas& canvas, const ScreenMetrics& screen) {
  ComputeScreenMetrics(w, screen);
  canvas.Resize(w.ViewWidth, w.ViewHeight);
  canvas.BeginFrame();
  canvas.SetFontSizes(std::max(11, w.ViewHeight / 45 + 1), std::max(20, w.ViewHeight / 15),
                      std::max(9, w.ViewHeight / 60));

  if (w.SailingState == 0) SetUpBoatClass(w);
  if (w.SailingState == 0 && w.PolarShown == 0) DrawTitleScreen(w, canvas);
  if (w.SailingState == 1) StartActivity(w);
  if (w.ResultsShown > 0) {
    RecordResult(w);
    DrawResults(w, canvas);
  }
  if (w.ResultsShown > 0 && w.ReplayShown == 0 && w.PolarShown == 0) DrawReplayButton(w, canvas);
  if (w.ResultsShown > 0 && w.ReplayShown == 1 && w.PolarShown == 0) PaintReplayScreen(w, canvas);
  // After the user's finish the coach (Y) shows the race analysis over the results.
  if (w.ResultsShown == 1 && IsRace(w.ActivityMode) && w.CoachShown > 0 && w.ReplayShown == 0 && w.PolarShown == 0) {
    DrawCoach(w, canvas);
  }
  if (w.ResultsShown == 0 && w.SailingState == 2 && w.PolarShown == 0) {
    if (w.ChartShown == 0) {
      TakeLessonWind(w);
      StepFrame(w, canvas);
    } else {
      DrawChart(w, canvas, Rect{0, 0, w.ViewWidth, w.ViewHeight}, 0);
    }
  }
  if (w.InstructionPage > 0 && w.SailingState > 0 && w.PolarShown == 0) DrawInstructionPage(w, canvas);
  if (w.PolarShown == 1) PaintPolarScreen(w, canvas);

  PaintResult result;
  if (w.SailingState == 0 && w.PolarShown == 0) {
    result.invalidate = Rect{w.ViewWidth / 2, w.ViewHeight / 7, w.ViewWidth * 9 / 10, w.ViewHeight * 3 / 4};
  } else {
    result.invalidate = Rect{0, 0, w.ViewWidth, w.ViewHeight};
  }
  result.requestNext = w.RepaintSuspended == 0;
  return result;
}
