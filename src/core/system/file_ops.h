#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace jukewright {

// Failures the operating system has no code for.
enum class FileError {
    NotRegularFile = 1, // a folder, a fifo or a device where a file should be
    ReadOnly,           // the person cleared the file's write bit (set its read-only attribute) to protect it
    NotFolder,          // a file where a folder should be
};
const std::error_category& fileErrorCategory();
std::error_code make_error_code(FileError error);

} // namespace jukewright

template <> struct std::is_error_code_enum<jukewright::FileError> : std::true_type {};

namespace jukewright {

// No file can be opened by a longer path: the system refuses it before looking.
#ifdef _WIN32
inline constexpr std::size_t LongestPathBytes = 3 * 32767;
#else
inline constexpr std::size_t LongestPathBytes = 4096;
#endif

// Each returns the error that stopped it, or an empty code when it was done.

// Creates one folder; its parent must exist. An existing folder is no error. A folder made by root
// belongs to the owner of its parent, so that the player's own later saves can still write into it.
// A parent the player made read-only (see readOnlyFolderError) gets no new folder.
std::error_code createFolder(std::string_view path);

// Writes the bytes to a temporary file beside the target, flushes it to the disk and renames it over
// the target, so that a kill or a full disk leaves the old file or the new one, never a cut-short
// one. See replaceableTarget for what is refused; the new file keeps the old one's owner, group and
// mode (on Windows its hidden and system attributes).
std::error_code replaceFileAtomically(std::string_view path, std::string_view bytes);
std::error_code replaceFileAtPath(const std::filesystem::path& target, std::string_view bytes);

// As replaceFileAtPath, but the new file takes the owner, group and mode of the file at `model`
// (POSIX), never more open: when the owner or group cannot be given, only this user may use it.
std::error_code writeFileLike(const std::filesystem::path& target, std::string_view bytes,
                              const std::filesystem::path& model);

// Whether a file may be replaced at `target`: nothing there, a regular file this user may write
// whose owner-write bit is set (else ReadOnly, or the cause), or a symbolic link (the link is
// replaced, never written through). Anything else is NotRegularFile.
std::error_code replaceableTarget(const std::filesystem::path& target);

// A copy or a file's new bytes written under a temporary name beside its target; commitCopy renames
// it into place, discardCopy removes it.
struct StagedCopy {
    std::filesystem::path temporary;
    std::filesystem::path target;
};

// Writes the bytes to a temporary file beside `target` and flushes it to the disk, as
// replaceFileAtPath does before its rename, so that several files can be put in place together once
// all of them are written. Nothing is left behind on failure.
std::error_code stageFile(const std::filesystem::path& target, std::string_view bytes, StagedCopy& staged);

// Copies a regular file to a temporary file beside `target`, carrying the source's modification time
// (so that a later save can tell the copy is current). The target is checked as replaceableTarget
// does. Nothing is left behind on failure.
std::error_code stageCopy(const std::filesystem::path& source, const std::filesystem::path& target, StagedCopy& staged);
std::error_code commitCopy(const StagedCopy& staged);
void discardCopy(const StagedCopy& staged);

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

// Removes the temporary files that killed saves left in `folder`: those whose process is gone or
// that were last changed over ten minutes ago (by their change time: a copy carries its source's
// modification time), never those of a save still running.
void removeStrayTemporaries(const std::filesystem::path& folder);

#ifdef _WIN32
// A Windows error code (GetLastError) as the usual error number where there is one.
std::error_code windowsErrorCode(unsigned long code);
#endif

// The reason of a failure in the person's words.
std::string describeError(const std::error_code& error);

} // namespace jukewright
