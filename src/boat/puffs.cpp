#include "boat/puffs.h"

#include "world/world.h"

void RenewExpiredPuffs(World& w) {
  for (int i = 1; i <= kPuffCount; ++i) {
    if (w.PuffExpiry[i] < w.SimSeconds) CreatePuff(w, i);
  }
}
