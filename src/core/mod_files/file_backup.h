#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace jukewright {

// The name of the copy kept of a file of the player's before our first change to it.
inline constexpr std::string_view BackupSuffix = ".jukewright-backup";
std::string backupPath(std::string_view path);

// Keeps a copy of the file at `path` beside it as backupPath(path), written atomically, so that the
// player can always go back to the file as it was before the program first changed it. Nothing is
// done when there is no file, or when a copy is already there: the first copy is the one that matters
// and is never overwritten. Returns the error that stopped the copy.
std::error_code keepBackup(std::string_view path);

} // namespace jukewright
