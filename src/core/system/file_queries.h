#pragma once

#include "core/system/file_error.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

// Answer like a directory query: the last component may hold the wildcards "*" and "?", a trailing
// separator stands for the folder's contents, hidden entries (on Windows those with the hidden or
// the system attribute, elsewhere a name starting with ".") are not seen, and every error, the empty
// path included, is simply false.
bool FileExists(std::string path);
// The same query, admitting folders as well as ordinary files.
bool FolderExists(std::string path);

// Whether the text names an existing folder, taken literally: one trailing separator is no part of
// the name, and a pattern or a file is no folder, whatever the directory query says. The save, the
// check and the command line accept a mod folder by this one rule.
bool isExistingFolderText(std::string text);

// Plain questions about the file system, for finding installed games. Unlike FileExists and
// FolderExists they take every name as it is (no wildcards, hidden names seen) and never touch the
// separators of the text; every error answers false or empty.

bool isFolder(std::string_view path);
bool isFile(std::string_view path);

// The absolute path with every link resolved, or empty when the path does not exist.
std::string canonicalPath(std::string_view path);

// The path of the entry of the folder whose name matches, ignoring ASCII case (an exact match
// first), or empty. Older Steam installations write "SteamApps", newer ones "steamapps".
std::string entryAnyCase(std::string_view folder, std::string_view name);

// The names of the folder's subfolders, sorted; empty when it cannot be read.
std::vector<std::string> subfolderNames(std::string_view folder);

// The folder and a name joined with the system's separator.
std::string joinPath(std::string_view folder, std::string_view name);

// One file on one device: two paths with equal identities name the same file.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
// The identity of the regular file at `path` (following links, or of the link itself when
// `followLinks` is false); nothing when there is no regular file or the system cannot say.
std::optional<FileIdentity> regularFileIdentity(const std::filesystem::path& path, bool followLinks);

// The size and modification time of a regular file; the time counts nanoseconds from 1970 on every
// system, so that a mod folder on a disk both systems use reads the same on both.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    bool operator==(const FileStamp&) const = default;
};
// The stamp of the regular file at `path` (following links, or of the link itself when `followLinks`
// is false); nothing when there is no regular file or the system cannot say.
std::optional<FileStamp> regularFileStamp(const std::filesystem::path& path, bool followLinks);

// Both at once, from one question to the system.
struct FileFacts {
    FileIdentity identity;
    FileStamp stamp;
};
std::optional<FileFacts> regularFileFacts(const std::filesystem::path& path, bool followLinks);

// ReadOnly for a folder whose owner-write bit is clear (the player protected it; this holds for root
// too), the cause when the folder cannot be inspected, nothing for any other folder or none. Windows
// has no such protection of folders.
std::error_code readOnlyFolderError(const std::filesystem::path& folder);

// True when `path` itself (no wildcard, following links) names a regular file.
bool isRegularFile(const std::filesystem::path& path);

#ifdef _WIN32
// The roots of the drives that exist ("C:\\", "D:\\", ...), asked without touching them, so that an
// empty drive never raises the system's error box.
std::vector<std::string> logicalDriveRoots();
#endif

} // namespace jukewright
