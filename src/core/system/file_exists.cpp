#include "core/system/file_exists.h"

#include "core/system/native_path.h"

#include <exception>
#include <filesystem>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace jukewright {

namespace {

enum class Admit { FilesOnly, FilesAndFolders };

#ifdef _WIN32

// The system's own directory query: the wildcards, the "." entry of a folder's contents and the
// hidden and system attributes are the system's. Read-only and archive files are ordinary files.
bool query(const std::string& path, Admit admit) {
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

#else

bool hasWildcard(std::string_view name) {
    return name.find_first_of("*?") != std::string_view::npos;
}

bool isHidden(std::string_view name) {
    return name.starts_with('.') && name != "." && name != "..";
}

// "*" matches any run of characters, "?" exactly one; every other character matches itself.
bool wildcardMatch(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool admitted(const fs::file_status& status, Admit admit) {
    if (fs::is_regular_file(status))
        return true;
    return admit == Admit::FilesAndFolders && fs::is_directory(status);
}

bool anyEntryMatches(const fs::path& folder, std::string_view pattern, Admit admit) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return false;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            return false;
        const std::u8string utf8Name = it->path().filename().u8string();
        const std::string name(utf8Name.begin(), utf8Name.end());
        if (isHidden(name) || !wildcardMatch(pattern, name))
            continue;
        std::error_code statusError;
        if (admitted(it->status(statusError), admit) && !statusError)
            return true;
    }
    return false;
}

bool query(const std::string& path, Admit admit) {
    // A NUL would cut the name short at the system call and ask about another file.
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    std::error_code ec;
    const fs::path native = sourceFsPath(path);
    if (isSeparator(path.back())) {
        // The folder's contents: files need one ordinary file in it, folders are answered by the
        // folder's own "." entry.
        if (!fs::is_directory(native, ec))
            return false;
        return admit == Admit::FilesAndFolders || anyEntryMatches(native, "*", admit);
    }
    // The last component of the path that is asked about: on POSIX a backslash in a name that exists as
    // given is part of that name.
    const std::u8string utf8Name = native.filename().u8string();
    const std::string name(utf8Name.begin(), utf8Name.end());
    if (hasWildcard(name)) {
        const fs::path folder = native.has_parent_path() ? native.parent_path() : fs::path(".");
        return anyEntryMatches(folder, name, admit);
    }
    if (isHidden(name))
        return false;
    const fs::file_status status = fs::status(native, ec);
    return !ec && admitted(status, admit);
}

#endif

// No error ever leaves the check: a name the system cannot even represent is simply not there.
bool answer(const std::string& path, Admit admit) {
    try {
        return query(path, admit);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

bool FileExists(std::string path) {
    return answer(path, Admit::FilesOnly);
}

bool FolderExists(std::string path) {
    return answer(path, Admit::FilesAndFolders);
}

} // namespace jukewright
