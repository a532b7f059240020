#pragma once

#include <string>

namespace jukewright {

// Where a window program keeps what outlives a run: settings.jst, and preferences.ini beside it.
struct SettingsLocation {
    std::string settingsFile;
    std::string preferencesFile;
};

// The files in the settings folder of this system (see settingsFolder), whose folder is created first.
// With no folder to be had, the names stand alone, in the working folder, and the settings store says
// so when it cannot use them.
SettingsLocation settingsLocation();

} // namespace jukewright
