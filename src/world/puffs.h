// The five wind puffs upwind of the user's boat: laid by the weather set-up, renewed as they
// expire.
#pragma once

struct World;

// Puff i (1..5): a new gust patch upwind of the user's boat.
void CreatePuff(World& w, int i);

// Re-creates, in slot order, every puff whose expiry second has passed.
void RenewExpiredPuffs(World& w);
