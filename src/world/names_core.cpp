// Names of the shell, option, time/wind and fleet globals.
#include "world/names.h"

#define NAME(S, field) r.Add(#field, &S::field)

void RegisterShellNames(NameRegistry& r) {
  using S = ShellGlobals;
  NAME(S, SailingState);
  NAME(S, RepaintSuspended);
  NAME(S, Stopped);
  NAME(S, ChartShown);
  NAME(S, ResultsShown);
  NAME(S, InstructionPage);
  NAME(S, LastInstructionPage);
  NAME(S, TutorialStep);
  NAME(S, LessonIntroPending);
  NAME(S, CoachShown);
  NAME(S, ScreenBitsPerPixel);
  NAME(S, ScreenWidth);
  NAME(S, ScreenHeight);
  NAME(S, HalfScreenWidth);
  NAME(S, ViewWidth);
  NAME(S, ViewHeight);
  NAME(S, ViewWidthF);
  NAME(S, ViewHeightF);
  NAME(S, ScaleX);
  NAME(S, ScaleY);
  NAME(S, LargeMenuFont);
  NAME(S, PenScaleWidth);
  NAME(S, PenWidthLarge);
  NAME(S, PenWidthMedium);
  NAME(S, PenWidthSmall);
  NAME(S, PenWidthThin);
  NAME(S, FrameCounter);
  NAME(S, MinFrameMs);
  NAME(S, SceneHeight);
  NAME(S, SceneBottom);
  NAME(S, PanelLeft);
  NAME(S, MiniViewWidth);
  NAME(S, SkyHeight);
}

void RegisterOptionNames(NameRegistry& r) {
  using S = OptionGlobals;
  NAME(S, ActivityMode);
  NAME(S, SailingArea);
  NAME(S, JustStartCourseUpDown);
  NAME(S, BigFleet);
  NAME(S, BoatType);
  NAME(S, HullClass);
  NAME(S, IsOptimist);
  NAME(S, IsCatamaran);
  NAME(S, IsSkiff);
  NAME(S, IsSportboat);
  NAME(S, IsScow);
  NAME(S, IsOffshoreCatamaran);
  NAME(S, ScaleLength);
  NAME(S, DesignLength);
  NAME(S, DesignDisplacement);
  NAME(S, DesignSailArea);
  NAME(S, DesignRig);
  NAME(S, Difficulty);
  NAME(S, WindSetting);
  NAME(S, CurrentOn);
  NAME(S, SimSpeed);
  NAME(S, SimSpeedDivisor);
  NAME(S, SavedSimSpeed);
  NAME(S, SavedSimSpeedDivisor);
  NAME(S, HelmSign);
  NAME(S, VerticalSteeringZone);
  NAME(S, AutopilotOff);
  NAME(S, MainAutoTrimOff);
  NAME(S, UsePreviousScore);
  NAME(S, Monochrome);
  NAME(S, SimpleGraphics);
  NAME(S, SoundOff);
  NAME(S, VoiceOff);
  NAME(S, ButtonHelpShown);
  NAME(S, SailingSkillTotal);
  NAME(S, RacingSkillTotal);
  NAME(S, BestScores);
}

void RegisterTimeWindNames(NameRegistry& r) {
  using S = TimeWindGlobals;
  NAME(S, SimTime);
  NAME(S, SimSeconds);
  NAME(S, PreviousSimSeconds);
  NAME(S, TimeStep);
  NAME(S, TimeScale);
  NAME(S, ActivityStartSeconds);
  NAME(S, WindSpeed);
  NAME(S, WindDirection);
  NAME(S, WindDirectionSmooth);
  NAME(S, MeanWindDirection);
  NAME(S, ShiftTargetDirection);
  NAME(S, NextShiftSeconds);
  NAME(S, BaseWindSpeed);
  NAME(S, BaseWindDirection);
  NAME(S, ShiftRange);
  NAME(S, ShiftIntervalBase);
  NAME(S, PersistentShiftRate);
  NAME(S, StartHour);
  NAME(S, ClockHour);
  NAME(S, ClockMinutes);
  NAME(S, WeatherKind);
}

void RegisterFleetNames(NameRegistry& r) {
  using S = FleetGlobals;
  NAME(S, BoatCount);
  NAME(S, OwnHeading);
  NAME(S, BoatX);
  NAME(S, BoatY);
  NAME(S, BoatHeadings);
  NAME(S, BoatTack);
  NAME(S, WindDirectionAtBoat);
}
