// Where the settings file lives. Started from a terminal the program keeps it in the current
// directory; started from the desktop menu (whose entry passes --desktop) the current
// directory is wherever the session began, so it goes to the user's data folder instead.
#pragma once

#include <string>

constexpr const char* kDesktopOption = "--desktop";

// The settings file's path. xdgDataHome and home are the environment's XDG_DATA_HOME and HOME
// (null when unset). An unset, empty or relative XDG_DATA_HOME means ~/.local/share, as the
// XDG base directory rules say; without a home either, the current directory is used.
std::string SettingsFilePath(bool fromDesktop, const char* xdgDataHome, const char* home);
