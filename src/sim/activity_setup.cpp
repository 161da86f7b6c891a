#include "sim/activity_setup.h"
#include "sim/sail_lesson_scenes.h"
#include "sim/traffic_scenes.h"

#include <array>
#include <cmath>

#include "boat/boat_family.h"
#include "boat/boat_setup.h"
#include "race/race_start.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/hull_class.h"
#include "state/pages.h"
#include "state/world.h"
#include "world/vessels.h"

namespace {

constexpr int kKeep = -1;           // the activity leaves the value as it is
constexpr int kRandomQuadrant = 0;  // the land to the north or to the south, 51 : 49

enum Trim : unsigned { kTrimMain = 1, kTrimJib = 2, kTrimSpinnaker = 4, kTrimGuy = 8 };

enum class TrimRule {
  Set,          // exactly the listed automatic trims; the main only without MainAutoTrimOff
  Keep,         // the lesson step decides
  MainOffOnly,  // races: the main's automatic trim goes off with MainAutoTrimOff
};

enum class HeadingRule { Fixed, PlusRandom100, MeanWindMinus50 };

struct ActivityRow {
  int mode;
  int cameraDistance;  // kKeep: unchanged
  int shoreQuadrant;   // kKeep, kRandomQuadrant, 1 or 3
  int ownHeading;
  HeadingRule headingRule;
  int boatCount;       // kKeep: unchanged
  TrimRule trimRule;
  unsigned trims;
  double mainSheet;    // below -3: unchanged
  int jibSheet;        // kKeep: unchanged
  int firstPage;       // kKeep: unchanged
  bool pageOnlyBeforeFirstStep;
  int targetCount;
  std::array<IntPoint, 4> targets;
};

constexpr double kSheetKept = -100;

constexpr std::array<ActivityRow, 13> kActivities{{
    {Activity::kFreeSailing, 2, kRandomQuadrant, 265, HeadingRule::Fixed, 1, TrimRule::Set,
     kTrimMain | kTrimJib | kTrimSpinnaker | kTrimGuy, kSheetKept, kKeep, 10, false, 0, {}},
    {Activity::kSteering, 2, kRandomQuadrant, 265, HeadingRule::Fixed, 1, TrimRule::Set, kTrimMain | kTrimJib, kSheetKept,
     kKeep, 1, false, 2, {{{-1500, -35}, {-1500, 35}}}},
    {Activity::kSailTrimLesson, 2, 3, 270, HeadingRule::Fixed, 1, TrimRule::Keep, 0, kSheetKept, kKeep, 2, true, 0, {}},
    {Activity::kUpwind, 1, 3, 220, HeadingRule::Fixed, 1, TrimRule::Set, kTrimMain, kSheetKept, kKeep, 3, false, 2,
     {{{-1500, -50}, {-1500, 50}}}},
    {Activity::kMooring, 2, kRandomQuadrant, 280, HeadingRule::Fixed, 1, TrimRule::Set, 0, 45, kKeep, 4, false, 1, {{{0, 0}}}},
    {Activity::kDocking, kKeep, kRandomQuadrant, 270, HeadingRule::Fixed, 1, TrimRule::Set, 0, 47, 24, 5, false, 4,
     {{{-300, -35}, {-300, 35}, {-370, 35}, {-370, -35}}}},
    {Activity::kManOverboard, kKeep, kRandomQuadrant, 220, HeadingRule::PlusRandom100, 1, TrimRule::Set, kTrimMain | kTrimJib,
     kSheetKept, kKeep, 6, false, 1, {{{3000, 3000}}}},
    {Activity::kTrafficRulesLesson, 3, 3, 0, HeadingRule::Fixed, 2, TrimRule::Set, kTrimMain | kTrimJib, kSheetKept, kKeep, kKeep, false,
     0, {}},
    {Activity::kCollisionAvoidance, kKeep, 1, 270, HeadingRule::Fixed, 4, TrimRule::Set, kTrimMain | kTrimJib, 47, 24, 8, false, 2,
     {{{-3500, -50}, {-3500, 50}}}},
    {Activity::kSailShapeLesson, 2, kKeep, 330, HeadingRule::Fixed, 1, TrimRule::Set, kTrimMain | kTrimJib | kTrimSpinnaker,
     kSheetKept, kKeep, 11, true, 0, {}},
    {Activity::kJustStartRace, kKeep, kKeep, 0, HeadingRule::MeanWindMinus50, kKeep, TrimRule::Set, kTrimMain | kTrimJib,
     kSheetKept, kKeep, 13, false, 0, {}},
    {Activity::kTriangleRace, kKeep, kKeep, 0, HeadingRule::Fixed, kKeep, TrimRule::MainOffOnly, 0, kSheetKept, kKeep, 13, false,
     0, {}},
    {Activity::kWindwardLeewardRace, kKeep, kKeep, 0, HeadingRule::Fixed, kKeep, TrimRule::MainOffOnly, 0, kSheetKept, kKeep, 13, false,
     0, {}},
}};

const ActivityRow* FindActivity(int mode) {
  for (const ActivityRow& row : kActivities) {
    if (row.mode == mode) return &row;
  }
  return nullptr;
}

void ResetCommonState(World& w) {
  w.PickedBearing = w.PreviousPickedBearing = -1;  // no vessel picked in the new activity
  w.SpinnakerCollapse = 0;
  w.SpinnakerMistrim = 0;
  w.CrewForeAft = 0;
  if (w.ActivityMode != Activity::kFreeSailing) w.SailingArea = 1;
  if (!IsRace(w.ActivityMode) && w.ActivityMode != Activity::kUpwind) {
    w.AutopilotOff = 0;
    w.MainAutoTrimOff = 0;
  }
  if (w.ActivityMode != Activity::kSailTrimLesson) w.ChordLinesShown = 0;

  w.TotalFrames = w.CloseHauledFrames = w.LiftedFrames = w.BadAirFrames = 0;
  w.SceneShiftX = 0;
  w.CoachShown = 0;

  if (w.ActivityMode == Activity::kRacingRulesLesson) {
    w.LessonIntroPending = 1;
    w.InstructionPage = w.LastInstructionPage = FirstLessonPage(w.ActivityMode);
    w.TutorialStep = 0;
  }
  SetMaxHeel(w);

  if (IsLessonWithPages(w.ActivityMode)) w.WindSetting = 0;
  if (w.LessonIntroPending) {
    w.CurrentOn = 0;
    w.WindDirection = 0;
    w.SpinnakerSetCommand = 0;
  }

  w.BoatHeadings[1] = 0;
  w.OwnHeading = 0;
  w.ResultsShown = 0;
  w.OverboardSeconds = -300;
  w.MaxHeadingError = 0;
  w.HelmUsed = 0;
  w.CommandedTackUsed = 0;
  w.CloseHauledCommandUsed = 0;
  w.DockingSpeedTenths = 0;
  if (w.ScaleLength > 0) w.TimeScale = std::sqrt(15.0 / w.ScaleLength);

  if (IsCountdownRace(w.ActivityMode)) {
    w.SimTime = -170.5;
    w.SimSeconds = w.ActivityStartSeconds = -170;
  } else {
    w.SimTime = 0;
    w.SimSeconds = w.ActivityStartSeconds = 0;
  }

  // Every slot, not only the boats of the new activity: a boat that joins later (the
  // second boat of the navigation-rules lesson) must not carry the last activity's speed.
  for (int b = 1; b <= kMaxBoats; ++b) {
    w.BoatSpeeds[b] = 0;
    w.BoatSpeedTenths[b] = 0;
    w.HeelAngles[b] = 0;
    w.TackInProgress[b] = 0;
    w.SpeedOverride[b] = -1;
  }
  w.Grounded = 0;
  w.AutoManoeuvre = 0;
  w.HoldCloseHauled = 0;
  w.BearAwayCommand = 0;
  w.GybeCommand = 0;
  w.HoldDownwindCourse = 0;
}

void ApplyTrims(World& w, const ActivityRow& row) {
  switch (row.trimRule) {
    case TrimRule::Keep:
      break;
    case TrimRule::MainOffOnly:
      if (w.MainAutoTrimOff == 1) w.MainAutoTrimActive = 0;
      break;
    case TrimRule::Set:
      w.MainAutoTrimActive = (row.trims & kTrimMain) && w.MainAutoTrimOff != 1 ? 1 : 0;
      w.JibAutoTrimActive = (row.trims & kTrimJib) ? 1 : 0;
      w.SpinnakerAutoTrimActive = (row.trims & kTrimSpinnaker) ? 1 : 0;
      w.GuyAutoTrimActive = (row.trims & kTrimGuy) ? 1 : 0;
      break;
  }
  if (row.mainSheet >= -3) w.MainSheet = row.mainSheet;
  if (row.jibSheet != kKeep) w.JibSheet = row.jibSheet;
}

void SetSceneObject(World& w, int i, double x, double y, int kind) {
  w.SceneObjectX[i] = x;
  w.SceneObjectY[i] = y;
  w.SceneObjectKind[i] = kind;
}

// The gate (a buoy and a boat), the mooring buoy and the swimmer as scene objects 6 and 7.
void PlaceExerciseObjects(World& w) {
  const int m = w.ActivityMode;
  if (m == Activity::kSteering || m == Activity::kUpwind || m == Activity::kCollisionAvoidance) {
    SetSceneObject(w, 6, w.TargetX[1], w.TargetY[1], kSceneKindBuoy);
    SetSceneObject(w, 7, w.TargetX[2], w.TargetY[2], kSceneKindCommitteeBoat);
  } else if (m == Activity::kMooring) {
    SetSceneObject(w, 6, w.TargetX[1], w.TargetY[1], kSceneKindBuoy);
  } else if (m == Activity::kManOverboard) {
    SetSceneObject(w, 6, w.TargetX[1], w.TargetY[1], kSceneKindPerson);
  }
}

void ApplyActivityRow(World& w, const ActivityRow& row) {
  if (row.cameraDistance != kKeep) w.CameraDistance = row.cameraDistance;
  if (row.shoreQuadrant == kRandomQuadrant) {
    w.ShoreQuadrant = RandomBelow(w, 100) < 51 ? 3 : 1;
  } else if (row.shoreQuadrant != kKeep) {
    w.ShoreQuadrant = row.shoreQuadrant;
  }
  switch (row.headingRule) {
    case HeadingRule::Fixed:
      w.OwnHeading = row.ownHeading;
      break;
    case HeadingRule::PlusRandom100:
      w.OwnHeading = row.ownHeading + RandomBelow(w, 100);
      break;
    case HeadingRule::MeanWindMinus50:
      w.OwnHeading = NormalizeDegrees(w.MeanWindDirection - 50);
      break;
  }
  for (int t = 0; t < row.targetCount; ++t) {
    w.TargetX[t + 1] = row.targets[t].x;
    w.TargetY[t + 1] = row.targets[t].y;
  }
  if (row.boatCount != kKeep) w.BoatCount = row.boatCount;
  ApplyTrims(w, row);
  if (row.firstPage != kKeep && (!row.pageOnlyBeforeFirstStep || w.LessonChoice == 0)) {
    w.InstructionPage = row.firstPage;
  }
}

void ChangeBoatType(World& w, int boatType) {
  w.BoatType = boatType;
  SetUpBoatClass(w);
}

void ApplyActivityRules(World& w) {
  const int m = w.ActivityMode;
  if (m == Activity::kFreeSailing || m == Activity::kSteering || m == Activity::kUpwind ||
      m == Activity::kCollisionAvoidance) {
    w.BoatX[1] = 0;
    w.BoatY[1] = 0;
  } else if (m == Activity::kMooring) {
    w.BoatX[1] = 15;
    w.BoatY[1] = 0;
  }

  if (m == Activity::kMooring) {
    if (w.HullClass == Hull::kSingleHander) {
      w.SkipperHike = 0;
    } else {
      w.SkipperHike = -1;
      w.Crew1Hike = 1;
    }
  }
  if (m == Activity::kManOverboard) {
    if (w.HullClass == Hull::kSingleHander) {
      w.HullClass = Hull::kTwoPerson;
      w.IsOptimist = 0;
    }
    w.SkipperHike = w.Crew1Hike = w.Crew2Hike = 1;
    w.OverboardSeconds = 10 + RandomBelow(w, 10);
  }
  if (m == Activity::kMooring || m == Activity::kManOverboard) w.MiniViewZoom = 4;

  if (m == Activity::kTrafficRulesLesson || m == Activity::kCollisionAvoidance) ChangeBoatType(w, 9);
  if (m == Activity::kCollisionAvoidance) {
    SetUpVessels(w);
    w.SceneryObjectCount = 0;
  }

  if (m == Activity::kSailShapeLesson) {
    if (w.BoatType < 6 || w.IsSkiff) {
      ChangeBoatType(w, 6);
    } else if (w.BoatType == 9) {
      ChangeBoatType(w, 14);
    } else if (w.BoatType == 10) {
      ChangeBoatType(w, 12);
    } else {
      SetUpBoatClass(w);
    }
    w.ChordLinesShown = 1;
    w.Difficulty = 1;
    w.WindSetting = 0;
    w.BoatTack[1] = 1;
    w.HoldCloseHauled = 1;
  }
  if (IsSailLesson(m)) w.SceneShiftX = -w.ViewWidth / 5;
  if (m == Activity::kTrafficRulesLesson) {
    w.SceneShiftX = -w.ViewWidth / 3;
    SetUpTrafficScene(w);
  }

  if (m == Activity::kSailTrimLesson) {
    ChangeBoatType(w, w.LessonChoice < 5 ? 2 : (w.LessonChoice < 8 ? 12 : 14));
    w.HelmSign = -1;
  }

  if (IsRace(m)) SetUpRace(w);
  if (m == Activity::kJustStartRace) {
    const int heading = NormalizeDegrees(w.MeanWindDirection - 50);
    w.OwnHeading = heading;
    for (int b = 1; b <= w.BoatCount; ++b) {
      w.BoatTack[b] = 1;
      w.BoatHeadings[b] = heading;
      w.BoatSpeeds[b] = 40;
      w.BoatSpeedTenths[b] = 40;
    }
  }
  if (IsRace(m)) w.HoldCloseHauled = w.AutopilotOff == 1 ? 0 : 1;

  if (IsSailLesson(m)) SetUpSailLessonScene(w);
  // A lesson that changed the boat heels to the limit of the boat it now sails.
  SetMaxHeel(w);
  PlaceExerciseObjects(w);
}

// Clouds and the low line of hills on the horizon of the sailing view.
void SetUpDistantBackground(World& w) {
  for (int i = 0; i < 7; ++i) {
    w.CloudAzimuth[i] = 50 * i - 50 + RandomBelow(w, 20);
    w.CloudRow[i] = RandomBelow(w, 15) + 3;
    w.CloudWidth[i] = RandomBelow(w, 40) + 20;
  }
  static constexpr std::array<int, 5> kHillAzimuths{-135, -115, -82, -70, -55};
  for (int i = 0; i < 5; ++i) {
    w.HorizonHillAzimuth[i] = w.ShoreQuadrant * 90 + kHillAzimuths[i];
    const bool outer = i == 0 || i == 4;
    w.HorizonHillHeight[i] = outer ? RandomBelow(w, 8) + 1 : RandomBelow(w, 14) + 3;
  }
}

void SetUpCommonTail(World& w) {
  if (w.ShoreQuadrant == 1) {
    w.ShoreOffset = -3500;
    w.ShoreSign = 1;
  } else {
    w.ShoreOffset = 3700;
    w.ShoreSign = -1;
  }
  if (w.SailingArea == 3) w.ShoreOffset = static_cast<int>(w.ShoreOffset * 0.88);
  if (w.SailingArea == 4) w.ShoreOffset = static_cast<int>(w.ShoreOffset * 0.52);

  SetUpDistantBackground(w);

  for (int b = 1; b <= w.BoatCount && b <= kMaxBoats; ++b) {
    w.WakeX[b].fill(w.BoatX[b]);
    w.WakeY[b].fill(w.BoatY[b]);
  }
}

}  // namespace

void SetMaxHeel(World& w) {
  w.MaxHeel = (IsBelowKeelClasses(w.HullClass) || w.IsSportboat) ? 15 : 23;
  if (w.IsCatamaran) w.MaxHeel = 10;
  if (w.IsScow) w.MaxHeel = 18;
}

void SetUpActivity(World& w) {
  ResetCommonState(w);
  if (const ActivityRow* row = FindActivity(w.ActivityMode)) ApplyActivityRow(w, *row);
  ApplyActivityRules(w);
  w.BoatHeadings[1] = NormalizeDegrees(static_cast<int>(w.OwnHeading));
  SetUpCommonTail(w);
}
