// The boat set-up: from the boat type (and the Design dialog's values) to the hull class,
// the family flags and the constants the boat model reads; and the sail-power presets.
#pragma once

#include <cstdint>

struct World;

// Derives HullClass, the family flags, ScaleLength, DisplacementClass, SailAreaClass,
// RigHeightPercent, SpinnakerKind, HelmSign, the extra class flags and TimeScale from
// BoatType; resets JibSize, JibLuff, Reefed and JibFurl. Runs before every title-screen
// paint and when an activity starts.
void SetUpBoatClass(World& w);

// One sail-power preset: the controls it sets, by the boat's size.
struct SailPowerPreset {
  int32_t outhaul;        // also Cunningham and JibLuff
  int32_t forestay;
  int32_t mastBend;       // boats above class 3
  int32_t vang;           // classes 1 to 3
  int32_t spritTension;   // the OP dinghy
};

// Presets 1 (minimum), 2 (middle) and 3 (maximum); entry 0 is not a preset.
const SailPowerPreset& SailPowerPresetFor(int preset);

// Applies preset 1..3 and records it in SailPowerPreset; other values do nothing.
void ApplySailPowerPreset(World& w, int preset);
