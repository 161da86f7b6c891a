// The settings-file fuzz: a seeded stream of damaged settings files (bits flipped, cut
// short, lengthened, random bytes, one field out of range, empty) loaded through the
// document's real loader; after each load every value must be one the file keeps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SettingsFuzzOptions {
  uint32_t seed = 1;
  long files = 100000;
  std::string directory;  // where the file is written; it must exist
  long sailEvery = 50;    // every this many files a session starts from it and sails a little
};

// The damage done to a valid file.
enum class SettingsDamage { Valid, BitFlips, Truncated, Extended, RandomBytes, OneFieldOut, Empty, Older, kCount };

struct SettingsFuzzCounts {
  long files = 0;
  long loaded = 0;    // read as a settings file
  long builtIn = 0;   // too short: the built-in values
  long sailed = 0;
  std::vector<long> byDamage = std::vector<long>(static_cast<int>(SettingsDamage::kCount));
  // "file N (damage): what was wrong", the first few.
  std::vector<std::string> faults;
};

// The bytes of a damaged file, from a generator seeded for this file.
std::vector<unsigned char> DamagedSettingsFile(uint32_t seed, SettingsDamage* damage);

SettingsFuzzCounts FuzzSettingsFiles(const SettingsFuzzOptions& options);
