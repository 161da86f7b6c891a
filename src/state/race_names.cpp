#include "state/names.h"

void RegisterRaceNames(NameRegistry& r) {
  using S = RaceGlobals;
  REGISTER_GLOBAL(S, PinX);
  REGISTER_GLOBAL(S, PinY);
  REGISTER_GLOBAL(S, CommitteeBoatX);
  REGISTER_GLOBAL(S, CommitteeBoatY);
  REGISTER_GLOBAL(S, WindwardMarkX);
  REGISTER_GLOBAL(S, WindwardMarkY);
  REGISTER_GLOBAL(S, SideMarkX);
  REGISTER_GLOBAL(S, SideMarkY);
  REGISTER_GLOBAL(S, LeewardMarkX);
  REGISTER_GLOBAL(S, LeewardMarkY);
  REGISTER_GLOBAL(S, StartLineLength);
  REGISTER_GLOBAL(S, LegLength);
  REGISTER_GLOBAL(S, WaypointX);
  REGISTER_GLOBAL(S, WaypointY);
  REGISTER_GLOBAL(S, RestartPointX);
  REGISTER_GLOBAL(S, RestartPointY);
  REGISTER_GLOBAL(S, RaceTimeLimitBase);
  REGISTER_GLOBAL(S, FinishCount);
  REGISTER_GLOBAL(S, BoatTargetX);
  REGISTER_GLOBAL(S, BoatTargetY);
  REGISTER_GLOBAL(S, BoatTargetDistance);
  REGISTER_GLOBAL(S, BoatFinishPlace);
  REGISTER_GLOBAL(S, BoatFinishSeconds);
  REGISTER_GLOBAL(S, BoatPenaltyCount);
  REGISTER_GLOBAL(S, LastAvoidTime);
  REGISTER_GLOBAL(S, Avoiding);
  REGISTER_GLOBAL(S, ForcedTack);
  REGISTER_GLOBAL(S, Gybing);
  REGISTER_GLOBAL(S, SteeringSpread);
  REGISTER_GLOBAL(S, CourseError);
  REGISTER_GLOBAL(S, StartApproachPercent);
  REGISTER_GLOBAL(S, RunningAngle);
  REGISTER_GLOBAL(S, RaceClockMinutes);
  REGISTER_GLOBAL(S, RaceClockWholeMinutes);
  REGISTER_GLOBAL(S, RaceClockSecondsPart);
  REGISTER_GLOBAL(S, RightOfWayWarning);
  REGISTER_GLOBAL(S, WarningActive);
}
