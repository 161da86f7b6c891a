#include "app/frame_step.h"

#include <algorithm>

#include "app/panel.h"
#include "app/sheet_bar_drawing.h"
#include "app/steering_strip.h"
#include "input/control_buttons.h"
#include "instruction/coach.h"
#include "app/title_screen.h"
#include "sim/frame_advance.h"
#include "sim/frame_counts.h"
#include "sim/steering.h"
#include "state/activity.h"
#include "state/world.h"
#include "view2d/mini_view.h"
#include "view3d/scene.h"
#include "world/sim_speed.h"

namespace {
// The parts of the frame below the scene change little from one frame to the next: the canvas
// draws again only what changed in them.
enum RetainedPart { kPanelPart, kStripPart, kMiniViewPart };
}  // namespace

void LayOutFrame(World& w) {
  const bool narrowLargeFont = w.ViewWidth < 900 && w.LargeMenuFont == 1;
  w.SceneHeight = static_cast<int>(w.ViewHeightF * (narrowLargeFont ? 0.61 : 0.64));
  const int m = w.ActivityMode;
  const bool fullHeight = IsLessonWithPages(m) || (w.InstructionPage >= 100 && w.InstructionPage <= 111);
  w.SceneBottom = fullHeight ? static_cast<int>(w.ViewHeightF * 0.99) : w.SceneHeight;
  if (w.VerticalSteeringZone == 1) {
    w.PanelLeft = static_cast<int>(w.ViewWidthF * 0.36);
    w.MiniViewWidth = static_cast<int>(w.ViewWidthF * 0.29);
  } else {
    w.PanelLeft = w.MiniViewWidth = w.ViewWidth / 3;
  }
  if (IsSailLesson(m)) w.PanelLeft = 0;
}

int MinimumFrameMs(const World& w) {
  int ms = MinFrameMsFor(w.SimSpeed);
  if (w.ActivityMode == Activity::kCollisionAvoidance) ms = std::max(ms, 100);
  return ms;
}

void StepFrame(World& w, Canvas& canvas) {
  w.FrameStartTick = NowMs(w);

  AdvanceWorld(w);

  // Drawing reads the world and changes only what the paint works out. What a drawn part of the
  // frame shows that the world keeps (a count, a pick) is a step of its own, run just before
  // the part is drawn: the panel, the strip and the 2D view here, the user boat's pitch in the
  // scene.
  LayOutFrame(w);
  const Rect scene{0, 0, w.ViewWidth, w.SceneBottom};
  ComposeScene(w, canvas, scene);
  // Without a panel to hold it, the button help line goes over the scene, inside its clip.
  if (!HelpLineInPanel(w)) {
    canvas.SetClip(scene);
    DrawButtonHelpLine(w, canvas);
    canvas.ClearClip();
  }
  // In the rules lessons the scene reaches down over the strip the panel would take.
  if (w.SceneBottom <= w.SceneHeight) {
    UpdatePanelReadings(w);
    CountAnalysisFrames(w);
    canvas.BeginRetained(kPanelPart);
    DrawDataPanel(w, canvas);
    canvas.EndRetained();
    UpdateDrawnSteeringZone(w);
    canvas.BeginRetained(kStripPart);
    DrawSteeringZone(w, canvas);
    canvas.EndRetained();
  }
  if (!w.LessonIntroPending) CountSwimmerSightFrames(w);
  canvas.BeginRetained(kMiniViewPart);
  DrawBottomLeftView(w, canvas);
  canvas.EndRetained();
  DrawSheetBars(w, canvas);
  if (w.CoachShown > 0) {
    TakeCoachButtonClick(w);
    DrawCoach(w, canvas);
    if (CoachShowsOptions(w)) OptionsSummary(w, canvas, CoachOptionRowY(w));
  }
  w.MinFrameMs = MinimumFrameMs(w);
}
