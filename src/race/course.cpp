#include "race/course.h"

#include <cmath>
#include <cstdlib>

#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/hull_class.h"
#include "state/sound_event.h"
#include "state/world.h"

namespace {

int LegLengthFor(const World& w) {
  int d = w.BaseWindSpeed >= 9 ? 2000 : 1700;
  if (w.HullClass < Hull::kSpinnakerDinghy) d = d * 9 / 10;
  return d;
}

int MarkZoneRadiusFor(const World& w) {
  int z = w.Difficulty <= 8 ? 65 : 55;
  if (w.IsCatamaran || w.IsSkiff || w.IsSportboat) z += 6;
  return z;
}

void SetWaypoint(World& w, int i, IntPoint p) {
  w.WaypointX[i] = p.x;
  w.WaypointY[i] = p.y;
}

void SetObject(World& w, int n, int x, int y, int kind) {
  w.SceneObjectX[n] = x;
  w.SceneObjectY[n] = y;
  w.SceneObjectKind[n] = kind;
}

}  // namespace

int LineMiddleX(const World& w) { return (w.PinX + w.CommitteeBoatX) / 2; }
int LineMiddleY(const World& w) { return (w.PinY + w.CommitteeBoatY) / 2; }

void EnterCourseObjects(World& w) {
  SetObject(w, 6, w.PinX, w.PinY, kSceneKindBuoy);
  SetObject(w, 7, w.CommitteeBoatX, w.CommitteeBoatY, kSceneKindCommitteeBoat);
  SetObject(w, 8, w.WindwardMarkX, w.WindwardMarkY, kSceneKindBuoy);
  SetObject(w, 9, w.SideMarkX, w.SideMarkY, kSceneKindBuoy);
  SetObject(w, 10, w.LeewardMarkX, w.LeewardMarkY, kSceneKindBuoy);
}

void LayRaceCourse(World& w) {
  const int W = w.MeanWindDirection;
  w.PinX = w.PinY = 0;
  const int L = w.StartLineLength = 15 * (w.BoatCount + 10);
  const int D = w.LegLength = LegLengthFor(w);
  const int Z = MarkZoneRadiusFor(w);

  const IntPoint committee = PointAt(0, 0, L, W + 90);
  w.CommitteeBoatX = committee.x;
  w.CommitteeBoatY = committee.y;
  const IntPoint windward = PointAt(0, 0, D, W);
  w.WindwardMarkX = windward.x;
  w.WindwardMarkY = windward.y;
  const IntPoint side = w.JustStartCourseUpDown == 1 ? PointAt(0, 0, D, NormalizeDegrees(W - 5))
                                                      : PointAt(0, 0, 3 * D / 4, W - 120 + RandomBelow(w, 60));
  w.SideMarkX = side.x;
  w.SideMarkY = side.y;
  const IntPoint leeward = PointAt(0, 0, D, W + 180);
  w.LeewardMarkX = leeward.x;
  w.LeewardMarkY = leeward.y;

  // Marks are left to port: the route passes each on its outside.
  w.WaypointX[0] = w.WaypointY[0] = 0;
  SetWaypoint(w, 1, PointAt(windward.x, windward.y, Z, W + 90));
  SetWaypoint(w, 2, PointAt(windward.x, windward.y, 2 * Z / 3, W));
  SetWaypoint(w, 3, PointAt(windward.x, windward.y, Z, W - 60));
  SetWaypoint(w, 4, PointAt(side.x, side.y, Z, W - 45));
  SetWaypoint(w, 5, PointAt(side.x, side.y, Z, W - 135));
  SetWaypoint(w, 6, PointAt(leeward.x, leeward.y, Z, W - 115));
  SetWaypoint(w, 7, PointAt(leeward.x, leeward.y, Z, W + 135));
  SetWaypoint(w, 8, IntPoint{LineMiddleX(w), LineMiddleY(w)});
  w.WaypointX[9] = w.WaypointX[1];
  w.WaypointY[9] = w.WaypointY[1];

  w.RestartPointX = (7 * committee.x + leeward.x) / 8;
  w.RestartPointY = (7 * committee.y + leeward.y) / 8;
  EnterCourseObjects(w);
}

double DistanceToPoint(const World& w, int b, double x, double y) {
  return std::hypot(w.BoatX[b] - x, w.BoatY[b] - y);
}

int DistancePastLine(const World& w, int b) {
  double rx = LineMiddleX(w), ry = LineMiddleY(w);
  if (w.SimSeconds >= 16) {
    rx = w.BoatTargetX[b];
    ry = w.BoatTargetY[b];
  }
  const double mark = DistanceToPoint(w, b, w.WindwardMarkX, w.WindwardMarkY);
  const double ref = std::hypot(rx - w.WindwardMarkX, ry - w.WindwardMarkY);
  return static_cast<int>(mark - ref);
}

bool NearAnyCoursePoint(const World& w, int b, int r) {
  const int x = static_cast<int>(w.BoatX[b]);
  const int y = static_cast<int>(w.BoatY[b]);
  const int px[5] = {w.PinX, w.CommitteeBoatX, w.WindwardMarkX, w.SideMarkX, w.LeewardMarkX};
  const int py[5] = {w.PinY, w.CommitteeBoatY, w.WindwardMarkY, w.SideMarkY, w.LeewardMarkY};
  for (int i = 0; i < 5; ++i) {
    if (std::abs(px[i] - x) + std::abs(py[i] - y) <= r) return true;
  }
  return false;
}

void AdvanceLeg(World& w, int b) {
  const int t = w.SimSeconds;
  if (w.BoatLegs[b] == Leg::kFinishLine) {
    w.FinishCount += 1;
    w.BoatFinishPlace[b] = w.FinishCount;
    w.BoatFinishSeconds[b] = t;
    PlaySoundEvent(w, w.FinishCount == 1 ? SoundEvent::kFirstFinish : SoundEvent::kLaterFinish);
  }
  w.BoatLegs[b] += 1;
  const int leg = std::min(w.BoatLegs[b], Leg::kFinished);
  w.BoatTargetX[b] = w.WaypointX[leg];
  w.BoatTargetY[b] = w.WaypointY[leg];
  if (b >= 2) w.LastTackTime[b] = (w.ActivityMode == Activity::kJustStartRace && t == 0) ? -400 : t;
  if (w.BoatLegs[b] > Leg::kFinishLine) {
    w.BoatTargetX[b] = w.WaypointX[Leg::kFinished];
    w.BoatTargetY[b] = w.WaypointY[Leg::kFinished];
    if (b == 1) w.ResultsShown = 1;
  }
}

void UpdateLegProgress(World& w, int b) {
  const int t = w.SimSeconds;
  const int R = b == 1 ? 300 : (t < 3 ? 120 : 30);
  const int d = std::abs(w.BoatTargetX[b] - static_cast<int>(w.BoatX[b])) +
                std::abs(w.BoatTargetY[b] - static_cast<int>(w.BoatY[b]));
  w.BoatTargetDistance[b] = d;
  const int L = w.StartLineLength;

  if (d < R && t > 30 && w.BoatLegs[b] < Leg::kFinishLine) AdvanceLeg(w, b);
  if (t > -4 && t <= 30 && w.BoatLegs[b] == Leg::kStartSlot && d < R &&
      DistanceToPoint(w, b, LineMiddleX(w), LineMiddleY(w)) < L / 2) {
    AdvanceLeg(w, b);
  }
  if (w.BoatLegs[b] == Leg::kFinishLine && d < 3 * L / 4 && DistancePastLine(w, b) < 11) AdvanceLeg(w, b);
  // The time limit finishes every boat still racing.
  if (t / 5 < t - w.RaceTimeLimitBase && w.BoatLegs[b] < Leg::kFinished) {
    w.BoatLegs[b] = Leg::kFinishLine;
    AdvanceLeg(w, b);
  }
}
