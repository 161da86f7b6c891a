// The settings file: 36 little-endian 32-bit fields, 144 bytes, no header. The last field was
// added later: a file of the older 35 fields (140 bytes) still loads, and a program that reads
// only 140 bytes still reads a new file.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

struct World;

constexpr int kSettingsFieldCount = 36;
constexpr int kSettingsFileBytes = kSettingsFieldCount * 4;
constexpr int kOlderSettingsFieldCount = 35;
constexpr int kOlderSettingsFileBytes = kOlderSettingsFieldCount * 4;
constexpr const char* kSettingsFileName = "op.bm";

using SettingsFields = std::array<int32_t, kSettingsFieldCount>;

// The fields in file order, read from or written into the world.
SettingsFields CollectSettings(const World& w);
void StoreSettings(World& w, const SettingsFields& fields);

enum class SettingsLoad { Loaded, Missing, Unreadable };

// Reads the file into the world. A missing file, one shorter than 140 bytes or one that
// cannot be read leaves the world as it is and says so; the caller applies the built-ins.
// The fields an older file lacks keep the value the world holds.
SettingsLoad ReadSettingsFile(World& w, const std::string& path);

// Writes the file through a temporary file, synced to disk and then renamed over it, so that a
// failed or interrupted save leaves the previous file whole. Returns false when nothing was
// replaced. beforeReplace runs once the new contents are on disk, just before the rename: the
// test of an interrupted save stops the process there.
bool WriteSettingsFile(const World& w, const std::string& path,
                       const std::function<void()>& beforeReplace = {});

// The values a world holds when no file was read.
void ApplyBuiltInSettings(World& w);

// Whether a load keeps value in the given field (0-based, file order); any other value goes
// back to the field's fallback.
bool SettingsFieldAccepts(int field, int32_t value);
// The first field whose value a load would not keep, or -1 when every one would be kept.
int FirstRejectedSettingsField(const World& w);

// Brings every loaded field into its range and derives the state that follows from them.
// screenWidth is the capped screen width; a vertical steering zone does not fit below 700.
void ValidateSettings(World& w, int screenWidth);
