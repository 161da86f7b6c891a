#include "input/mouse.h"

#include <algorithm>
#include <cstdlib>

#include "input/command_actions.h"
#include "input/redraw.h"
#include "input/sheet_bars.h"
#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/sound_event.h"
#include "state/world.h"

namespace {

// A click that no hit region contains.
constexpr int kConsumed = -100;


// The next and previous buttons of the help pages (first..last) and the glossary.
void PressPageButtons(World& w, int x, int y, int first, int last) {
  const int step = w.ViewWidth / 9;
  const int page = w.InstructionPage;
  if (w.PageButtonsY >= y || y >= w.PageButtonsY + 20) return;
  if (w.NextPageButtonX < x && x < w.NextPageButtonX + step && page >= first && page < last) {
    w.InstructionPage += 1;
    w.ClickX = kConsumed;
    Redraw(w);
  }
  if (w.InstructionPage > first && w.InstructionPage <= last && w.PrevPageButtonX < x &&
      x < w.PrevPageButtonX + step) {
    w.InstructionPage -= 1;
    w.ClickX = kConsumed;
    Redraw(w);
  }
}

}  // namespace

void MouseMove(World& w, int x, int y) {
  w.MouseX = x;
  w.MouseY = y;
}

void LeftButtonDown(World& w, int x, int y) {
  w.ClickX = x;
  w.ClickY = y;
  w.DragStartX = x;
  w.DragStartY = y;
  Redraw(w);
  // Any press resumes a stopped simulation, and still counts as a press.
  if (w.Stopped == 1) w.Stopped = 0;

  if (w.InstructionPage == 0 && PressSheetBars(w, x, y)) w.ClickX = w.ClickY = kConsumed;

  if (w.InstructionPage >= 901) PressPageButtons(w, x, y, 901, 913);
  if (w.InstructionPage >= 601 && w.InstructionPage <= 609) PressPageButtons(w, x, y, 601, 609);

  if (0 < x && x < w.ViewWidth / 3 + 2 && w.AdvanceButtonY < y && y < w.AdvanceButtonY + 20 &&
      w.InstructionPage >= 1 && w.InstructionPage < 900) {
    w.TutorialStep += 1;
    if (w.TutorialStep > w.TutorialStepCount) w.TutorialStep = 0;
    w.ClickY = 0;
    Redraw(w);
  }
  // Anything else stays latched for the buttons drawn in the next frame.
}

void LeftButtonUp(World& w, int x, int y) {
  Redraw(w);
  if (w.ActivityMode == Activity::kCollisionAvoidance) {
    // A later vessel that also lies under the pointer wins.
    for (int k = 2; k <= 4; ++k) {
      if (std::abs(x - w.VesselScreenX[k]) < 50 && std::abs(y - w.VesselScreenY[k] - 15) < 50) {
        PlaySoundEvent(w, SoundEvent::kControlRelease);
        w.BearingTarget = k;
      }
    }
  }

  // A vertical drag that began in the sailing view trims the main: one unit per hundredth of
  // the view's height, in when dragged down, out when dragged up.
  const int startX = w.DragStartX;
  const int startY = w.DragStartY;
  w.DragStartX = w.DragStartY = -1;
  if (startY < 0 || w.InstructionPage != 0) return;
  if (startX <= w.MiniViewWidth || startX >= 2 * w.ViewWidth / 3) return;
  if (startY <= w.SceneTop || startY >= w.SceneBottom) return;
  const int units = (y - startY) / std::max(w.ViewHeight / 100, 1);
  if (units == 0) return;
  StepMainSheet(w, -units);
  PlaySoundEvent(w, SoundEvent::kSheetIn);
}

void MouseWheel(World& w, int delta) {
  // One unit per message, whatever its size.
  const int notches = delta / 120;
  if (notches > 0) {
    StepMainSheet(w, 1.0);
    PlaySoundEvent(w, SoundEvent::kSheetOut);
  } else if (notches < 0) {
    StepMainSheet(w, -1.0);
    PlaySoundEvent(w, SoundEvent::kSheetIn);
  }
}
