#include "input/command_table.h"

#include <algorithm>
#include <unordered_map>

#include "boat/boat_setup.h"
#include "input/command_actions.h"
#include "state/world.h"
#include "world/sim_speed.h"

namespace {

using W = World;

// --- Update-rule tests ---------------------------------------------------------------------

bool Always(const W&, int) { return true; }
bool AtTitle(const W& w, int) { return w.SailingState == 0; }
bool Sailing(const W& w, int) { return w.SailingState >= 1; }
bool SailingWithAutopilot(const W& w, int) { return w.SailingState >= 1 && w.AutopilotOff != 1; }
bool CloseHauledAllowed(const W& w, int a) { return SailingWithAutopilot(w, a) && w.ActivityMode != 3; }
bool HasCentreboard(const W& w, int) { return w.HullClass != 5 && w.HullClass != 6 && w.HullClass != 7; }
bool CentreboardIs(const W& w, int a) { return HasCentreboard(w, a) && w.CentreboardUp == a; }
bool StoppedOn(const W& w, int) { return w.Stopped == 1; }
bool MonochromeOn(const W& w, int) { return w.Monochrome == 1; }
bool SimpleGraphicsOn(const W& w, int) { return w.SimpleGraphics == 1; }
bool SoundOffOn(const W& w, int) { return w.SoundOff == 1; }
bool SoundOn(const W& w, int) { return w.SoundOff == 0; }
bool VoiceOffOn(const W& w, int) { return w.VoiceOff == 1; }

// Boat types.
bool AtTitleNotOverboard(const W& w, int) { return w.SailingState == 0 && w.ActivityMode != 6; }
bool SingleHanderChecked(const W& w, int) { return w.HullClass == 1 && w.IsOptimist == 0; }
bool OptimistChecked(const W& w, int) { return w.HullClass == 1 && w.IsOptimist == 1; }
bool TwoManChecked(const W& w, int) { return w.HullClass == 2; }
bool SpinnakerDinghyChecked(const W& w, int) { return w.HullClass == 3 && w.IsSkiff == 0; }
bool CatamaranChecked(const W& w, int) { return w.HullClass == 9 && w.IsOptimist == 0; }
bool SkiffChecked(const W& w, int) { return w.IsSkiff == 1; }
bool ScowChecked(const W& w, int) { return w.IsScow == 1; }
bool KeelboatChecked(const W& w, int) { return w.HullClass == 6 && w.IsSportboat == 0 && w.IsScow == 0; }
bool BoatTypeIs(const W& w, int a) { return w.BoatType == a; }
bool OffshoreRacerChecked(const W& w, int) { return w.HullClass == 7 && w.IsSportboat == 0; }
bool CruisingSloopChecked(const W& w, int) { return w.HullClass == 5; }

// Options.
bool DesignAllowed(const W& w, int) {
  return w.SailingState == 0 && w.BoatType >= 8 && w.BoatType != 10 && w.IsSportboat == 0 &&
         w.IsOffshoreCatamaran == 0 && w.IsScow == 0;
}
bool WheelAllowed(const W& w, int) {
  return w.SailingState == 0 && w.HullClass >= 5 && w.HullClass != 6 && w.HullClass != 9;
}
bool WheelOn(const W& w, int) { return w.HelmSign == 1; }
bool DifficultyAllowed(const W& w, int) { return w.SailingState == 0 && w.LessonIntroPending == 0; }
bool DifficultyIs(const W& w, int a) { return w.Difficulty == a; }
bool AreaChecked(const W& w, int a) { return w.SailingArea == a && w.ActivityMode == 0; }
bool ModeIs(const W& w, int a) { return w.ActivityMode == a; }
// Race rows carry mode * 10 + course (0 triangle, 1 windward-leeward); only the two
// just-start races tell their courses apart by the check mark.
bool RaceChecked(const W& w, int a) {
  return w.ActivityMode == a / 10 && (a / 10 != 13 || w.JustStartCourseUpDown == a % 10);
}
bool BigFleetOn(const W& w, int) { return w.BigFleet == 1; }
bool WindSettingIs(const W& w, int a) { return w.WindSetting == a; }
bool CurrentOnChecked(const W& w, int) { return w.CurrentOn == 1; }
bool VerticalZoneAllowed(const W& w, int) { return w.SailingState == 0 && w.ViewWidth > 700; }
bool VerticalZoneOn(const W& w, int) { return w.VerticalSteeringZone == 1; }
bool HandicapOptionAllowed(const W& w, int) {
  return w.SimSeconds <= 0 && (w.ActivityMode >= 13 || w.ActivityMode == 3);
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
bool ReefAllowed(const W& w, int) { return w.HullClass >= 5 && w.HullClass != 9; }
bool ReefChecked(const W& w, int a) { return ReefAllowed(w, a) && w.Reefed > 0; }
bool TravellerAllowed(const W& w, int) { return w.HasTraveller == 1; }
bool TravellerIs(const W& w, int a) { return w.Traveller == a; }
bool BendableRig(const W& w, int) { return w.HullClass == 6 || w.HullClass == 7; }
bool MastBendIs(const W& w, int a) { return w.MastBend == a; }
bool ForestayIs(const W& w, int a) { return w.Forestay == a; }
bool AllAutoOn(const W& w, int) {
  return w.MainAutoTrimActive == 1 && w.JibAutoTrimActive == 1 && w.SpinnakerAutoTrimActive == 1 &&
         w.GuyAutoTrimActive == 1;
}
bool AllSheetsOutChecked(const W& w, int) {
  return w.MainSheet == 47.0 && w.JibSheet == 24 && w.SpinnakerSheet == 24;
}
bool PresetAllowed(const W& w, int) { return w.ActivityMode != 11; }
bool PresetIs(const W& w, int a) { return w.SailPowerPreset == a; }

// Jib and spinnaker.
bool HasJib(const W& w, int) { return w.HullClass >= 2; }
bool JibSizeAllowed(const W& w, int) { return w.HullClass == 5 || w.HullClass == 7; }
bool JibSizeChecked(const W& w, int a) { return JibSizeAllowed(w, a) && w.JibSize == a; }
bool JibLuffIs(const W& w, int a) { return w.JibLuff == a; }
bool JibLeadAllowed(const W& w, int) {
  return w.HullClass == 3 || w.HullClass == 6 || w.HullClass == 7 || w.HullClass == 9;
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
bool RulesLesson(const W& w, int) { return w.ActivityMode == 7 || w.ActivityMode == 10; }
bool TrafficRulesLesson(const W& w, int) { return w.ActivityMode == 7; }
bool RacingRulesLesson(const W& w, int) { return w.ActivityMode == 10; }
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
  w.HullClass = a == 11 ? 10 : 9;
  w.IsCatamaran = 1;
  w.IsOptimist = w.IsSkiff = 0;
}
void ChooseSkiff(W& w, int) {
  w.BoatType = 7;
  w.HullClass = 3;
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
  w.ActivityMode = 0;
  w.LessonIntroPending = 0;
  w.InstructionPage = 0;
}

// Activities: each row's arg is its mode; the further values follow the mode.
void ChooseActivity(W& w, int mode) {
  w.ActivityMode = mode;
  switch (mode) {
    case 2:
    case 11:
      w.LessonIntroPending = 1;
      w.LessonChoice = 0;
      break;
    case 7:
      w.LessonIntroPending = 1;
      w.InstructionPage = 201;
      break;
    case 10:
    case 12:
      w.LessonIntroPending = 1;
      w.InstructionPage = mode == 10 ? 101 : 501;
      w.TutorialStep = 0;
      break;
    case 8:
      // Collision avoidance is sailed in the cruising sloop.
      w.LessonIntroPending = 0;
      w.InstructionPage = 0;
      w.BoatType = 9;
      SetUpBoatClass(w);
      break;
    case 1:
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
  w.InstructionPage = a < 100 ? (w.ActivityMode == 7 ? 200 : 100) + a : a;
  w.TutorialStep = 0;
}
void OpenHelpPage(W& w, int a) { ToggleHelpPage(w, a); }
void ToggleCoach(W& w, int) {
  w.InstructionPage = 0;
  Toggle(w.CoachShown);
}
void ToggleButtonHelp(W& w, int) { Toggle(w.ButtonHelpShown); }

// --- The table -----------------------------------------------------------------------------

using A = WindowAction;

const std::vector<Command>& Table() {
  static const std::vector<Command> table = {
      // コントロール
      {32789, "セーリングスタート(スペースバー)", StartSailing, 0, AtTitle},
      {32771, "クロースホールド  &C", CloseHauled, 0, CloseHauledAllowed},
      {32772, "タック  &T", Tack, 0, SailingWithAutopilot},
      {32773, "センターボードを下げる", SetCentreboard, 0, HasCentreboard, CentreboardIs},
      {32774, "センターボードを80%上げる", SetCentreboard, 80, HasCentreboard, CentreboardIs},
      {32775, "センターボードを上げる", SetCentreboard, 100, HasCentreboard, CentreboardIs},
      {32776, "停止  &F", ToggleStopped, 0, Sailing, StoppedOn},
      {32778, "モノクロ表示", ToggleMonochrome, 0, Always, MonochromeOn},
      {32779, "簡略グラフィック表示", ToggleSimpleGraphics, 0, Always, SimpleGraphicsOn},
      {32918, "サウンドなし", ToggleSoundOff, 0, Always, SoundOffOn},
      {32955, "声なし", ToggleVoiceOff, 0, SoundOn, VoiceOffOn},
      {32777, "次のセーリング  &N", GoToTitle, 0, Sailing},
      {kIdExit, "終了  &X", nullptr, 0, nullptr, nullptr, A::Exit},

      // オプション: 艇種
      {32780, "一人乗りディンギー", SetBoatType, 2, AtTitleNotOverboard, SingleHanderChecked},
      {32781, "二人乗りディンギー", SetBoatType, 4, AtTitle, TwoManChecked},
      {32782, "スピン付ディンギー", SetBoatType, 6, AtTitle, SpinnakerDinghyChecked},
      {32786, "OPディンギー", SetBoatType, 1, AtTitleNotOverboard, OptimistChecked},
      {32787, "カタマラン", ChooseCatamaran, 10, AtTitle, CatamaranChecked},
      {32788, "スキフ", ChooseSkiff, 0, AtTitle, SkiffChecked},
      {32971, "スコー", ChooseScow, 0, AtTitle, ScowChecked},
      {32783, "キールボート", ChooseKeelboat, 0, AtTitle, KeelboatChecked},
      {32969, "スポートボート", ChooseSportboat, 13, AtTitle, BoatTypeIs},
      {32784, "オフショアレーサー", SetBoatType, 14, AtTitle, OffshoreRacerChecked},
      {32785, "クルージングスループ", ChooseCruisingSloop, 0, AtTitle, CruisingSloopChecked},
      {32968, "オフショアカタマラン", ChooseCatamaran, 11, AtTitle, BoatTypeIs},

      // オプション
      {32790, "デザイン", OpenDesignDialog, 0, DesignAllowed, nullptr, A::DesignDialog},
      {32830, "舵輪", FlipHelm, 0, WheelAllowed, WheelOn},
      {32791, "1", SetDifficulty, 1, DifficultyAllowed, DifficultyIs},
      {32792, "2", SetDifficulty, 2, DifficultyAllowed, DifficultyIs},
      {32793, "3", SetDifficulty, 3, DifficultyAllowed, DifficultyIs},
      {32794, "4", SetDifficulty, 4, DifficultyAllowed, DifficultyIs},
      {32795, "5", SetDifficulty, 5, DifficultyAllowed, DifficultyIs},
      {32796, "6", SetDifficulty, 6, DifficultyAllowed, DifficultyIs},
      {32797, "7", SetDifficulty, 7, DifficultyAllowed, DifficultyIs},
      {32798, "8", SetDifficulty, 8, DifficultyAllowed, DifficultyIs},
      {32799, "9", SetDifficulty, 9, DifficultyAllowed, DifficultyIs},
      {32800, "10", SetDifficulty, 10, DifficultyAllowed, DifficultyIs},
      {32801, "11", SetDifficulty, 11, DifficultyAllowed, DifficultyIs},
      {32802, "12", SetDifficulty, 12, DifficultyAllowed, DifficultyIs},
      {32803, "13", SetDifficulty, 13, DifficultyAllowed, DifficultyIs},
      {32804, "14", SetDifficulty, 14, DifficultyAllowed, DifficultyIs},
      {32805, "15", SetDifficulty, 15, DifficultyAllowed, DifficultyIs},
      {32806, "海岸沿い", ChooseArea, 1, AtTitle, AreaChecked},
      {32807, "島々", ChooseArea, 2, AtTitle, AreaChecked},
      {32808, "湖", ChooseArea, 3, AtTitle, AreaChecked},
      {32809, "川", ChooseArea, 4, AtTitle, AreaChecked},
      {32810, "操舵練習", ChooseActivity, 1, AtTitle, ModeIs},
      {32811, "セールトリム(シートコントロール)の教習", ChooseActivity, 2, AtTitle, ModeIs},
      {32812, "風上への帆走", ChooseActivity, 3, AtTitle, ModeIs},
      {32813, "ブイに係留", ChooseActivity, 4, AtTitle, ModeIs},
      {32814, "桟橋に着艇", ChooseActivity, 5, AtTitle, ModeIs},
      {32815, "落水救助", ChooseActivity, 6, AtTitle, ModeIs},
      {32816, "海上交通ルールの教習", ChooseActivity, 7, AtTitle, ModeIs},
      {32817, "衝突回避", ChooseActivity, 8, AtTitle, ModeIs},
      {32818, "レース規則の教習", ChooseActivity, 10, AtTitle, ModeIs},
      {32819, "セールシェープの教習", ChooseActivity, 11, AtTitle, ModeIs},
      {32820, "レース戦略・戦術の教習", ChooseActivity, 12, AtTitle, ModeIs},
      {32821, "三角コースでジャストスタートでのレース", ChooseRace, 130, AtTitle, RaceChecked},
      {32966, "上下コースでジャストスタートでのレース", ChooseRace, 131, AtTitle, RaceChecked},
      {32822, "三角コースでのレース", ChooseRace, 140, AtTitle, RaceChecked},
      {32823, "上下コースでのレース", ChooseRace, 151, AtTitle, RaceChecked},
      {32824, "大きなフリートレース", ToggleBigFleet, 0, AtTitle, BigFleetOn},
      {32825, "順風、シフトなし", SetWind, 0, AtTitle, WindSettingIs},
      {32826, "軽風", SetWind, 1, AtTitle, WindSettingIs},
      {32827, "順風", SetWind, 2, AtTitle, WindSettingIs},
      {32828, "強風", SetWind, 3, AtTitle, WindSettingIs},
      {32829, "潮流", ToggleCurrent, 0, AtTitle, CurrentOnChecked},
      {32917, "垂直ステアリングゾーン", ToggleVerticalZone, 0, VerticalZoneAllowed, VerticalZoneOn, A::None, false},
      {32932, "自動操舵なし", ToggleAutopilotOff, 0, HandicapOptionAllowed, AutopilotOffOn},
      {32933, "メインシート自動調節なし", ToggleMainAutoTrimOff, 0, HandicapOptionAllowed, MainAutoTrimOffOn},
      {32952, "前回のスコアを用いる", TogglePreviousScore, 0, AtTitle, PreviousScoreOn},

      // シミュレータ速度
      {32831, "1  (スペースバー)", SetSimSpeed, 1, Always, SimSpeedIs},
      {32832, "2", SetSimSpeed, 2, Always, SimSpeedIs},
      {32833, "3", SetSimSpeed, 3, Always, SimSpeedIs},
      {32834, "4", SetSimSpeed, 4, Always, SimSpeedIs},
      {32835, "5", SetSimSpeed, 5, Always, SimSpeedIs},
      {32836, "6", SetSimSpeed, 6, Always, SimSpeedIs},
      {32837, "7", SetSimSpeed, 7, Always, SimSpeedIs},
      {32838, "8", SetSimSpeed, 8, Always, SimSpeedIs},
      {32839, "9", SetSimSpeed, 9, Always, SimSpeedIs},
      {32840, "10", SetSimSpeed, 10, Always, SimSpeedIs},
      {32958, "11", SetSimSpeed, 11, Always, SimSpeedIs},
      {32959, "12", SetSimSpeed, 12, Always, SimSpeedIs},
      {32960, "13", SetSimSpeed, 13, Always, SimSpeedIs},
      {32961, "14", SetSimSpeed, 14, Always, SimSpeedIs},
      {32962, "15  最速", SetSimSpeed, 15, Always, SimSpeedIs},
      {32956, "速く  (page up)", Faster, 0, Always},
      {32957, "遅く  (page dn)", Slower, 0, Always},

      // 表示
      {32841, "ズームイン(3D図)  &I", ZoomIn3d, 0, Sailing},
      {32842, "ズームアウト(3D図)  &O", ZoomOut3d, 0, Sailing},
      {32846, "前を見る  ↑", SetLookAngle, 0, Sailing, LookAngleIs},
      {32845, "視線を左に回す  ←", TurnLook, 30, Sailing},
      {32847, "視線を右に回す →", TurnLook, -30, Sailing},
      {32848, "後ろを見る  ↓", SetLookAngle, 180, Sailing, LookAngleIs},
      {32849, "海図表示  &R", ToggleChart, 0, Sailing},
      {32850, "メインを透明に  &H", ToggleMainTransparent, 0, Sailing, MainTransparentOn},
      {32851, "メインとジブを透明に  &U", CycleTransparent, 0, Sailing, AllTransparentOn},
      {32852, "コード表示", ToggleChordLines, 0, Always, ChordLinesOn},
      {32853, "レイラインとイーブンなラインを表示", ToggleLaylines, 0, Always, LaylinesOn},
      {32930, "ズームイン(2D図)  &Z", ZoomIn2d, 0, SailingNoChart},
      {32931, "ズームアウト(2D図)  &X", ZoomOut2d, 0, SailingNoChart},

      // メイン
      {32854, "シートを引く  <", MainSheetStep, -2, Always},
      {32855, "シートを出す  >", MainSheetStep, 2, Always},
      {32856, "メインシート自動調節", ToggleMainAuto, 0, MainAutoAllowed, MainAutoOn},
      {32857, "ラフを締める", SetCunningham, 3, Always, CunninghamIs},
      {32858, "ラフ中間", SetCunningham, 2, Always, CunninghamIs},
      {32859, "ラフを緩める", SetCunningham, 1, Always, CunninghamIs},
      {32860, "アウトホールを締める", SetOuthaul, 3, Always, OuthaulIs},
      {32861, "アウトホール中間", SetOuthaul, 2, Always, OuthaulIs},
      {32862, "アウトホールを緩める", SetOuthaul, 1, Always, OuthaulIs},
      {32863, "バングを締める", SetVang, 3, NotCatamaran, VangChecked},
      {32864, "バング中間", SetVang, 2, NotCatamaran, VangChecked},
      {32865, "バングを緩める", SetVang, 1, NotCatamaran, VangChecked},
      {32934, "スプリットを締める", SetSprit, 3, SpritAllowed, SpritChecked},
      {32935, "スプリット中間", SetSprit, 2, SpritAllowed, SpritChecked},
      {32936, "スプリットを緩める", SetSprit, 1, SpritAllowed, SpritChecked},
      {32866, "リーフ", ToggleReef, 0, ReefAllowed, ReefChecked},

      // リグ
      {32867, "トラベラを最も上に  &M", SetTraveller, 0, TravellerAllowed, TravellerIs},
      {32868, "トラベラを上から1/4に", SetTraveller, 1, TravellerAllowed, TravellerIs},
      {32954, "トラベラを上から1/2に", SetTraveller, 2, TravellerAllowed, TravellerIs},
      {32869, "トラベラを上から3/4に", SetTraveller, 3, TravellerAllowed, TravellerIs},
      {32870, "トラベラを最も下に  &L", SetTraveller, 4, TravellerAllowed, TravellerIs},
      {32871, "ベンド最大", SetMastBend, 3, BendableRig, MastBendIs},
      {32872, "ベンド中間", SetMastBend, 2, BendableRig, MastBendIs},
      {32873, "ベンドなし", SetMastBend, 1, BendableRig, MastBendIs},
      {32874, "フォアステーを締める", SetForestay, 0, BendableRig, ForestayIs},
      {32875, "フォアステー中間", SetForestay, 1, BendableRig, ForestayIs},
      {32876, "フォアステーを緩める", SetForestay, 2, BendableRig, ForestayIs},
      {32877, "全シート自動調節  &A", AllAuto, 0, Always, AllAutoOn},
      {32878, "全シートを出す  &S", SheetsOut, 0, Always, AllSheetsOutChecked},
      {32881, "セールパワー最小  &1", SailPower, 1, PresetAllowed, PresetIs},
      {32880, "セールパワー中間  &2", SailPower, 2, PresetAllowed, PresetIs},
      {32879, "セールパワー最大  &3", SailPower, 3, PresetAllowed, PresetIs},

      // ジブ
      {32882, "ジブシートを引く  -", JibSheetStep, -1, HasJib},
      {32883, "ジブシートを出す  +", JibSheetStep, 1, HasJib},
      {32884, "ジブシート自動調節  &A", ToggleJibAuto, 0, HasJib},
      {32885, "観音開き  W", ToggleWingOnWing, 0, HasJib},
      {32886, "ジェノア", SetJibSize, 1, JibSizeAllowed, JibSizeChecked},
      {32887, "荒天用ジブ", SetJibSize, 3, JibSizeAllowed, JibSizeChecked},
      {32888, "ジブのラフを締める", SetJibLuff, 3, HasJib, JibLuffIs},
      {32889, "ジブのラフ中間", SetJibLuff, 2, HasJib, JibLuffIs},
      {32890, "ジブのラフを緩める", SetJibLuff, 1, HasJib, JibLuffIs},
      {32891, "リーダ前に", SetJibLead, 1, JibLeadAllowed, JibLeadIs},
      {32892, "リーダ中間", SetJibLead, 2, JibLeadAllowed, JibLeadIs},
      {32893, "リーダ後ろに", SetJibLead, 3, JibLeadAllowed, JibLeadIs},
      {32894, "バーバー外に", SetBarberHauler, 3, JibLeadAllowed, BarberHaulerIs},
      {32895, "バーバー中間", SetBarberHauler, 2, JibLeadAllowed, BarberHaulerIs},
      {32896, "バーバー内に", SetBarberHauler, 1, JibLeadAllowed, BarberHaulerIs},
      {32963, "ジブを巻く", SetJibFurl, 100, FurlingAllowed, FurlChecked},
      {32964, "一部巻く", SetJibFurl, 50, FurlingAllowed, FurlChecked},
      {32965, "ジブを広げる", SetJibFurl, 0, FurlingAllowed, FurlChecked},

      // スピン
      {32897, "セット  &P", SetSpinnaker, 1, SpinnakerBoat, SpinnakerSetIs},
      {32898, "おろす  P", SetSpinnaker, 0, SpinnakerBoat, SpinnakerSetIs},
      {32899, "シートを引く  -", SpinnakerSheetStep, -1, SpinnakerBoat},
      {32900, "シートを出す  +", SpinnakerSheetStep, 1, SpinnakerBoat},
      {32901, "シート自動調節  &A", SpinnakerAuto, 0, SpinnakerBoat, SpinnakerAutoOn},
      {32902, "ガイを前に  [", GuyStep, -10, PoleBoat},
      {32903, "ガイを後ろに  ]", GuyStep, 10, PoleBoat},
      {32904, "ガイ自動調節  &A", ToggleGuyAuto, 0, PoleBoat, GuyAutoOn},
      {32905, "ポールを高く", SetPoleHeight, 3, PoleBoat, PoleHeightIs},
      {32906, "ポール中間", SetPoleHeight, 2, PoleBoat, PoleHeightIs},
      {32907, "ポールを低く", SetPoleHeight, 1, PoleBoat, PoleHeightIs},

      // 乗員
      {32908, "スキッパー風上に  &5", SkipperStep, 1, CrewBoat},
      {32909, "スキッパー風下に  &6", SkipperStep, -1, CrewBoat},
      {32910, "クルー風上に  &7", CrewStep, 1, CrewBoat},
      {32911, "クルー風下に  &8", CrewStep, -1, CrewBoat},
      {32912, "ハイクアウト最大  &K", HikeOut, 0, CrewBoat, AllHikedOut},
      {32913, "後ろに  F7", SetCrewForeAft, 1, CrewBoat, CrewForeAftIs},
      {32915, "真中に  F8", SetCrewForeAft, 0, CrewBoat, CrewForeAftIs},
      {32916, "前に    F9", SetCrewForeAft, -1, CrewBoat, CrewForeAftIs},

      // ルール
      {32919, "入門", OpenRulesPage, 1, RulesLesson},
      {32920, "反対タック", OpenRulesPage, 2, RulesLesson},
      {32921, "同一タック", OpenRulesPage, 3, RulesLesson},
      {32922, "追い越し", OpenRulesPage, 4, RulesLesson},
      {32923, "動力船", OpenRulesPage, 205, TrafficRulesLesson},
      {32924, "マークと障害物", OpenRulesPage, 106, RacingRulesLesson},
      {32925, "風上マークの回航", OpenRulesPage, 107, RacingRulesLesson},
      {32926, "障害物タック", OpenRulesPage, 108, RacingRulesLesson},
      {32927, "スタート前の同一タック", OpenRulesPage, 109, RacingRulesLesson},
      {32928, "スタートマークのルーム(水)", OpenRulesPage, 110, RacingRulesLesson},
      {32929, "その他", OpenRulesPage, 111, RacingRulesLesson},

      // ヘルプ
      {32937, "シミュレータの操作", OpenHelpPage, 901, Always},
      {32938, "コマンド", OpenHelpPage, 902, Always},
      {32939, "現在の画面の説明", OpenHelpPage, 903, Always},
      {32951, "パフォーマンスデータ", OpenHelpPage, 904, Always},
      {32940, "表示の設定", OpenHelpPage, 905, Always},
      {32941, "操舵", OpenHelpPage, 906, Always},
      {32942, "メインセールの調節", OpenHelpPage, 907, Always},
      {32943, "ジブとスピンの調節", OpenHelpPage, 908, HasJib},
      {32944, "採点", OpenHelpPage, 909, Always},
      {32946, "初めて使う方へ", OpenHelpPage, 910, Always},
      {32945, "新機能の紹介", OpenHelpPage, 911, Always},
      {32947, "カタマランとスコーの操艇のアドバイス", OpenHelpPage, 912, Always},
      {32970, "非対称スピンのアドバイス", OpenHelpPage, 913, Always},
      {32948, "コーチ  &Y", ToggleCoach, 0, CoachAllowed},
      {32953, "用語集", OpenHelpPage, 601, Always},
      {kIdStatusBar, "メニュー項目の説明を表示", nullptr, 0, nullptr, nullptr, A::ToggleStatusBar},
      {32950, "コントロールボタンの説明を表示", ToggleButtonHelp, 0, Always, ButtonHelpOn},
      {kIdAbout, "Brisamarについて  &A", nullptr, 0, nullptr, nullptr, A::AboutBox},

      // Issued by keys and on-screen buttons only.
      {32972, "", BearAway, 0, SailingWithAutopilot, HoldingDownwind},
      {32973, "", Gybe, 0, SailingWithAutopilot},
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
