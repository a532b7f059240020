#include "core/system/music_folder.h"
#include "core/system/native_path.h"

#include <windows.h>
// These need windows.h before them.
#include <shlobj.h>

namespace jukewright {

std::string musicFolder() {
    wchar_t* folder = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_Music, 0, nullptr, &folder);
    std::string text = SUCCEEDED(result) ? utf8FromWide(folder) : std::string();
    CoTaskMemFree(folder);
    return text;
}

} // namespace jukewright
