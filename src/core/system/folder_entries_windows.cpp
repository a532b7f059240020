#include "core/system/folder_entries.h"
#include "core/system/native_path.h"

#include <windows.h>

namespace fs = std::filesystem;

namespace jukewright {

std::optional<std::vector<FolderEntry>> folderEntries(const fs::path& folder,
                                                      const std::function<bool(std::string_view)>& inspect) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileExW((folder / L"*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            return entries;
        return std::nullopt;
    }
    // File times count 100 ns ticks from 1601.
    constexpr std::int64_t unixEpochTicks = 116'444'736'000'000'000;
    do {
        const std::wstring_view wide = data.cFileName;
        if (wide == L"." || wide == L"..")
            continue;
        FolderEntry found{utf8FromWide(wide), std::nullopt, std::nullopt};
        constexpr DWORD notAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT;
        if (inspect(found.name) && (data.dwFileAttributes & notAFile) == 0) {
            const auto ticks =
                static_cast<std::int64_t>((static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                          data.ftLastWriteTime.dwLowDateTime);
            found.stamp = FileStamp{(static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                                    (ticks - unixEpochTicks) * 100};
        }
        entries.push_back(std::move(found));
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return entries;
}

} // namespace jukewright
