#include "app/document.h"

#include <algorithm>
#include <ctime>

#include "state/angles.h"
#include "state/world.h"

SettingsLoad ConstructDocument(World& w, const DocumentOptions& options) {
  SettingsLoad load = SettingsLoad::Missing;
  if (!options.settingsPath.empty()) load = ReadSettingsFile(w, options.settingsPath);
  if (load != SettingsLoad::Loaded) ApplyBuiltInSettings(w);
  ValidateSettings(w, std::min(options.screenWidth, 1280));

  // Pen sizes follow the screen height until the first paint knows the frame.
  w.PenScaleWidth = options.screenHeight;
  w.PenWidthLarge = std::max(1, w.PenScaleWidth / 75);
  w.PenWidthMedium = std::max(1, w.PenScaleWidth / 120);
  w.PenWidthSmall = std::max(1, w.PenScaleWidth / 200);
  w.PenWidthThin = w.PenScaleWidth / 300 + 1;

  FillTrigTables(w.SinTable, w.CosTable);

  w.rng.Seed(options.seed ? *options.seed : static_cast<uint32_t>(std::time(nullptr)));
  for (int32_t& r : w.RandomTable) r = RandomBelow(w, 100);
  return load;
}

bool DestroyDocument(const World& w, const std::string& settingsPath) {
  if (settingsPath.empty()) return true;
  return WriteSettingsFile(w, settingsPath);
}
