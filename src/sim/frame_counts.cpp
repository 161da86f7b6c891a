#include "sim/frame_counts.h"

#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"

namespace {

// Harder levels lose sight of the swimmer sooner.
int SwimmerSightLimit(const World& w) { return (20 - w.Difficulty) * 10; }

}  // namespace

int WindShiftAtBoat(const World& w) {
  const int d = WrapDegreesFull(w.WindDirectionAtBoat[1] - w.MeanWindDirection);
  return d > 180 ? d - 360 : d;
}

int LiftOnTack(const World& w) { return WindShiftAtBoat(w) * w.BoatTack[1]; }

void CountAnalysisFrames(World& w) {
  const int m = w.ActivityMode;
  if (!(m == Activity::kUpwind || IsRace(m)) || w.SimSeconds <= 0) return;
  w.TotalFrames += 1;
  if (w.WindShadowState[1] > 0) w.BadAirFrames += 1;
  if (w.TrueWindAngles[1] < 55) {
    w.CloseHauledFrames += 1;
    if (LiftOnTack(w) >= 0) w.LiftedFrames += 1;
  }
}

void CountSwimmerSightFrames(World& w) {
  if (w.ActivityMode != Activity::kManOverboard) return;
  if (w.SimSeconds < w.OverboardSeconds) {
    w.SwimmerSightFrames = 0;
    return;
  }
  if (w.TimeStep > 0 && w.Stopped == 0 && w.SwimmerSightFrames < SwimmerSightLimit(w)) w.SwimmerSightFrames += 1;
}

bool SwimmerInSight(const World& w) {
  return w.SimSeconds >= w.OverboardSeconds && w.SwimmerSightFrames < SwimmerSightLimit(w);
}
