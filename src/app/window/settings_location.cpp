#include "app/window/settings_location.h"

#include "world/settings_file.h"

std::string SettingsFilePath(bool fromDesktop, const char* xdgDataHome, const char* home) {
  if (!fromDesktop) return kSettingsFileName;
  std::string dataHome;
  if (xdgDataHome && xdgDataHome[0] == '/') {
    dataHome = xdgDataHome;
  } else if (home && home[0] != '\0') {
    dataHome = std::string(home) + "/.local/share";
  } else {
    return kSettingsFileName;
  }
  while (dataHome.size() > 1 && dataHome.back() == '/') dataHome.pop_back();
  return dataHome + "/brisamar/" + kSettingsFileName;
}
