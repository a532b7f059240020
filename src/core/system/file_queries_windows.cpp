#include "core/system/file_queries.h"
#include "core/system/file_query_parts.h"
#include "core/system/native_path.h"
#include "core/system/windows_handle.h"

#include <exception>

namespace fs = std::filesystem;

namespace jukewright {

using file_query_parts::Admit;

// The system's own directory query: the wildcards, the "." entry of a folder's contents and the
// hidden and system attributes are the system's. Read-only and archive files are ordinary files.
bool file_query_parts::directoryQuery(const std::string& path, Admit admit) {
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    std::wstring pattern = widePath(path);
    if (pattern.empty())
        return false;
    // A trailing separator asks about the folder's contents.
    if (isSeparator(path.back()))
        pattern += L'*';
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    DWORD refused = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (admit == Admit::FilesOnly)
        refused |= FILE_ATTRIBUTE_DIRECTORY;
    bool found = false;
    do {
        found = (entry.dwFileAttributes & refused) == 0 && entry.cFileName[0] != L'\0';
    } while (!found && FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

std::error_code readOnlyFolderError(const fs::path&) {
    // A folder's read-only attribute on Windows marks a customised folder, not a protected one.
    return {};
}

std::optional<FileFacts> regularFileFacts(const fs::path& path, bool followLinks) {
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const Handle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, flags, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.get(), &info))
        return std::nullopt;
    if (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
        return std::nullopt;
    const auto ticks = static_cast<std::int64_t>(fileTimeTicks(info.ftLastWriteTime));
    return FileFacts{
        {info.dwVolumeSerialNumber, (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow},
        {(static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow, (ticks - UnixEpochTicks) * 100}};
}

bool isRegularFile(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

std::vector<std::string> logicalDriveRoots() {
    std::vector<std::string> roots;
    const DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (drives & (1u << letter))
            roots.push_back(std::string(1, static_cast<char>('A' + letter)) + ":\\");
    }
    return roots;
}

} // namespace jukewright
