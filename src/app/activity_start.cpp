#include "app/activity_start.h"

#include "world/world.h"

void StartActivity(World& w) {
  w.SailingState = 2;
}
