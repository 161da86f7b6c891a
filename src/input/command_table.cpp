#include "input/command_table.h"

#include <algorithm>
#include <unordered_map>

#include "boat/boat_family.h"
#include "boat/boat_setup.h"
#include "input/command_actions.h"
#include "sim/replay_play.h"
#include "state/activity.h"
#include "state/hull_class.h"
#include "state/pages.h"
#include "state/world.h"
#include "world/sim_speed.h"

namespace {

using W = World;

// --- Update-rule tests ---------------------------------------------------------------------

bool Always(const W&, int) { return true; }
bool AtTitle(const W& w, int) { return w.SailingState == 0; }
bool Sailing(const W& w, int) { return w.SailingState >= 1; }
bool SailingWithAutopilot(const W& w, int) { return w.SailingState >= 1 && w.AutopilotOff != 1; }
bool CloseHauledAllowed(const W& w, int a) {
  return SailingWithAutopilot(w, a) && w.ActivityMode != Activity::kUpwind;
}
bool CentreboardBoat(const W& w, int) { return HasCentreboard(w.HullClass); }
bool CentreboardIs(const W& w, int a) { return CentreboardBoat(w, a) && w.CentreboardUp == a; }
bool StoppedOn(const W& w, int) { return w.Stopped == 1; }
bool MonochromeOn(const W& w, int) { return w.Monochrome == 1; }
bool SimpleGraphicsOn(const W& w, int) { return w.SimpleGraphics == 1; }
bool SoundOffOn(const W& w, int) { return w.SoundOff == 1; }
bool SoundOn(const W& w, int) { return w.SoundOff == 0; }
bool VoiceOffOn(const W& w, int) { return w.VoiceOff == 1; }
bool FitToWindowOn(const W& w, int) { return w.FitToWindow == 1; }

// Boat types.
bool AtTitleNotOverboard(const W& w, int) { return w.SailingState == 0 && w.ActivityMode != Activity::kManOverboard; }
bool SingleHanderChecked(const W& w, int) { return w.HullClass == Hull::kSingleHander && w.IsOptimist == 0; }
bool OptimistChecked(const W& w, int) { return w.HullClass == Hull::kSingleHander && w.IsOptimist == 1; }
bool TwoManChecked(const W& w, int) { return w.HullClass == Hull::kTwoPerson; }
bool SpinnakerDinghyChecked(const W& w, int) { return w.HullClass == Hull::kSpinnakerDinghy && w.IsSkiff == 0; }
bool CatamaranChecked(const W& w, int) { return w.HullClass == Hull::kCatamaran && w.IsOptimist == 0; }
bool SkiffChecked(const W& w, int) { return w.IsSkiff == 1; }
bool ScowChecked(const W& w, int) { return w.IsScow == 1; }
bool KeelboatChecked(const W& w, int) {
  return w.HullClass == Hull::kKeelboat && w.IsSportboat == 0 && w.IsScow == 0;
}
bool BoatTypeIs(const W& w, int a) { return w.BoatType == a; }
bool OffshoreRacerChecked(const W& w, int) { return w.HullClass == Hull::kOffshoreRacer && w.IsSportboat == 0; }
bool CruisingSloopChecked(const W& w, int) { return w.HullClass == Hull::kCruiser; }

// Options.
bool DesignAllowed(const W& w, int) {
  return w.SailingState == 0 && w.BoatType >= 8 && w.BoatType != 10 && w.IsSportboat == 0 &&
         w.IsOffshoreCatamaran == 0 && w.IsScow == 0;
}
bool WheelAllowed(const W& w, int) {
  return w.SailingState == 0 && w.HullClass >= Hull::kCruiser && w.HullClass != Hull::kKeelboat &&
         w.HullClass != Hull::kCatamaran;
}
bool WheelOn(const W& w, int) { return w.HelmSign == 1; }
bool DifficultyAllowed(const W& w, int) { return w.SailingState == 0 && w.LessonIntroPending == 0; }
bool DifficultyIs(const W& w, int a) { return w.Difficulty == a; }
bool AreaChecked(const W& w, int a) { return w.SailingArea == a && w.ActivityMode == Activity::kFreeSailing; }
bool ModeIs(const W& w, int a) { return w.ActivityMode == a; }
// Race rows carry mode * 10 + course (0 triangle, 1 windward-leeward); only the two
// just-start races tell their courses apart by the check mark.
constexpr int RaceRow(int mode, int course) { return mode * 10 + course; }
bool RaceChecked(const W& w, int a) {
  return w.ActivityMode == a / 10 && (a / 10 != Activity::kJustStartRace || w.JustStartCourseUpDown == a % 10);
}
bool BigFleetOn(const W& w, int) { return w.BigFleet == 1; }
bool WindSettingIs(const W& w, int a) { return w.WindSetting == a; }
bool CurrentOnChecked(const W& w, int) { return w.CurrentOn == 1; }
bool VerticalZoneAllowed(const W& w, int) { return w.SailingState == 0 && w.ViewWidth > 700; }
bool VerticalZoneOn(const W& w, int) { return w.VerticalSteeringZone == 1; }
bool HandicapOptionAllowed(const W& w, int) {
  return w.SimSeconds <= 0 && (IsRace(w.ActivityMode) || w.ActivityMode == Activity::kUpwind);
}
bool AutopilotOffOn(const W& w, int) { return w.AutopilotOff == 1; }
bool MainAutoTrimOffOn(const W& w, int) { return w.MainAutoTrimOff == 1; }
bool PreviousScoreOn(const W& w, int) { return w.UsePreviousScore == 1; }
bool SimSpeedIs(const W& w, int a) { return w.SimSpeed == a; }

// View.
bool LookAngleIs(const W& w, int a) { return w.LookAngle == a; }
bool MainTransparentOn(const W& w, int) { return w.MainTransparent == 1; }
bool AllTransparentOn(const W& w, int) { return w.MainTransparent == 1 && w.AllSailsTransparent == 1; }
bool ChordLinesOn(const W& w, int) { return w.ChordLinesShown == 1; }
bool LaylinesOn(const W& w, int) { return w.LaylinesShown == 1; }
bool PolarOn(const W& w, int) { return w.PolarShown == 1; }
bool ReplayOn(const W& w, int) { return w.ReplayShown == 1; }
bool ReplayAllowed(const W& w, int) { return w.ReplayShown == 1 || (w.ResultsShown > 0 && ReplayAvailable(w)); }
bool SailingNoChart(const W& w, int) { return w.SailingState >= 1 && w.ChartShown == 0; }

// Main and rig.
bool MainAutoAllowed(const W& w, int) { return w.MainAutoTrimOff != 1; }
bool MainAutoOn(const W& w, int) { return w.MainAutoTrimActive == 1; }
bool CunninghamIs(const W& w, int a) { return w.Cunningham == a; }
bool OuthaulIs(const W& w, int a) { return w.Outhaul == a; }
bool NotCatamaran(const W& w, int) { return w.IsCatamaran == 0; }
bool VangChecked(const W& w, int a) { return w.IsCatamaran == 0 && w.Vang == a; }
bool SpritAllowed(const W& w, int) { return w.SailingState >= 1 && w.IsOptimist == 1; }
bool SpritChecked(const W& w, int a) { return w.IsOptimist == 1 && w.SpritTension == a; }
bool ReefAllowed(const W& w, int) { return w.HullClass >= Hull::kCruiser && w.HullClass != Hull::kCatamaran; }
bool ReefChecked(const W& w, int a) { return ReefAllowed(w, a) && w.Reefed > 0; }
bool TravellerAllowed(const W& w, int) { return w.HasTraveller == 1; }
bool TravellerIs(const W& w, int a) { return w.Traveller == a; }
bool BendableRig(const W& w, int) { return w.HullClass == Hull::kKeelboat || w.HullClass == Hull::kOffshoreRacer; }
bool MastBendIs(const W& w, int a) { return w.MastBend == a; }
bool ForestayIs(const W& w, int a) { return w.Forestay == a; }
bool AllAutoOn(const W& w, int) {
  return w.MainAutoTrimActive == 1 && w.JibAutoTrimActive == 1 && w.SpinnakerAutoTrimActive == 1 &&
         w.GuyAutoTrimActive == 1;
}
bool AllSheetsOutChecked(const W& w, int) {
  return w.MainSheet == 47.0 && w.JibSheet == 24 && w.SpinnakerSheet == 24;
}
bool PresetAllowed(const W& w, int) { return w.ActivityMode != Activity::kSailShapeLesson; }
bool PresetIs(const W& w, int a) { return w.SailPowerPreset == a; }

// Jib and spinnaker.
bool JibBoat(const W& w, int) { return HasJib(w); }
bool JibSizeAllowed(const W& w, int) { return w.HullClass == Hull::kCruiser || w.HullClass == Hull::kOffshoreRacer; }
bool JibSizeChecked(const W& w, int a) { return JibSizeAllowed(w, a) && w.JibSize == a; }
bool JibLuffIs(const W& w, int a) { return w.JibLuff == a; }
bool JibLeadAllowed(const W& w, int) {
  return w.HullClass == Hull::kSpinnakerDinghy || w.HullClass == Hull::kKeelboat || w.HullClass == Hull::kOffshoreRacer ||
         w.HullClass == Hull::kCatamaran;
}
bool JibLeadIs(const W& w, int a) { return w.JibLead == a; }
bool BarberHaulerIs(const W& w, int a) { return w.BarberHauler == a; }
bool FurlingAllowed(const W& w, int) { return w.HasFurlingJib == 1; }
bool FurlChecked(const W& w, int a) { return w.HasFurlingJib == 1 && w.JibFurl == a; }
bool SpinnakerBoat(const W& w, int) { return IsSpinnakerBoat(w); }
bool PoleBoat(const W& w, int) { return IsPoleBoat(w); }
bool SpinnakerSetIs(const W& w, int a) { return w.SpinnakerSetCommand == a; }
bool SpinnakerAutoOn(const W& w, int) { return w.SpinnakerAutoTrimActive == 1; }
bool GuyAutoOn(const W& w, int) { return w.GuyAutoTrimActive == 1; }
bool PoleHeightIs(const W& w, int a) { return w.PoleHeight == a; }

// Crew.
bool CrewBoat(const W& w, int) { return IsCrewBoat(w); }
bool AllHikedOut(const W& w, int) { return w.SkipperHike == 2 && w.Crew1Hike == 2 && w.Crew2Hike == 2; }
bool CrewForeAftIs(const W& w, int a) { return w.CrewForeAft == a; }

// Rules, help, coach.
bool TrafficRulesLesson(const W& w, int) { return w.ActivityMode == Activity::kTrafficRulesLesson; }
bool RacingRulesLesson(const W& w, int) { return w.ActivityMode == Activity::kRacingRulesLesson; }
bool RulesLesson(const W& w, int a) { return TrafficRulesLesson(w, a) || RacingRulesLesson(w, a); }
bool CoachAllowed(const W& w, int) { return w.SailingState >= 1 && w.LessonIntroPending == 0; }
bool ButtonHelpOn(const W& w, int) { return w.ButtonHelpShown == 1; }
bool HoldingDownwind(const W& w, int) { return w.HoldDownwindCourse == 1; }

// --- Handlers ------------------------------------------------------------------------------

void StartSailing(W& w, int) { w.SailingState = 1; }
void CloseHauled(W& w, int) { CommandCloseHauled(w); }
void Tack(W& w, int) { CommandTack(w); }
void BearAway(W& w, int) { CommandBearAway(w); }
void Gybe(W& w, int) { CommandGybe(w); }
void SetCentreboard(W& w, int a) { w.CentreboardUp = a; }
void ToggleStopped(W& w, int) { Toggle(w.Stopped); }
void ToggleMonochrome(W& w, int) { Toggle(w.Monochrome); }
void ToggleSimpleGraphics(W& w, int) { Toggle(w.SimpleGraphics); }
void ToggleSoundOff(W& w, int) { Toggle(w.SoundOff); }
void ToggleVoiceOff(W& w, int) { Toggle(w.VoiceOff); }
void GoToTitle(W& w, int) { NextSailing(w); }

// Boat types: the boat set-up derives the rest at the next paint; these set what the check
// marks read on the title screen at once.
void SetBoatType(W& w, int a) { w.BoatType = a; }
void ChooseCatamaran(W& w, int a) {
  w.BoatType = a;
  w.HullClass = a == 11 ? Hull::kOffshoreCatamaran : Hull::kCatamaran;
  w.IsCatamaran = 1;
  w.IsOptimist = w.IsSkiff = 0;
}
void ChooseSkiff(W& w, int) {
  w.BoatType = 7;
  w.HullClass = Hull::kSpinnakerDinghy;
  w.IsSkiff = 1;
  w.IsOptimist = w.IsCatamaran = 0;
}
void ChooseScow(W& w, int) {
  w.BoatType = 15;
  w.IsScow = 1;
}
void ChooseKeelboat(W& w, int) {
  w.BoatType = 12;
  w.IsScow = 0;
}
void ChooseSportboat(W& w, int) {
  w.BoatType = 13;
  w.IsSportboat = 1;
}
void ChooseCruisingSloop(W& w, int) {
  w.BoatType = 9;
  w.HelmSign = 1;
}

void OpenDesignDialog(W& w, int) { w.RepaintSuspended = 1; }
void FlipHelm(W& w, int) { w.HelmSign = -w.HelmSign; }
void SetDifficulty(W& w, int a) { w.Difficulty = a; }
void ChooseArea(W& w, int a) {
  w.SailingArea = a;
  w.ActivityMode = Activity::kFreeSailing;
  w.LessonIntroPending = 0;
  w.InstructionPage = 0;
}

// Activities: each row's arg is its mode; the further values follow the mode.
void ChooseActivity(W& w, int mode) {
  w.ActivityMode = mode;
  switch (mode) {
    case Activity::kSailTrimLesson:
    case Activity::kSailShapeLesson:
      w.LessonIntroPending = 1;
      w.LessonChoice = 0;
      break;
    case Activity::kTrafficRulesLesson:
      w.LessonIntroPending = 1;
      w.InstructionPage = FirstLessonPage(mode);
      break;
    case Activity::kRacingRulesLesson:
    case Activity::kTacticsLesson:
      w.LessonIntroPending = 1;
      w.InstructionPage = FirstLessonPage(mode);
      w.TutorialStep = 0;
      break;
    case Activity::kCollisionAvoidance:
      // Collision avoidance is sailed in the cruising sloop.
      w.LessonIntroPending = 0;
      w.InstructionPage = 0;
      w.BoatType = 9;
      SetUpBoatClass(w);
      break;
    case Activity::kSteering:
      w.LessonIntroPending = 0;
      break;
    default:
      w.LessonIntroPending = 0;
      w.InstructionPage = 0;
      break;
  }
}
void ChooseRace(W& w, int a) {
  w.ActivityMode = a / 10;
  w.JustStartCourseUpDown = a % 10;
  w.LessonIntroPending = 0;
  w.InstructionPage = 0;
  if (w.Difficulty == 1) w.Difficulty = 7;
  if (w.WindSetting == 0) w.WindSetting = 2;
  w.BoatCount = w.BigFleet > 0 ? 10 : 4;
}
void ToggleBigFleet(W& w, int) {
  Toggle(w.BigFleet);
  w.BoatCount = w.BigFleet == 1 ? 10 : 4;
}
void SetWind(W& w, int a) {
  w.WindSetting = a;
  if (a > 0 && w.Difficulty == 1) w.Difficulty = 2;
}
void ToggleCurrent(W& w, int) { Toggle(w.CurrentOn); }
void ToggleVerticalZone(W& w, int) { Toggle(w.VerticalSteeringZone); }
void ToggleAutopilotOff(W& w, int) { Toggle(w.AutopilotOff); }
void ToggleMainAutoTrimOff(W& w, int) { Toggle(w.MainAutoTrimOff); }
void TogglePreviousScore(W& w, int) { Toggle(w.UsePreviousScore); }

void SetSimSpeed(W& w, int a) {
  w.SimSpeed = a;
  UpdateSimSpeedDivisor(w);
}
void Faster(W& w, int) { SimSpeedFaster(w); }
void Slower(W& w, int) { SimSpeedSlower(w); }

void ZoomIn3d(W& w, int) { w.CameraDistance = std::max(w.CameraDistance - 1, 1); }
void ZoomOut3d(W& w, int) { w.CameraDistance = std::min(w.CameraDistance + 1, 4); }
void SetLookAngle(W& w, int a) { w.LookAngle = a; }
void TurnLook(W& w, int a) { w.LookAngle += a; }
void ToggleChart(W& w, int) { Toggle(w.ChartShown); }
void ToggleMainTransparent(W& w, int) { Toggle(w.MainTransparent); }
void CycleTransparent(W& w, int) { CycleTransparency(w); }
void ToggleChordLines(W& w, int) { Toggle(w.ChordLinesShown); }
void ToggleLaylines(W& w, int) { Toggle(w.LaylinesShown); }
void ZoomIn2d(W& w, int) { w.MiniViewZoom = std::max(w.MiniViewZoom / 2, 2); }
void ZoomOut2d(W& w, int) { w.MiniViewZoom = std::min(w.MiniViewZoom * 2, 128); }
void TogglePolar(W& w, int) { Toggle(w.PolarShown); }
void ToggleReplay(W& w, int) {
  if (w.ReplayShown == 1) {
    CloseReplay(w);
  } else {
    OpenReplay(w);
  }
}

void MainSheetStep(W& w, int a) { StepMainSheet(w, a); }
void ToggleMainAuto(W& w, int) { Toggle(w.MainAutoTrimActive); }
void SetCunningham(W& w, int a) {
  w.Cunningham = a;
  w.SailPowerPreset = 0;
}
void SetOuthaul(W& w, int a) {
  w.Outhaul = a;
  w.SailPowerPreset = 0;
}
// On boats whose vang is not part of the presets, it leaves the preset's check mark alone.
void SetVang(W& w, int a) {
  w.Vang = a;
  if (w.VangOutsidePreset == 0) w.SailPowerPreset = 0;
}
void SetSprit(W& w, int a) {
  w.SpritTension = a;
  w.SailPowerPreset = 0;
}
void ToggleReef(W& w, int) { Toggle(w.Reefed); }
void SetTraveller(W& w, int a) { w.Traveller = a; }
void SetMastBend(W& w, int a) {
  w.MastBend = a;
  w.SailPowerPreset = 0;
}
void SetForestay(W& w, int a) {
  w.Forestay = a;
  w.SailPowerPreset = 0;
}
void AllAuto(W& w, int) { ToggleAllAutoTrim(w); }
void SheetsOut(W& w, int) { AllSheetsOut(w); }
void SailPower(W& w, int a) { ApplySailPowerPreset(w, a); }

void JibSheetStep(W& w, int a) {
  w.JibSheet = a < 0 ? std::max(w.JibSheet + a, 0) : std::min(w.JibSheet + a, 24);
  w.JibAutoTrimActive = 0;
}
void ToggleJibAuto(W& w, int) { Toggle(w.JibAutoTrimActive); }
void ToggleWingOnWing(W& w, int) { Toggle(w.WingOnWing); }
void SetJibSize(W& w, int a) { w.JibSize = a; }
void SetJibLuff(W& w, int a) {
  w.JibLuff = a;
  w.SailPowerPreset = 0;
}
void SetJibLead(W& w, int a) { w.JibLead = a; }
void SetBarberHauler(W& w, int a) { w.BarberHauler = a; }
void SetJibFurl(W& w, int a) { w.JibFurl = a; }

void SetSpinnaker(W& w, int a) { w.SpinnakerSetCommand = a; }
void SpinnakerSheetStep(W& w, int a) {
  w.SpinnakerSheet = a < 0 ? std::max(w.SpinnakerSheet + a, 0) : std::min(w.SpinnakerSheet + a, 24);
  w.SpinnakerAutoTrimActive = 0;
}
void SpinnakerAuto(W& w, int) { w.SpinnakerAutoTrimActive = 1; }
void GuyStep(W& w, int a) {
  w.GuyAngle = a < 0 ? std::max(w.GuyAngle + a, 5) : std::min(w.GuyAngle + a, 90);
  w.GuyAutoTrimActive = 0;
}
void ToggleGuyAuto(W& w, int) { Toggle(w.GuyAutoTrimActive); }
void SetPoleHeight(W& w, int a) { w.PoleHeight = a; }

void SkipperStep(W& w, int a) {
  w.SkipperHike = a > 0 ? std::min(w.SkipperHike + a, 2) : std::max(w.SkipperHike + a, -2);
}
void CrewStep(W& w, int a) {
  if (a > 0) {
    w.Crew1Hike = std::min(w.Crew1Hike + a, 2);
    w.Crew2Hike = std::min(w.Crew2Hike + a, 2);
  } else {
    w.Crew1Hike = std::max(w.Crew1Hike + a, -2);
    w.Crew2Hike = std::max(w.Crew2Hike + a, -2);
  }
}
void HikeOut(W& w, int) { w.SkipperHike = w.Crew1Hike = w.Crew2Hike = 2; }
void SetCrewForeAft(W& w, int a) { w.CrewForeAft = a; }

// The first four rules pages serve both rules lessons: a + 100 racing, a + 200 traffic.
void OpenRulesPage(W& w, int a) {
  const int base =
      w.ActivityMode == Activity::kTrafficRulesLesson ? Page::kTrafficRulesBase : Page::kRacingRulesBase;
  w.InstructionPage = a < Page::kRacingRulesBase ? base + a : a;
  w.TutorialStep = 0;
}
void OpenHelpPage(W& w, int a) { ToggleHelpPage(w, a); }
void ToggleCoach(W& w, int) {
  w.InstructionPage = 0;
  Toggle(w.CoachShown);
}
void ToggleButtonHelp(W& w, int) { Toggle(w.ButtonHelpShown); }
void ToggleFitToWindow(W& w, int) { Toggle(w.FitToWindow); }

// --- The table -----------------------------------------------------------------------------

using A = WindowAction;

const std::vector<Command>& Table() {
  static const std::vector<Command> table = {
      // コントロール
      {Cmd::kStartSailing, "セーリングスタート(スペースバー)", StartSailing, 0, AtTitle},
      {Cmd::kCloseHauled, "クロースホールド  &C", CloseHauled, 0, CloseHauledAllowed},
      {Cmd::kTack, "タック  &T", Tack, 0, SailingWithAutopilot},
      {Cmd::kCentreboardDown, "センターボードを下げる", SetCentreboard, 0, CentreboardBoat, CentreboardIs},
      {Cmd::kCentreboardMostlyUp, "センターボードを80%上げる", SetCentreboard, 80, CentreboardBoat, CentreboardIs},
      {Cmd::kCentreboardUp, "センターボードを上げる", SetCentreboard, 100, CentreboardBoat, CentreboardIs},
      {Cmd::kStop, "停止  &F", ToggleStopped, 0, Sailing, StoppedOn},
      {Cmd::kMonochrome, "モノクロ表示", ToggleMonochrome, 0, Always, MonochromeOn},
      {Cmd::kSimpleGraphics, "簡略グラフィック表示", ToggleSimpleGraphics, 0, Always, SimpleGraphicsOn},
      {Cmd::kSoundOff, "サウンドなし", ToggleSoundOff, 0, Always, SoundOffOn},
      {Cmd::kVoiceOff, "声なし", ToggleVoiceOff, 0, SoundOn, VoiceOffOn},
      {Cmd::kNextSailing, "次のセーリング  &N", GoToTitle, 0, Sailing},
      {Cmd::kExit, "終了  &X", nullptr, 0, nullptr, nullptr, A::Exit},

      // オプション: 艇種
      {Cmd::kSingleHander, "一人乗りディンギー", SetBoatType, 2, AtTitleNotOverboard, SingleHanderChecked},
      {Cmd::kTwoPersonDinghy, "二人乗りディンギー", SetBoatType, 4, AtTitle, TwoManChecked},
      {Cmd::kSpinnakerDinghy, "スピン付ディンギー", SetBoatType, 6, AtTitle, SpinnakerDinghyChecked},
      {Cmd::kOptimist, "OPディンギー", SetBoatType, 1, AtTitleNotOverboard, OptimistChecked},
      {Cmd::kCatamaran, "カタマラン", ChooseCatamaran, 10, AtTitle, CatamaranChecked},
      {Cmd::kSkiff, "スキフ", ChooseSkiff, 0, AtTitle, SkiffChecked},
      {Cmd::kScow, "スコー", ChooseScow, 0, AtTitle, ScowChecked},
      {Cmd::kKeelboat, "キールボート", ChooseKeelboat, 0, AtTitle, KeelboatChecked},
      {Cmd::kSportboat, "スポートボート", ChooseSportboat, 13, AtTitle, BoatTypeIs},
      {Cmd::kOffshoreRacer, "オフショアレーサー", SetBoatType, 14, AtTitle, OffshoreRacerChecked},
      {Cmd::kCruisingSloop, "クルージングスループ", ChooseCruisingSloop, 0, AtTitle, CruisingSloopChecked},
      {Cmd::kOffshoreCatamaran, "オフショアカタマラン", ChooseCatamaran, 11, AtTitle, BoatTypeIs},

      // オプション
      {Cmd::kDesign, "デザイン", OpenDesignDialog, 0, DesignAllowed, nullptr, A::DesignDialog},
      {Cmd::kWheel, "舵輪", FlipHelm, 0, WheelAllowed, WheelOn},
      {Cmd::kDifficulty1, "1", SetDifficulty, 1, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty2, "2", SetDifficulty, 2, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty3, "3", SetDifficulty, 3, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty4, "4", SetDifficulty, 4, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty5, "5", SetDifficulty, 5, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty6, "6", SetDifficulty, 6, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty7, "7", SetDifficulty, 7, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty8, "8", SetDifficulty, 8, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty9, "9", SetDifficulty, 9, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty10, "10", SetDifficulty, 10, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty11, "11", SetDifficulty, 11, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty12, "12", SetDifficulty, 12, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty13, "13", SetDifficulty, 13, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty14, "14", SetDifficulty, 14, DifficultyAllowed, DifficultyIs},
      {Cmd::kDifficulty15, "15", SetDifficulty, 15, DifficultyAllowed, DifficultyIs},
      {Cmd::kAreaCoast, "海岸沿い", ChooseArea, 1, AtTitle, AreaChecked},
      {Cmd::kAreaIslands, "島々", ChooseArea, 2, AtTitle, AreaChecked},
      {Cmd::kAreaLake, "湖", ChooseArea, 3, AtTitle, AreaChecked},
      {Cmd::kAreaRiver, "川", ChooseArea, 4, AtTitle, AreaChecked},
      {Cmd::kSteeringPractice, "操舵練習", ChooseActivity, Activity::kSteering, AtTitle, ModeIs},
      {Cmd::kSailTrimLesson, "セールトリム(シートコントロール)の教習", ChooseActivity, Activity::kSailTrimLesson, AtTitle, ModeIs},
      {Cmd::kUpwindSailing, "風上への帆走", ChooseActivity, Activity::kUpwind, AtTitle, ModeIs},
      {Cmd::kMooring, "ブイに係留", ChooseActivity, Activity::kMooring, AtTitle, ModeIs},
      {Cmd::kDocking, "桟橋に着艇", ChooseActivity, Activity::kDocking, AtTitle, ModeIs},
      {Cmd::kManOverboard, "落水救助", ChooseActivity, Activity::kManOverboard, AtTitle, ModeIs},
      {Cmd::kTrafficRulesLesson, "海上交通ルールの教習", ChooseActivity, Activity::kTrafficRulesLesson, AtTitle, ModeIs},
      {Cmd::kCollisionAvoidance, "衝突回避", ChooseActivity, Activity::kCollisionAvoidance, AtTitle, ModeIs},
      {Cmd::kRacingRulesLesson, "レース規則の教習", ChooseActivity, Activity::kRacingRulesLesson, AtTitle, ModeIs},
      {Cmd::kSailShapeLesson, "セールシェープの教習", ChooseActivity, Activity::kSailShapeLesson, AtTitle, ModeIs},
      {Cmd::kTacticsLesson, "レース戦略・戦術の教習", ChooseActivity, Activity::kTacticsLesson, AtTitle, ModeIs},
      {Cmd::kJustStartTriangleRace, "三角コースでジャストスタートでのレース", ChooseRace, RaceRow(Activity::kJustStartRace, 0), AtTitle, RaceChecked},
      {Cmd::kJustStartWindwardLeewardRace, "上下コースでジャストスタートでのレース", ChooseRace, RaceRow(Activity::kJustStartRace, 1), AtTitle, RaceChecked},
      {Cmd::kTriangleRace, "三角コースでのレース", ChooseRace, RaceRow(Activity::kTriangleRace, 0), AtTitle, RaceChecked},
      {Cmd::kWindwardLeewardRace, "上下コースでのレース", ChooseRace, RaceRow(Activity::kWindwardLeewardRace, 1), AtTitle, RaceChecked},
      {Cmd::kBigFleet, "大きなフリートレース", ToggleBigFleet, 0, AtTitle, BigFleetOn},
      {Cmd::kWindSteadyNoShifts, "順風、シフトなし", SetWind, 0, AtTitle, WindSettingIs},
      {Cmd::kWindLight, "軽風", SetWind, 1, AtTitle, WindSettingIs},
      {Cmd::kWindModerate, "順風", SetWind, 2, AtTitle, WindSettingIs},
      {Cmd::kWindStrong, "強風", SetWind, 3, AtTitle, WindSettingIs},
      {Cmd::kCurrent, "潮流", ToggleCurrent, 0, AtTitle, CurrentOnChecked},
      {Cmd::kVerticalSteeringZone, "垂直ステアリングゾーン", ToggleVerticalZone, 0, VerticalZoneAllowed, VerticalZoneOn, A::None, false},
      {Cmd::kNoAutopilot, "自動操舵なし", ToggleAutopilotOff, 0, HandicapOptionAllowed, AutopilotOffOn},
      {Cmd::kNoMainAutoTrim, "メインシート自動調節なし", ToggleMainAutoTrimOff, 0, HandicapOptionAllowed, MainAutoTrimOffOn},
      {Cmd::kUsePreviousScore, "前回のスコアを用いる", TogglePreviousScore, 0, AtTitle, PreviousScoreOn},

      // シミュレータ速度
      {Cmd::kSimSpeed1, "1  (スペースバー)", SetSimSpeed, 1, Always, SimSpeedIs},
      {Cmd::kSimSpeed2, "2", SetSimSpeed, 2, Always, SimSpeedIs},
      {Cmd::kSimSpeed3, "3", SetSimSpeed, 3, Always, SimSpeedIs},
      {Cmd::kSimSpeed4, "4", SetSimSpeed, 4, Always, SimSpeedIs},
      {Cmd::kSimSpeed5, "5", SetSimSpeed, 5, Always, SimSpeedIs},
      {Cmd::kSimSpeed6, "6", SetSimSpeed, 6, Always, SimSpeedIs},
      {Cmd::kSimSpeed7, "7", SetSimSpeed, 7, Always, SimSpeedIs},
      {Cmd::kSimSpeed8, "8", SetSimSpeed, 8, Always, SimSpeedIs},
      {Cmd::kSimSpeed9, "9", SetSimSpeed, 9, Always, SimSpeedIs},
      {Cmd::kSimSpeed10, "10", SetSimSpeed, 10, Always, SimSpeedIs},
      {Cmd::kSimSpeed11, "11", SetSimSpeed, 11, Always, SimSpeedIs},
      {Cmd::kSimSpeed12, "12", SetSimSpeed, 12, Always, SimSpeedIs},
      {Cmd::kSimSpeed13, "13", SetSimSpeed, 13, Always, SimSpeedIs},
      {Cmd::kSimSpeed14, "14", SetSimSpeed, 14, Always, SimSpeedIs},
      {Cmd::kSimSpeed15, "15  最速", SetSimSpeed, 15, Always, SimSpeedIs},
      {Cmd::kFaster, "速く  (page up)", Faster, 0, Always},
      {Cmd::kSlower, "遅く  (page dn)", Slower, 0, Always},

      // 表示
      {Cmd::kZoomIn3d, "ズームイン(3D図)  &I", ZoomIn3d, 0, Sailing},
      {Cmd::kZoomOut3d, "ズームアウト(3D図)  &O", ZoomOut3d, 0, Sailing},
      {Cmd::kLookAhead, "前を見る  ↑", SetLookAngle, 0, Sailing, LookAngleIs},
      {Cmd::kTurnLookLeft, "視線を左に回す  ←", TurnLook, 30, Sailing},
      {Cmd::kTurnLookRight, "視線を右に回す →", TurnLook, -30, Sailing},
      {Cmd::kLookAstern, "後ろを見る  ↓", SetLookAngle, 180, Sailing, LookAngleIs},
      {Cmd::kChart, "海図表示  &R", ToggleChart, 0, Sailing},
      {Cmd::kMainTransparent, "メインを透明に  &H", ToggleMainTransparent, 0, Sailing, MainTransparentOn},
      {Cmd::kMainAndJibTransparent, "メインとジブを透明に  &U", CycleTransparent, 0, Sailing, AllTransparentOn},
      {Cmd::kChordLines, "コード表示", ToggleChordLines, 0, Always, ChordLinesOn},
      {Cmd::kLaylines, "レイラインとイーブンなラインを表示", ToggleLaylines, 0, Always, LaylinesOn},
      {Cmd::kZoomIn2d, "ズームイン(2D図)  &Z", ZoomIn2d, 0, SailingNoChart},
      {Cmd::kZoomOut2d, "ズームアウト(2D図)  &X", ZoomOut2d, 0, SailingNoChart},
      {Cmd::kFitToWindow, "ウィンドウに合わせる", ToggleFitToWindow, 0, Always, FitToWindowOn},
      {Cmd::kPolar, "ポーラー図  &V", TogglePolar, 0, Always, PolarOn},
      {Cmd::kReplay, "リプレイ  &P", ToggleReplay, 0, ReplayAllowed, ReplayOn},

      // メイン
      {Cmd::kMainSheetIn, "シートを引く  <", MainSheetStep, -2, Always},
      {Cmd::kMainSheetOut, "シートを出す  >", MainSheetStep, 2, Always},
      {Cmd::kMainAutoTrim, "メインシート自動調節", ToggleMainAuto, 0, MainAutoAllowed, MainAutoOn},
      {Cmd::kCunninghamTight, "ラフを締める", SetCunningham, 3, Always, CunninghamIs},
      {Cmd::kCunninghamMedium, "ラフ中間", SetCunningham, 2, Always, CunninghamIs},
      {Cmd::kCunninghamLoose, "ラフを緩める", SetCunningham, 1, Always, CunninghamIs},
      {Cmd::kOuthaulTight, "アウトホールを締める", SetOuthaul, 3, Always, OuthaulIs},
      {Cmd::kOuthaulMedium, "アウトホール中間", SetOuthaul, 2, Always, OuthaulIs},
      {Cmd::kOuthaulLoose, "アウトホールを緩める", SetOuthaul, 1, Always, OuthaulIs},
      {Cmd::kVangTight, "バングを締める", SetVang, 3, NotCatamaran, VangChecked},
      {Cmd::kVangMedium, "バング中間", SetVang, 2, NotCatamaran, VangChecked},
      {Cmd::kVangLoose, "バングを緩める", SetVang, 1, NotCatamaran, VangChecked},
      {Cmd::kSpritTight, "スプリットを締める", SetSprit, 3, SpritAllowed, SpritChecked},
      {Cmd::kSpritMedium, "スプリット中間", SetSprit, 2, SpritAllowed, SpritChecked},
      {Cmd::kSpritLoose, "スプリットを緩める", SetSprit, 1, SpritAllowed, SpritChecked},
      {Cmd::kReef, "リーフ", ToggleReef, 0, ReefAllowed, ReefChecked},

      // リグ
      {Cmd::kTravellerTop, "トラベラを最も上に  &M", SetTraveller, 0, TravellerAllowed, TravellerIs},
      {Cmd::kTravellerQuarter, "トラベラを上から1/4に", SetTraveller, 1, TravellerAllowed, TravellerIs},
      {Cmd::kTravellerHalf, "トラベラを上から1/2に", SetTraveller, 2, TravellerAllowed, TravellerIs},
      {Cmd::kTravellerThreeQuarters, "トラベラを上から3/4に", SetTraveller, 3, TravellerAllowed, TravellerIs},
      {Cmd::kTravellerBottom, "トラベラを最も下に  &L", SetTraveller, 4, TravellerAllowed, TravellerIs},
      {Cmd::kMastBendMost, "ベンド最大", SetMastBend, 3, BendableRig, MastBendIs},
      {Cmd::kMastBendMedium, "ベンド中間", SetMastBend, 2, BendableRig, MastBendIs},
      {Cmd::kMastBendNone, "ベンドなし", SetMastBend, 1, BendableRig, MastBendIs},
      {Cmd::kForestayTight, "フォアステーを締める", SetForestay, 0, BendableRig, ForestayIs},
      {Cmd::kForestayMedium, "フォアステー中間", SetForestay, 1, BendableRig, ForestayIs},
      {Cmd::kForestayLoose, "フォアステーを緩める", SetForestay, 2, BendableRig, ForestayIs},
      {Cmd::kAllSheetsAuto, "全シート自動調節  &A", AllAuto, 0, Always, AllAutoOn},
      {Cmd::kAllSheetsOut, "全シートを出す  &S", SheetsOut, 0, Always, AllSheetsOutChecked},
      {Cmd::kSailPowerLeast, "セールパワー最小  &1", SailPower, 1, PresetAllowed, PresetIs},
      {Cmd::kSailPowerMedium, "セールパワー中間  &2", SailPower, 2, PresetAllowed, PresetIs},
      {Cmd::kSailPowerMost, "セールパワー最大  &3", SailPower, 3, PresetAllowed, PresetIs},

      // ジブ
      {Cmd::kJibSheetIn, "ジブシートを引く  -", JibSheetStep, -1, JibBoat},
      {Cmd::kJibSheetOut, "ジブシートを出す  +", JibSheetStep, 1, JibBoat},
      {Cmd::kJibAutoTrim, "ジブシート自動調節  &A", ToggleJibAuto, 0, JibBoat},
      {Cmd::kWingOnWing, "観音開き  W", ToggleWingOnWing, 0, JibBoat},
      {Cmd::kGenoa, "ジェノア", SetJibSize, 1, JibSizeAllowed, JibSizeChecked},
      {Cmd::kStormJib, "荒天用ジブ", SetJibSize, 3, JibSizeAllowed, JibSizeChecked},
      {Cmd::kJibLuffTight, "ジブのラフを締める", SetJibLuff, 3, JibBoat, JibLuffIs},
      {Cmd::kJibLuffMedium, "ジブのラフ中間", SetJibLuff, 2, JibBoat, JibLuffIs},
      {Cmd::kJibLuffLoose, "ジブのラフを緩める", SetJibLuff, 1, JibBoat, JibLuffIs},
      {Cmd::kJibLeadForward, "リーダ前に", SetJibLead, 1, JibLeadAllowed, JibLeadIs},
      {Cmd::kJibLeadMedium, "リーダ中間", SetJibLead, 2, JibLeadAllowed, JibLeadIs},
      {Cmd::kJibLeadAft, "リーダ後ろに", SetJibLead, 3, JibLeadAllowed, JibLeadIs},
      {Cmd::kBarberHaulerOut, "バーバー外に", SetBarberHauler, 3, JibLeadAllowed, BarberHaulerIs},
      {Cmd::kBarberHaulerMedium, "バーバー中間", SetBarberHauler, 2, JibLeadAllowed, BarberHaulerIs},
      {Cmd::kBarberHaulerIn, "バーバー内に", SetBarberHauler, 1, JibLeadAllowed, BarberHaulerIs},
      {Cmd::kFurlJib, "ジブを巻く", SetJibFurl, 100, FurlingAllowed, FurlChecked},
      {Cmd::kFurlJibPartly, "一部巻く", SetJibFurl, 50, FurlingAllowed, FurlChecked},
      {Cmd::kUnfurlJib, "ジブを広げる", SetJibFurl, 0, FurlingAllowed, FurlChecked},

      // スピン
      {Cmd::kSpinnakerSet, "セット  &P", SetSpinnaker, 1, SpinnakerBoat, SpinnakerSetIs},
      {Cmd::kSpinnakerDrop, "おろす  P", SetSpinnaker, 0, SpinnakerBoat, SpinnakerSetIs},
      {Cmd::kSpinnakerSheetIn, "シートを引く  -", SpinnakerSheetStep, -1, SpinnakerBoat},
      {Cmd::kSpinnakerSheetOut, "シートを出す  +", SpinnakerSheetStep, 1, SpinnakerBoat},
      {Cmd::kSpinnakerAutoTrim, "シート自動調節  &A", SpinnakerAuto, 0, SpinnakerBoat, SpinnakerAutoOn},
      {Cmd::kGuyForward, "ガイを前に  [", GuyStep, -10, PoleBoat},
      {Cmd::kGuyAft, "ガイを後ろに  ]", GuyStep, 10, PoleBoat},
      {Cmd::kGuyAutoTrim, "ガイ自動調節  &A", ToggleGuyAuto, 0, PoleBoat, GuyAutoOn},
      {Cmd::kPoleHigh, "ポールを高く", SetPoleHeight, 3, PoleBoat, PoleHeightIs},
      {Cmd::kPoleMedium, "ポール中間", SetPoleHeight, 2, PoleBoat, PoleHeightIs},
      {Cmd::kPoleLow, "ポールを低く", SetPoleHeight, 1, PoleBoat, PoleHeightIs},

      // 乗員
      {Cmd::kSkipperToWindward, "スキッパー風上に  &5", SkipperStep, 1, CrewBoat},
      {Cmd::kSkipperToLeeward, "スキッパー風下に  &6", SkipperStep, -1, CrewBoat},
      {Cmd::kCrewToWindward, "クルー風上に  &7", CrewStep, 1, CrewBoat},
      {Cmd::kCrewToLeeward, "クルー風下に  &8", CrewStep, -1, CrewBoat},
      {Cmd::kHikeOutFully, "ハイクアウト最大  &K", HikeOut, 0, CrewBoat, AllHikedOut},
      {Cmd::kCrewAft, "後ろに  F7", SetCrewForeAft, 1, CrewBoat, CrewForeAftIs},
      {Cmd::kCrewCentre, "真中に  F8", SetCrewForeAft, 0, CrewBoat, CrewForeAftIs},
      {Cmd::kCrewForward, "前に    F9", SetCrewForeAft, -1, CrewBoat, CrewForeAftIs},

      // ルール
      {Cmd::kRulesIntroduction, "入門", OpenRulesPage, 1, RulesLesson},
      {Cmd::kRulesOppositeTacks, "反対タック", OpenRulesPage, 2, RulesLesson},
      {Cmd::kRulesSameTack, "同一タック", OpenRulesPage, 3, RulesLesson},
      {Cmd::kRulesOvertaking, "追い越し", OpenRulesPage, 4, RulesLesson},
      {Cmd::kRulesPowerVessels, "動力船", OpenRulesPage, Page::kLastTrafficRules, TrafficRulesLesson},
      {Cmd::kRulesMarksAndObstructions, "マークと障害物", OpenRulesPage, Page::kRacingRulesBase + 6, RacingRulesLesson},
      {Cmd::kRulesWindwardMarkRounding, "風上マークの回航", OpenRulesPage, Page::kRacingRulesBase + 7, RacingRulesLesson},
      {Cmd::kRulesTackingAtObstruction, "障害物タック", OpenRulesPage, Page::kRacingRulesBase + 8, RacingRulesLesson},
      {Cmd::kRulesSameTackBeforeStart, "スタート前の同一タック", OpenRulesPage, Page::kRacingRulesBase + 9, RacingRulesLesson},
      {Cmd::kRulesRoomAtStartMark, "スタートマークのルーム(水)", OpenRulesPage, Page::kRacingRulesBase + 10, RacingRulesLesson},
      {Cmd::kRulesOther, "その他", OpenRulesPage, Page::kLastRacingRules, RacingRulesLesson},

      // ヘルプ
      {Cmd::kHelpUsingSimulator, "シミュレータの操作", OpenHelpPage, Page::kFirstHelp, Always},
      {Cmd::kHelpCommands, "コマンド", OpenHelpPage, Page::kFirstHelp + 1, Always},
      {Cmd::kHelpCurrentScreen, "現在の画面の説明", OpenHelpPage, Page::kFirstHelp + 2, Always},
      {Cmd::kHelpPerformanceData, "パフォーマンスデータ", OpenHelpPage, Page::kFirstHelp + 3, Always},
      {Cmd::kHelpDisplaySettings, "表示の設定", OpenHelpPage, Page::kFirstHelp + 4, Always},
      {Cmd::kHelpSteering, "操舵", OpenHelpPage, Page::kFirstHelp + 5, Always},
      {Cmd::kHelpMainsailTrim, "メインセールの調節", OpenHelpPage, Page::kFirstHelp + 6, Always},
      {Cmd::kHelpJibAndSpinnakerTrim, "ジブとスピンの調節", OpenHelpPage, Page::kFirstHelp + 7, JibBoat},
      {Cmd::kHelpScoring, "採点", OpenHelpPage, Page::kFirstHelp + 8, Always},
      {Cmd::kHelpFirstTime, "初めて使う方へ", OpenHelpPage, Page::kFirstHelp + 9, Always},
      {Cmd::kHelpNewFeatures, "新機能の紹介", OpenHelpPage, Page::kFirstHelp + 10, Always},
      {Cmd::kHelpCatamaranAndScow, "カタマランとスコーの操艇のアドバイス", OpenHelpPage, Page::kFirstHelp + 11, Always},
      {Cmd::kHelpAsymmetricSpinnaker, "非対称スピンのアドバイス", OpenHelpPage, Page::kFirstHelp + 12, Always},
      {Cmd::kCoach, "コーチ  &Y", ToggleCoach, 0, CoachAllowed},
      {Cmd::kGlossary, "用語集", OpenHelpPage, Page::kFirstGlossary, Always},
      {Cmd::kStatusBar, "メニュー項目の説明を表示", nullptr, 0, nullptr, nullptr, A::ToggleStatusBar},
      {Cmd::kButtonHelp, "コントロールボタンの説明を表示", ToggleButtonHelp, 0, Always, ButtonHelpOn},
      {Cmd::kAbout, "Brisamarについて  &A", nullptr, 0, nullptr, nullptr, A::AboutBox},

      // Issued by keys and on-screen buttons only.
      {Cmd::kBearAway, "", BearAway, 0, SailingWithAutopilot, HoldingDownwind},
      {Cmd::kGybe, "", Gybe, 0, SailingWithAutopilot},
  };
  return table;
}

}  // namespace

const std::vector<Command>& AllCommands() { return Table(); }

const Command* FindCommand(int id) {
  static const std::unordered_map<int, const Command*> index = [] {
    std::unordered_map<int, const Command*> m;
    for (const Command& c : Table()) m.emplace(c.id, &c);
    return m;
  }();
  const auto it = index.find(id);
  return it == index.end() ? nullptr : it->second;
}

CommandUi EvaluateCommand(const World& w, int id) {
  CommandUi ui;
  const Command* c = FindCommand(id);
  if (!c) {
    ui.enabled = false;
    return ui;
  }
  if (c->enabled) ui.enabled = c->enabled(w, c->arg);
  if (c->checked) ui.checked = c->checked(w, c->arg);
  return ui;
}

void MenuOpened(World& w) { w.RepaintSuspended = 1; }

bool RunCommand(World& w, int id, CommandWindow* window) {
  const Command* c = FindCommand(id);
  if (!c || !EvaluateCommand(w, id).enabled) return false;
  if (c->handler) c->handler(w, c->arg);
  if (window && c->action != WindowAction::None) window->Perform(c->action);
  if (c->redraw) w.RepaintSuspended = 0;
  return true;
}

void InvokeCommand(World& w, int id) {
  const Command* c = FindCommand(id);
  if (!c) return;
  if (c->handler) c->handler(w, c->arg);
  if (c->redraw) w.RepaintSuspended = 0;
}
