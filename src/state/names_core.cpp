// Names of the shell, option, time/wind and fleet globals.
#include "state/names.h"

void RegisterShellNames(NameRegistry& r) {
  using S = ShellGlobals;
  REGISTER_GLOBAL(S, SailingState);
  REGISTER_GLOBAL(S, RepaintSuspended);
  REGISTER_GLOBAL(S, Stopped);
  REGISTER_GLOBAL(S, ChartShown);
  REGISTER_GLOBAL(S, ResultsShown);
  REGISTER_GLOBAL(S, InstructionPage);
  REGISTER_GLOBAL(S, LastInstructionPage);
  REGISTER_GLOBAL(S, TutorialStep);
  REGISTER_GLOBAL(S, LessonIntroPending);
  REGISTER_GLOBAL(S, CoachShown);
  REGISTER_GLOBAL(S, PolarShown);
  using R = ReplayGlobals;
  REGISTER_GLOBAL(R, ReplayShown);
  REGISTER_GLOBAL(R, ReplayPlaying);
  REGISTER_GLOBAL(R, ReplaySpeed);
  REGISTER_GLOBAL(R, ReplayFollow);
  REGISTER_GLOBAL(R, ReplayTime);
  REGISTER_GLOBAL(S, ScreenBitsPerPixel);
  REGISTER_GLOBAL(S, ScreenWidth);
  REGISTER_GLOBAL(S, ScreenHeight);
  REGISTER_GLOBAL(S, HalfScreenWidth);
  REGISTER_GLOBAL(S, ViewWidth);
  REGISTER_GLOBAL(S, ViewHeight);
  REGISTER_GLOBAL(S, ViewWidthF);
  REGISTER_GLOBAL(S, ViewHeightF);
  REGISTER_GLOBAL(S, ScaleX);
  REGISTER_GLOBAL(S, ScaleY);
  REGISTER_GLOBAL(S, LargeMenuFont);
  REGISTER_GLOBAL(S, PenScaleWidth);
  REGISTER_GLOBAL(S, PenWidthLarge);
  REGISTER_GLOBAL(S, PenWidthMedium);
  REGISTER_GLOBAL(S, PenWidthSmall);
  REGISTER_GLOBAL(S, PenWidthThin);
  REGISTER_GLOBAL(S, FrameCounter);
  REGISTER_GLOBAL(S, FrameStartTick);
  REGISTER_GLOBAL(S, MinFrameMs);
  REGISTER_GLOBAL(S, SceneHeight);
  REGISTER_GLOBAL(S, SceneBottom);
  REGISTER_GLOBAL(S, PanelLeft);
  REGISTER_GLOBAL(S, MiniViewWidth);
  REGISTER_GLOBAL(S, SkyHeight);
}

void RegisterOptionNames(NameRegistry& r) {
  using S = OptionGlobals;
  REGISTER_GLOBAL(S, ActivityMode);
  REGISTER_GLOBAL(S, SailingArea);
  REGISTER_GLOBAL(S, JustStartCourseUpDown);
  REGISTER_GLOBAL(S, BigFleet);
  REGISTER_GLOBAL(S, BoatType);
  REGISTER_GLOBAL(S, HullClass);
  REGISTER_GLOBAL(S, IsOptimist);
  REGISTER_GLOBAL(S, IsCatamaran);
  REGISTER_GLOBAL(S, IsSkiff);
  REGISTER_GLOBAL(S, IsSportboat);
  REGISTER_GLOBAL(S, IsScow);
  REGISTER_GLOBAL(S, IsOffshoreCatamaran);
  REGISTER_GLOBAL(S, ScaleLength);
  REGISTER_GLOBAL(S, DesignLength);
  REGISTER_GLOBAL(S, DesignDisplacement);
  REGISTER_GLOBAL(S, DesignSailArea);
  REGISTER_GLOBAL(S, DesignRig);
  REGISTER_GLOBAL(S, Difficulty);
  REGISTER_GLOBAL(S, WindSetting);
  REGISTER_GLOBAL(S, CurrentOn);
  REGISTER_GLOBAL(S, SimSpeed);
  REGISTER_GLOBAL(S, SimSpeedDivisor);
  REGISTER_GLOBAL(S, SavedSimSpeed);
  REGISTER_GLOBAL(S, SavedSimSpeedDivisor);
  REGISTER_GLOBAL(S, HelmSign);
  REGISTER_GLOBAL(S, VerticalSteeringZone);
  REGISTER_GLOBAL(S, AutopilotOff);
  REGISTER_GLOBAL(S, MainAutoTrimOff);
  REGISTER_GLOBAL(S, UsePreviousScore);
  REGISTER_GLOBAL(S, Monochrome);
  REGISTER_GLOBAL(S, SimpleGraphics);
  REGISTER_GLOBAL(S, SoundOff);
  REGISTER_GLOBAL(S, VoiceOff);
  REGISTER_GLOBAL(S, ButtonHelpShown);
  REGISTER_GLOBAL(S, FitToWindow);
  REGISTER_GLOBAL(S, SailingSkillTotal);
  REGISTER_GLOBAL(S, RacingSkillTotal);
  REGISTER_GLOBAL(S, BestScores);
}

void RegisterTimeWindNames(NameRegistry& r) {
  using S = TimeWindGlobals;
  REGISTER_GLOBAL(S, SimTime);
  REGISTER_GLOBAL(S, SimSeconds);
  REGISTER_GLOBAL(S, PreviousSimSeconds);
  REGISTER_GLOBAL(S, TimeStep);
  REGISTER_GLOBAL(S, TimeScale);
  REGISTER_GLOBAL(S, ActivityStartSeconds);
  REGISTER_GLOBAL(S, WindSpeed);
  REGISTER_GLOBAL(S, WindDirection);
  REGISTER_GLOBAL(S, WindDirectionSmooth);
  REGISTER_GLOBAL(S, MeanWindDirection);
  REGISTER_GLOBAL(S, ShiftTargetDirection);
  REGISTER_GLOBAL(S, NextShiftSeconds);
  REGISTER_GLOBAL(S, BaseWindSpeed);
  REGISTER_GLOBAL(S, BaseWindDirection);
  REGISTER_GLOBAL(S, ShiftRange);
  REGISTER_GLOBAL(S, ShiftIntervalBase);
  REGISTER_GLOBAL(S, PersistentShiftRate);
  REGISTER_GLOBAL(S, StartHour);
  REGISTER_GLOBAL(S, ClockHour);
  REGISTER_GLOBAL(S, ClockMinutes);
  REGISTER_GLOBAL(S, WeatherKind);
}

void RegisterFleetNames(NameRegistry& r) {
  using S = FleetGlobals;
  REGISTER_GLOBAL(S, BoatCount);
  REGISTER_GLOBAL(S, OwnHeading);
  REGISTER_GLOBAL(S, BoatX);
  REGISTER_GLOBAL(S, BoatY);
  REGISTER_GLOBAL(S, BoatHeadings);
  REGISTER_GLOBAL(S, BoatTack);
  REGISTER_GLOBAL(S, WindDirectionAtBoat);
}

void RegisterTableNames(NameRegistry& r) {
  using S = TableGlobals;
  REGISTER_GLOBAL(S, RandomTable);
  REGISTER_GLOBAL(S, SinTable);
  REGISTER_GLOBAL(S, CosTable);
}
