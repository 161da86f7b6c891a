// The document: created at start-up, where it loads the settings and prepares the tables;
// destroyed at exit, where it saves the settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "world/settings_file.h"

struct World;

struct DocumentOptions {
  std::string settingsPath;        // empty: no file, built-in values
  std::optional<uint32_t> seed;    // the generator's state; none: the calendar time
  int screenWidth = 0;             // the display, for the checks that depend on it
  int screenHeight = 0;
};

// Returns how the settings were found.
SettingsLoad ConstructDocument(World& w, const DocumentOptions& options);

// Saves the settings; false when the file could not be replaced (the old one is then kept).
bool DestroyDocument(const World& w, const std::string& settingsPath);
