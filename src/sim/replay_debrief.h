// The debrief of a recorded sailing: for each leg of a boat's course the time, the distance
// sailed against the straight line, the average VMG, the time on the lifted tack while
// beating, the tacks and gybes and the penalties; and the wind's shifts along the recording.
#pragma once

#include <vector>

#include "state/race_globals.h"
#include "state/replay_data.h"

// Yards in a nautical mile: the recording's positions are in yards, its times in seconds.
constexpr double kYardsPerNauticalMile = 2025.37;
// A true wind angle below this is beating: tacks are counted there, gybes beyond it.
constexpr int kBeatingAngle = 90;

// The course's legs by the waypoint a boat sails to (BoatLegs): the windward mark is rounded by
// waypoints 1..3, the side mark by 4..5, the leeward mark by 6..7, then the finish line.
constexpr int kLastWindwardWaypoint = 3;
constexpr int kLastSideWaypoint = 5;
constexpr int kLastLeewardWaypoint = 7;
constexpr int kPreStartLeg = 0;
constexpr int kAfterFinishLeg = Leg::kFinished;
constexpr int CourseLegOf(int waypoint) {
  if (waypoint <= Leg::kStartSlot) return kPreStartLeg;
  if (waypoint <= kLastWindwardWaypoint) return 1;
  if (waypoint <= kLastSideWaypoint) return 2;
  if (waypoint <= kLastLeewardWaypoint) return 3;
  if (waypoint <= Leg::kFinishLine) return 4;
  return kAfterFinishLeg;
}

struct LegDebrief {
  int leg = 0;                // CourseLegOf the waypoints sailed to: 0 before the start
  double seconds = 0;
  double sailedYards = 0;     // along the track
  double straightYards = 0;   // from where the leg began to where it ended
  double vmgKnots = 0;        // the straight line over the time
  double liftedSeconds = 0;   // beating on the tack the shift from the leg's mean wind favours
  int tacks = 0;
  int gybes = 0;
  int penalties = 0;          // penalty turns begun
};

struct BoatDebrief {
  int boat = 0;
  std::vector<LegDebrief> legs;  // in the order sailed
  LegDebrief total;              // the race's legs summed (not before the start or after the finish)
};

// Boat b (1-based) over the frames. Each stretch between two frames counts to the leg of its
// first frame; a leg ends where the next one begins.
BoatDebrief DebriefBoat(const std::vector<ReplayFrame>& frames, int b);

// Every boat of the recording.
std::vector<BoatDebrief> DebriefFleet(const std::vector<ReplayFrame>& frames);

struct WindShift {
  double simTime = 0;
  int direction = 0;  // the wind's direction from then on
  int change = 0;     // degrees from the previous shift (or the first frame): + veer, - back
};

// The points where the wind has turned at least minDegrees since the last such point.
std::vector<WindShift> WindShifts(const std::vector<ReplayFrame>& frames, int minDegrees);
