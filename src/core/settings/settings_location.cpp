#include "core/settings/settings_location.h"

#include "core/system/native_path.h"
#include "core/system/settings_folder.h"

#include <filesystem>

namespace jukewright {

SettingsLocation settingsLocation() {
    const std::string folder = settingsFolder();
    if (folder.empty())
        return {"settings.jst", "preferences.ini"};
    std::error_code error;
    std::filesystem::create_directories(fsPath(folder), error);
    const std::filesystem::path base = fsPath(folder);
    return {pathUtf8(base / "settings.jst"), pathUtf8(base / "preferences.ini")};
}

} // namespace jukewright
