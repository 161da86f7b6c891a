// The boat model's per-boat state, the helm, puffs and wave crests.
#pragma once

#include <cstdint>

#include "world/globals_fleet.h"

struct DynamicsGlobals {
  // --- Helm -------------------------------------------------------------------------------
  int32_t HelmInput = 0;     // steering value / 10: the rudder shown and used by the helm
  int32_t AutoManoeuvre = 0; // +1 commanded tack, -1 commanded head-up to close-hauled

  // --- Sails ------------------------------------------------------------------------------
  PerBoat<int32_t> SpinnakerFlying{};
};
