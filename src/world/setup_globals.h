// What the activity set-up builds: targets, weather, current, shoreline, scenery and depth.
#pragma once

#include <cstdint>

struct SetupGlobals {
};
