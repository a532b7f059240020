#include "win32/platform/known_folders.h"

#include "core/startup/startup.h"
#include "core/system/native_path.h"
#include "win32/kit/wide_text.h"

#include <filesystem>
#include <windows.h>
// These need windows.h before them.
#include <shlobj.h>

namespace jukewright::win32 {

namespace {

constexpr const wchar_t* FontsKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
constexpr const wchar_t* FontValueName = L"HLFLIFE2 (TrueType)";

// The known folder, created when missing, or "" after the system's reason was shown.
std::string knownFolder(REFKNOWNFOLDERID id, const std::string& below, MessageView& messages) {
    wchar_t* folder = nullptr;
    const HRESULT result = SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &folder);
    std::string text = SUCCEEDED(result) ? utf8(folder) + below : std::string();
    CoTaskMemFree(folder);
    std::error_code error;
    if (SUCCEEDED(result) && !below.empty())
        std::filesystem::create_directories(utf8Path(text), error);
    if (FAILED(result) || error) {
        messages.showMessage({systemErrorText(FAILED(result) ? static_cast<unsigned long>(result)
                                                             : static_cast<unsigned long>(error.value())),
                              TitlePlain});
        return {};
    }
    return text;
}

bool registerInUserFonts(const std::wstring& file) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, FontsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const auto bytes = static_cast<DWORD>((file.size() + 1) * sizeof(wchar_t));
    const bool stored = RegSetValueExW(key, FontValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(file.c_str()),
                                       bytes) == ERROR_SUCCESS;
    RegCloseKey(key);
    return stored;
}

} // namespace

void ResolveSpecialFolders(AppState& state, MessageView& messages) {
    state.MusicFolder = knownFolder(FOLDERID_Music, "", messages);
    state.FontsFolder = knownFolder(FOLDERID_LocalAppData, "\\Microsoft\\Windows\\Fonts", messages);
}

void registerFontForUser(const AppState& state, const std::string& dataFolder) {
    std::error_code error;
    const std::filesystem::path copy = utf8Path(state.FontsFolder) / FontFileName;
    if (!state.FontsFolder.empty() && std::filesystem::is_regular_file(copy, error) &&
        registerInUserFonts(copy.wstring())) {
        AddFontResourceExW(copy.wstring().c_str(), 0, nullptr);
        return;
    }
    const std::filesystem::path own =
        std::filesystem::is_regular_file(copy, error) ? copy : utf8Path(dataFolder) / FontFileName;
    AddFontResourceExW(own.wstring().c_str(), FR_PRIVATE, nullptr);
}

} // namespace jukewright::win32
