#include "core/system/data_folder.h"

#include "core/system/native_path.h"

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace jukewright {

std::string executableFolder() {
    std::error_code error;
#ifdef _WIN32
    std::wstring buffer(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(length);
    const fs::path executable(buffer);
#else
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
#endif
    if (error)
        return fs::current_path(error).string();
    return pathUtf8(executable.parent_path());
}

std::string findDataFolder(const std::string& executableFolder) {
    std::error_code error;
    if (fs::is_directory(fsPath(executableFolder) / "kb_act", error))
        return executableFolder;
    return pathUtf8((fsPath(executableFolder).parent_path() / "share" / "jukewright").lexically_normal());
}

} // namespace jukewright
