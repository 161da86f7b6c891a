// The five wind puffs upwind of the user's boat.
#pragma once

struct World;

// Fills slot i (1..5) with a new puff somewhere upwind of the user's boat.
void CreatePuff(World& w, int i);

// Re-creates, in slot order, every puff whose expiry second has passed.
void RenewExpiredPuffs(World& w);
