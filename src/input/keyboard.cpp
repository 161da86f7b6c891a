#include "input/keyboard.h"

#include <algorithm>
#include <iterator>

#include "boat/boat_family.h"
#include "input/command_actions.h"
#include "input/redraw.h"
#include "platform/key_codes.h"
#include "sim/activity_setup.h"
#include "sim/replay_play.h"
#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/pages.h"
#include "state/sound_event.h"
#include "state/world.h"
#include "world/sim_speed.h"
#include "world/weather.h"

namespace {

// The key being handled. A test that consumes it sets k to none so that no later test
// matches; a test that turns it into another key sets k to that key's code.
struct KeyState {
  int k = vk::kNone;
  KeyResult result;
};


// A lesson's set-up for the option just chosen, run at once rather than at the next paint.
void RestartActivity(World& w) {
  SetUpActivity(w);
  if (!IsRace(w.ActivityMode)) SetUpWeather(w);
}

// The polar screen takes every key while it is shown: V and space close it, and the sailing
// beneath stays as it was. V opens it.
void PolarKey(World& w, KeyState& s) {
  if (w.PolarShown == 1) {
    if (s.k == 'V' || s.k == vk::kSpace) w.PolarShown = 0;
  } else if (s.k == 'V') {
    w.PolarShown = 1;
  } else {
    return;
  }
  Redraw(w);
  s.k = vk::kNone;
}

// The replay takes the space bar (play and pause), the left and right arrows (a frame back and
// on) and the up and down arrows (faster and slower); the other keys pass, so that N still
// starts the next sailing.
void ReplayKey(World& w, KeyState& s) {
  if (w.ReplayShown != 1) return;
  if (s.k == vk::kSpace) w.ReplayPlaying = 1 - w.ReplayPlaying;
  if (s.k == vk::kLeft) StepReplay(w, -1);
  if (s.k == vk::kRight) StepReplay(w, 1);
  if (s.k == vk::kUp) SetReplaySpeed(w, w.ReplaySpeed * 2);
  if (s.k == vk::kDown) SetReplaySpeed(w, w.ReplaySpeed / 2);
  if (s.k != vk::kSpace && s.k != vk::kLeft && s.k != vk::kRight && s.k != vk::kUp && s.k != vk::kDown) return;
  Redraw(w);
  s.k = vk::kNone;
}

// 1. A digit on a lesson's introduction chooses the lesson's option.
void LessonOption(World& w, KeyState& s) {
  if (s.k < '0' || s.k > '9' || w.LessonIntroPending != 1) return;
  const int digit = s.k - '0';
  w.LessonChoice = digit;
  w.InstructionPage = 0;
  w.CoachShown = 0;
  RestartActivity(w);
  // 0 opens the lesson's explanation page. It is set after the set-up, which would
  // otherwise put the lesson's first step page over it.
  const int m = w.ActivityMode;
  if (digit == 0 && (IsSailLesson(m) || m == Activity::kTrafficRulesLesson)) w.InstructionPage = 1;
  s.k = vk::kNone;
}

// 2. / reopens the page last opened.
void ReopenPage(World& w, KeyState& s) {
  if (s.k != vk::kSlash) return;
  w.InstructionPage = w.LastInstructionPage;
  Redraw(w);
}

// 3. A on a page steps its animation; the page is drawn once and the loop stays stopped.
// The key goes on to the all-automatic toggle as well.
void StepAnimation(World& w, KeyState& s) {
  if (s.k != 'A' || w.InstructionPage < 1) return;
  w.TutorialStep += 1;
  if (w.TutorialStep > w.TutorialStepCount) w.TutorialStep = 0;
  w.RepaintSuspended = 1;
  s.result.paintOnce = true;
}

struct PageRange {
  int first, last;
};

// Turns the page by delta when it lies in one of the ranges; the racing-rules pages have no
// page 105.
bool TurnPage(World& w, KeyState& s, const PageRange (&ranges)[5], int delta) {
  for (const PageRange& r : ranges) {
    if (w.InstructionPage < r.first || w.InstructionPage > r.last) continue;
    w.InstructionPage += delta;
    if (w.InstructionPage == 105) w.InstructionPage += delta;
    w.TutorialStep = 0;
    Redraw(w);
    s.k = vk::kNone;
    return true;
  }
  return false;
}

// 4. + turns to the next page.
void NextPage(World& w, KeyState& s) {
  static constexpr PageRange kRanges[5] = {{101, 110}, {201, 204}, {501, 513}, {901, 912}, {601, 608}};
  if (s.k == vk::kPlus) TurnPage(w, s, kRanges, 1);
}

// 5. - turns to the previous page.
void PreviousPage(World& w, KeyState& s) {
  static constexpr PageRange kRanges[5] = {{102, 111}, {202, 205}, {502, 514}, {902, 913}, {602, 609}};
  if (s.k == vk::kMinus) TurnPage(w, s, kRanges, -1);
}

// 6. Page up and page down: simulator faster and slower.
void SimSpeedKeys(World& w, KeyState& s) {
  if (s.k == vk::kPageUp) {
    SimSpeedFaster(w);
    Redraw(w);
  } else if (s.k == vk::kPageDown) {
    SimSpeedSlower(w);
    Redraw(w);
  }
}

// 7. Space walks a lesson through its stages, dismisses what covers the view, starts,
// resumes, and otherwise toggles slow motion.
void SpaceBar(World& w, KeyState& s) {
  if (s.k != vk::kSpace) return;
  const int mode = w.ActivityMode;
  const bool atTitle = w.SailingState == 0;
  const bool pageShown = w.InstructionPage >= 1;
  auto consume = [&] {
    Redraw(w);
    s.k = vk::kNone;
  };
  if (IsLessonWithPages(mode) && atTitle) {
    w.SailingState = 1;
    w.TutorialStep = 0;
    w.InstructionPage = 0;
    w.ResultsShown = 0;
    consume();
    w.InstructionPage = w.LastInstructionPage = FirstLessonPage(mode);
    w.LessonIntroPending = 1;
  } else if (IsLessonWithPages(mode)) {
    s.k = 'N';
  } else if (pageShown && atTitle) {
    w.InstructionPage = 0;
    consume();
  } else if (IsSailLesson(mode) && atTitle) {
    w.LessonChoice = 0;
    w.LessonIntroPending = 1;
    w.SailingState = 1;
    RestartActivity(w);
    consume();
  } else if (IsSailLesson(mode) && w.LessonChoice == 0) {
    w.LessonChoice = 1;
    w.InstructionPage = 0;
    consume();
  } else if (pageShown) {
    w.InstructionPage = 0;
    consume();
  } else if (w.CoachShown > 0) {
    w.CoachShown = 0;
    consume();
  } else if (atTitle) {
    w.SailingState = 1;
    consume();
  } else if (w.Stopped == 1) {
    w.Stopped = 0;
    consume();
  } else if (w.ChartShown == 1) {
    w.ChartShown = 0;
    w.Stopped = 0;
    consume();
  } else if (w.SimSpeed != 1) {
    w.SavedSimSpeed = w.SimSpeed;
    w.SavedSimSpeedDivisor = w.SimSpeedDivisor;
    w.SimSpeed = 1;
    w.SimSpeedDivisor = SimSpeedDivisorFor(1);
  } else {
    w.SimSpeed = w.SavedSimSpeed;
    w.SimSpeedDivisor = w.SavedSimSpeedDivisor;
  }
}

// 8. Y: the coach.
void Coach(World& w, KeyState& s) {
  if (s.k != 'Y') return;
  w.InstructionPage = 0;
  Toggle(w.CoachShown);
  Redraw(w);
}

// 9. T: tack, unless the autopilot is off.
void TackKey(World& w, KeyState& s) {
  if (s.k == 'T' && w.AutopilotOff != 1) CommandTack(w);
}

// 10. C: close-hauled, unless the autopilot is off or in the upwind exercise.
void CloseHauledKey(World& w, KeyState& s) {
  if (s.k == 'C' && w.AutopilotOff != 1 && w.ActivityMode != Activity::kUpwind) CommandCloseHauled(w);
}

// 11. D and J: the downwind manoeuvres; they ignore AutopilotOff.
void DownwindKeys(World& w, KeyState& s) {
  if (s.k == 'D') CommandBearAway(w);
  if (s.k == 'J') CommandGybe(w);
}

// 12. F: stop toggle.
void StopKey(World& w, KeyState& s) {
  if (s.k == 'F') Toggle(w.Stopped);
}

// 13. N (or a space turned into N): back to the title screen, also from the title screen.
void NextSailingKey(World& w, KeyState& s) {
  if (s.k != 'N') return;
  w.LastInstructionPage = 0;
  NextSailing(w);
  Redraw(w);
}

// 14. X and Z: 2D view zoom.
void Zoom2dKeys(World& w, KeyState& s) {
  if (s.k == 'X') w.MiniViewZoom = std::min(w.MiniViewZoom * 2, 128);
  if (s.k == 'Z') w.MiniViewZoom = std::max(w.MiniViewZoom / 2, 2);
}

// 15. R: chart.
void ChartKey(World& w, KeyState& s) {
  if (s.k == 'R') Toggle(w.ChartShown);
}

// 16. Arrows: look direction. Unlike the menu, left and right wrap past a full turn.
void LookKeys(World& w, KeyState& s) {
  if (s.k == vk::kUp) w.LookAngle = 0;
  if (s.k == vk::kDown) w.LookAngle = 180;
  if (s.k == vk::kRight) {
    w.LookAngle -= 30;
    if (w.LookAngle < -360) w.LookAngle = 0;
  }
  if (s.k == vk::kLeft) {
    w.LookAngle += 30;
    if (w.LookAngle > 360) w.LookAngle = 0;
  }
}

// 17. H and U: transparent sails.
void TransparencyKeys(World& w, KeyState& s) {
  if (s.k == 'H') Toggle(w.MainTransparent);
  if (s.k == 'U') CycleTransparency(w);
}

// 18. I and O: 3D view zoom.
void Zoom3dKeys(World& w, KeyState& s) {
  if (s.k == 'I') w.CameraDistance = std::max(w.CameraDistance - 1, 1);
  if (s.k == 'O') w.CameraDistance = std::min(w.CameraDistance + 1, 4);
}

// 19. Period: main sheet out, with the tick.
void MainSheetOutKey(World& w, KeyState& s) {
  if (s.k != vk::kPeriod) return;
  StepMainSheet(w, 1.0);
  PlaySoundEvent(w, SoundEvent::kSheetOut);
}

// 20. Comma: main sheet in.
void MainSheetInKey(World& w, KeyState& s) {
  if (s.k != vk::kComma) return;
  StepMainSheet(w, -1.0);
  PlaySoundEvent(w, SoundEvent::kSheetIn);
}

// 21. M and L: traveller to the top or the bottom.
void TravellerKeys(World& w, KeyState& s) {
  if (s.k == 'M') w.Traveller = 0;
  if (s.k == 'L') w.Traveller = 4;
}

// 22. A: all automatic trim, except on a lesson's introduction.
void AllAutoKey(World& w, KeyState& s) {
  if (s.k == 'A' && w.LessonIntroPending == 0) ToggleAllAutoTrim(w);
}

// 23. S: all sheets out.
void AllSheetsOutKey(World& w, KeyState& s) {
  if (s.k == 'S') AllSheetsOut(w);
}

// 24. P: set or douse the spinnaker.
void SpinnakerKey(World& w, KeyState& s) {
  if (s.k == 'P' && IsSpinnakerBoat(w)) Toggle(w.SpinnakerSetCommand);
}

// 25. W: goose-wing jib.
void WingOnWingKey(World& w, KeyState& s) {
  if (s.k == 'W') Toggle(w.WingOnWing);
}

// 26. [ and ]: guy. No clamp here: the sail update keeps the guy within its limits.
void GuyKeys(World& w, KeyState& s) {
  if (s.k != vk::kLBracket && s.k != vk::kRBracket) return;
  w.GuyAngle += s.k == vk::kLBracket ? -10 : 10;
  w.GuyAutoTrimActive = 0;
}

// 27 and 28. - and +, with no page shown: the spinnaker sheet while it is set, else the jib.
void HeadsailSheet(World& w, int delta) {
  if (w.SpinnakerSetCommand != 0) {
    w.SpinnakerSheet = delta < 0 ? std::max(w.SpinnakerSheet + delta, 0) : std::min(w.SpinnakerSheet + delta, 24);
    w.SpinnakerAutoTrimActive = 0;
  } else {
    w.JibSheet = delta < 0 ? std::max(w.JibSheet + delta, 0) : std::min(w.JibSheet + delta, 24);
    w.JibAutoTrimActive = 0;
  }
}
void HeadsailInKey(World& w, KeyState& s) {
  if (s.k == vk::kMinus && w.InstructionPage == 0) HeadsailSheet(w, -1);
}
void HeadsailOutKey(World& w, KeyState& s) {
  if (s.k == vk::kPlus && w.InstructionPage == 0) HeadsailSheet(w, 1);
}

// 29. 1, 2, 3: sail power. Unlike the menu's presets the keys set the mast bend on every
// boat and leave the cruising sloop's rig as they set it.
void SailPowerKeys(World& w, KeyState& s) {
  if (s.k < '1' || s.k > '3' || w.LessonIntroPending != 0) return;
  const int preset = s.k - '0';
  const int shape = 4 - preset;  // 3 for minimum power .. 1 for maximum
  w.Outhaul = w.Cunningham = w.MastBend = w.JibLuff = shape;
  w.Forestay = preset - 1;
  w.SailPowerPreset = preset;
  if (w.IsOptimist == 1) w.SpritTension = shape;
  if (IsSmallDinghy(w.HullClass)) w.Vang = preset == 1 ? 3 : 2;
}

// 30. 5 to 8 and K: hiking.
void CrewKeys(World& w, KeyState& s) {
  const bool twoCrew = HasSecondCrew(w);
  switch (s.k) {
    case '5':
      w.SkipperHike = std::min(w.SkipperHike + 1, 2);
      break;
    case '6':
      w.SkipperHike = std::max(w.SkipperHike - 1, -2);
      break;
    case '7':
      w.Crew1Hike = std::min(w.Crew1Hike + 1, 2);
      if (twoCrew) w.Crew2Hike = std::min(w.Crew2Hike + 1, 2);
      break;
    case '8':
      w.Crew1Hike = std::max(w.Crew1Hike - 1, -2);
      if (twoCrew) w.Crew2Hike = std::max(w.Crew2Hike - 1, -2);
      break;
    case 'K':
      w.SkipperHike = w.Crew1Hike = w.Crew2Hike = 2;
      break;
    default:
      break;
  }
}

// 31. F7, F8, F9: crew forward, middle, aft -- the opposite signs of the menu items whose
// labels name these keys.
void CrewForeAftKeys(World& w, KeyState& s) {
  if (s.k == vk::kF7) w.CrewForeAft = -1;
  if (s.k == vk::kF8) w.CrewForeAft = 0;
  if (s.k == vk::kF9) w.CrewForeAft = 1;
}

using KeyTest = void (*)(World&, KeyState&);

// The tests in the order they run.
constexpr KeyTest kKeyTests[] = {
    PolarKey,        ReplayKey,
    LessonOption,    ReopenPage,     StepAnimation,   NextPage,        PreviousPage,     SimSpeedKeys,
    SpaceBar,        Coach,          TackKey,         CloseHauledKey,  DownwindKeys,     StopKey,
    NextSailingKey,  Zoom2dKeys,     ChartKey,        LookKeys,        TransparencyKeys, Zoom3dKeys,
    MainSheetOutKey, MainSheetInKey, TravellerKeys,   AllAutoKey,      AllSheetsOutKey,  SpinnakerKey,
    WingOnWingKey,   GuyKeys,        HeadsailInKey,   HeadsailOutKey,  SailPowerKeys,    CrewKeys,
    CrewForeAftKeys,
};
static_assert(std::size(kKeyTests) == 33);

}  // namespace

KeyResult KeyDown(World& w, int key) {
  KeyState s;
  s.k = key;
  for (KeyTest test : kKeyTests) test(w, s);
  return s.result;
}
