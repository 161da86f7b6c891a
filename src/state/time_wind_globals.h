// Simulated time and the wind.
#pragma once

#include <cstdint>

struct TimeWindGlobals {
  // --- Time -------------------------------------------------------------------------------
  double SimTime = 0;
  int32_t SimSeconds = 0;
  int32_t PreviousSimSeconds = 0;
  double TimeStep = 0;
  double TimeScale = 1;  // square root of 15 / ScaleLength
  int32_t ActivityStartSeconds = 0;

  // --- Wind -------------------------------------------------------------------------------
  int32_t WindSpeed = 10;
  int32_t WindDirection = 0;
  double WindDirectionSmooth = 0;
  int32_t MeanWindDirection = 0;
  int32_t ShiftTargetDirection = 0;
  int32_t NextShiftSeconds = -305;
  int32_t BaseWindSpeed = 10;
  int32_t BaseWindDirection = 0;
  int32_t ShiftRange = 20;
  int32_t ShiftIntervalBase = 60;
  int32_t PersistentShiftRate = 0;  // degrees of veer per clock hour
  int32_t StartHour = 10;
  int32_t ClockHour = 10;
  double ClockMinutes = 0;  // clock minutes since the activity started
  int32_t WeatherKind = 1;  // 3 and above: overcast sky
};
