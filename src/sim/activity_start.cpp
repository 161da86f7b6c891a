#include "sim/activity_start.h"

#include "boat/boat_setup.h"
#include "sim/activity_setup.h"
#include "sim/replay_record.h"
#include "state/activity.h"
#include "state/world.h"
#include "world/scenery.h"
#include "world/shoreline.h"
#include "world/weather.h"

void StartActivity(World& w) {
  SetUpBoatClass(w);
  SetUpActivity(w);
  if (!IsRace(w.ActivityMode)) SetUpWeather(w);
  if (w.SailingArea != 2) SetUpShoreline(w);
  w.SceneryObjectCount = w.SailingArea != 2 ? 5 : 12;
  if (w.ActivityMode == Activity::kCollisionAvoidance) {
    w.SceneryObjectCount = 0;
  } else {
    for (int i = 1; i <= w.SceneryObjectCount; ++i) SetUpScenery(w, i);
  }
  ResetRecording(w);
  w.SailingState = 2;
}
