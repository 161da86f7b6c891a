// The race: the course laid to the wind, the route every boat follows, the fleet's decision
// state, the race clock and the rules' penalties and warnings.
#pragma once

#include <array>
#include <cstdint>

#include "state/fleet_globals.h"

constexpr int kWaypoints = 10;  // waypoints 0..9; 0 is each boat's own start slot

// BoatLegs values with a meaning of their own.
namespace Leg {
constexpr int32_t kStartSlot = 0;
constexpr int32_t kWindwardApproach = 1;
constexpr int32_t kFinishLine = 8;
constexpr int32_t kFinished = 9;
}  // namespace Leg

struct RaceGlobals {
  // --- Course (yards; the pin is the origin) ----------------------------------------------
  int32_t PinX = 0;
  int32_t PinY = 0;
  int32_t CommitteeBoatX = 0;
  int32_t CommitteeBoatY = 0;
  int32_t WindwardMarkX = 0;
  int32_t WindwardMarkY = 0;
  int32_t SideMarkX = 0;
  int32_t SideMarkY = 0;
  int32_t LeewardMarkX = 0;
  int32_t LeewardMarkY = 0;
  int32_t StartLineLength = 210;
  int32_t LegLength = 2000;
  std::array<int32_t, kWaypoints> WaypointX{};
  std::array<int32_t, kWaypoints> WaypointY{};
  int32_t RestartPointX = 0;
  int32_t RestartPointY = 0;
  int32_t RaceTimeLimitBase = 30000;
  int32_t FinishCount = 0;

  // --- Per boat: route and finish ---------------------------------------------------------
  PerBoat<int32_t> BoatTargetX{};
  PerBoat<int32_t> BoatTargetY{};
  PerBoat<int32_t> BoatTargetDistance{};
  PerBoat<int32_t> BoatFinishPlace{};    // 0 while racing
  PerBoat<int32_t> BoatFinishSeconds{};  // SimSeconds at the finish
  PerBoat<int32_t> BoatPenaltyCount{};

  // --- Per boat: the fleet's decisions ----------------------------------------------------
  PerBoat<int32_t> LastAvoidTime{};
  PerBoat<int32_t> Avoiding{};
  PerBoat<int32_t> ForcedTack{};
  PerBoat<int32_t> Gybing{};
  PerBoat<int32_t> SteeringSpread{};
  PerBoat<int32_t> CourseError{};
  PerBoat<int32_t> StartApproachPercent{};  // the pre-start speed share, 100 = full speed
  int32_t RunningAngle = 20;

  // --- Race clock -------------------------------------------------------------------------
  double RaceClockMinutes = 0;
  int32_t RaceClockWholeMinutes = 0;
  int32_t RaceClockSecondsPart = 0;

  // --- Rules ------------------------------------------------------------------------------
  int32_t RightOfWayWarning = 0;
  int32_t WarningActive = 0;
};
