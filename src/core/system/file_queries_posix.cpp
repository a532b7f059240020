#include "core/system/file_queries.h"
#include "core/system/file_query_parts.h"
#include "core/system/native_path.h"

#include <cerrno>
#include <exception>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace jukewright {

using file_query_parts::Admit;

namespace {

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
        const std::string name = pathUtf8(it->path().filename());
        if (isHidden(name) || !wildcardMatch(pattern, name))
            continue;
        std::error_code statusError;
        if (admitted(it->status(statusError), admit) && !statusError)
            return true;
    }
    return false;
}

} // namespace

bool file_query_parts::directoryQuery(const std::string& path, Admit admit) {
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
    const std::string name = pathUtf8(native.filename());
    if (hasWildcard(name)) {
        const fs::path folder = native.has_parent_path() ? native.parent_path() : fs::path(".");
        return anyEntryMatches(folder, name, admit);
    }
    if (isHidden(name))
        return false;
    const fs::file_status status = fs::status(native, ec);
    return !ec && admitted(status, admit);
}

std::error_code readOnlyFolderError(const fs::path& folder) {
    struct stat info {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &info) != 0)
        return errno == ENOENT ? std::error_code{} : std::error_code(errno, std::generic_category());
    return S_ISDIR(info.st_mode) && (info.st_mode & S_IWUSR) == 0 ? make_error_code(FileError::ReadOnly)
                                                                  : std::error_code{};
}

std::optional<FileFacts> regularFileFacts(const fs::path& path, bool followLinks) {
    struct stat info {};
    const int result = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (result != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileFacts{{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)},
                     {static_cast<std::uint64_t>(info.st_size),
                      static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec}};
}

bool isRegularFile(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace jukewright
