#include "core/system/data_folder.h"
#include "core/system/native_path.h"
#include "core/system/settings_folder.h"

#include <filesystem>
#include <windows.h>
// These need windows.h before them.
#include <shlobj.h>

namespace jukewright {

namespace {

std::string roamingAppData() {
    wchar_t* folder = nullptr;
    std::string text;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder)))
        text = utf8FromWide(folder);
    CoTaskMemFree(folder);
    return text;
}

} // namespace

std::string settingsFolder() {
    const std::string program = executableFolder();
    std::error_code error;
    if (std::filesystem::is_regular_file(utf8Path(program) / "portable", error))
        return program;
    const std::string appData = roamingAppData();
    return appData.empty() ? std::string() : appData + "\\Jukewright";
}

} // namespace jukewright
