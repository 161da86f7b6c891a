#include "sim/activity_start.h"

#include "boat/boat_setup.h"
#include "sim/activity_setup.h"
#include "state/world.h"
#include "world/scenery.h"
#include "world/shoreline.h"
#include "world/weather.h"

void StartActivity(World& w) {
  SetUpBoatClass(w);
  SetUpActivity(w);
  if (w.ActivityMode < 13) SetUpWeather(w);
  if (w.SailingArea != 2) SetUpShoreline(w);
  w.SceneryObjectCount = w.SailingArea != 2 ? 5 : 12;
  if (w.ActivityMode == 8) {
    w.SceneryObjectCount = 0;
  } else {
    for (int i = 1; i <= w.SceneryObjectCount; ++i) SetUpScenery(w, i);
  }
  w.SailingState = 2;
}
