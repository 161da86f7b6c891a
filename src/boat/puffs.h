// The five wind puffs upwind of the user's boat; the weather set-up creates them.
#pragma once

#include "world/weather.h"

struct World;

// Re-creates, in slot order, every puff whose expiry second has passed.
void RenewExpiredPuffs(World& w);
