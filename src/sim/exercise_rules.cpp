#include "sim/exercise_rules.h"

#include <algorithm>
#include <cstdlib>

#include "sim/sail_lesson_scenes.h"
#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/sound_event.h"
#include "state/world.h"
#include "world/vessels.h"

namespace {

// The main's backwind above this means the sails have been let fly.
constexpr int kSailsLetFly = 80;

void SteeringPractice(World& w, int x, int y) {
  if (w.SimSeconds > 20) w.MaxHeadingError = std::max(w.MaxHeadingError, std::abs(w.BoatHeadings[1] - 270));
  if (w.HelmInput != 0) w.HelmUsed = 1;
  if (x < -1500 && y > -35 && y < 35) w.ResultsShown = 1;
}

void UpwindSailing(World& w, int x, int y) {
  w.JibAutoTrimActive = 0;
  if (w.Difficulty > 1) w.HoldCloseHauled = 0;
  w.JibSheet = w.WindSpeed > 10 ? 1 : 0;
  if (w.AutoManoeuvre == 1) w.CommandedTackUsed = 1;
  w.BoatHeadings[0] = w.WindDirectionAtBoat[1];
  if (x < -1500 && y > -100 && y < 100) w.ResultsShown = 1;
}

void Mooring(World& w, int x, int y) {
  if (w.HelmSign == 1 && w.MainBackwindCopy < 50) w.SkipperHike = 2;
  const bool atBuoy = std::abs(x - w.TargetX[1]) < 8 && std::abs(y - w.TargetY[1]) < 8;
  if (atBuoy && w.SpeedOverGround < 30 && w.MainBackwindCopy > kSailsLetFly) w.ResultsShown = 1;
}

void Docking(World& w, int x, int y) {
  if (x > -380 && x < -290 && y > -40 && y < 40) {
    w.DockingSpeedTenths = w.BoatSpeedTenths[1];
    // A gentle landing, or the bang of a hard one; played before the results silence it.
    PlaySoundEvent(w, w.BoatSpeedTenths[1] < 40 ? SoundEvent::kGybeBoom : SoundEvent::kFirstFinish);
    w.ResultsShown = 1;
  }
}

void ManOverboard(World& w) {
  // The fall happens once, on the step that reaches its second, even when a fast simulator
  // step jumps over that second or the clock stands still on it.
  if (w.PreviousSimSeconds < w.OverboardSeconds && w.SimSeconds >= w.OverboardSeconds) {
    PlaySoundEvent(w, SoundEvent::kGoal);
    w.TargetX[1] = static_cast<int>(w.BoatX[1]);
    w.TargetY[1] = static_cast<int>(w.BoatY[1]);
  }
  if (w.SimSeconds < w.OverboardSeconds) return;
  w.Crew1Hike = 0;
  if (w.TargetDistanceYards < 5 && w.BoatSpeedTenths[1] < 30 && w.MainBackwindCopy > kSailsLetFly &&
      w.SimSeconds > w.OverboardSeconds + 6) {
    w.ResultsShown = 1;
  }
}

void CollisionAvoidance(World& w, int x, int y) {
  if (VesselStep(w)) {
    w.ResultsShown = 2;
    return;
  }
  if (x < -3500 && y > -50 && y < 50) w.ResultsShown = 1;
}

}  // namespace

void ApplyExerciseRules(World& w) {
  if (w.ResultsShown > 0) return;
  const int x = static_cast<int>(w.BoatX[1]);
  const int y = static_cast<int>(w.BoatY[1]);
  switch (w.ActivityMode) {
    case Activity::kSteering:
      SteeringPractice(w, x, y);
      break;
    case Activity::kUpwind:
      UpwindSailing(w, x, y);
      break;
    case Activity::kMooring:
      Mooring(w, x, y);
      break;
    case Activity::kDocking:
      Docking(w, x, y);
      break;
    case Activity::kManOverboard:
      ManOverboard(w);
      break;
    case Activity::kSailTrimLesson:
    case Activity::kSailShapeLesson:
      HoldSailLessonScene(w);
      break;
    case Activity::kTrafficRulesLesson:
      w.CameraDistance = 3;
      break;
    case Activity::kCollisionAvoidance:
      CollisionAvoidance(w, x, y);
      break;
    default:
      break;
  }
}
