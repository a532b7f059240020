#pragma once

#include "core/system/file_error.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace jukewright {

// The whole content of a file, or the error that stopped the read.
struct FileContent {
    std::string bytes;
    std::error_code error;
};
// A file of more than `maxBytes` bytes is not read: the error is std::errc::file_too_large.
FileContent readFileBytes(std::string_view path, std::size_t maxBytes = SIZE_MAX);
// The same for a path the system takes as it is (see fsPath and sourceFsPath).
FileContent readNativeFileBytes(const std::filesystem::path& path, std::size_t maxBytes = SIZE_MAX);

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

// Removes the temporary files that killed saves left in `folder`: those whose process is gone or
// that were last changed over ten minutes ago (by their change time: a copy carries its source's
// modification time), never those of a save still running.
void removeStrayTemporaries(const std::filesystem::path& folder);

} // namespace jukewright
