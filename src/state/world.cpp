#include "state/world.h"

#include <cstdlib>

#include "platform/tick_clock.h"

int RandomBelow(World& w, int n) {
  int m = std::abs(n);
  if (m < 2) m = 2;
  // Above 32000 the divisor would be zero; the largest draw then stays below 32768.
  const int divisor = m > 32000 ? 1 : 32000 / m;
  return w.rng.Next() / divisor;
}

uint32_t NowMs(const World& w) { return w.services.clock ? w.services.clock->NowMs() : 0; }
