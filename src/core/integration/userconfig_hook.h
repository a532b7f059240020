#pragma once

#include "core/file_failure.h"

#include <optional>
#include <string>
#include <string_view>

namespace jukewright {

// The row that makes the game run the jukebox script whenever it runs userconfig.cfg.
inline constexpr const char* UserConfigHookRow = "exec mp3.cfg";

// Makes "<modFolder>\userconfig.cfg" hold the row "exec mp3.cfg": a file that has it is left alone,
// any other file keeps its rows and gains it as its last row, a missing file is created with it.
// A file of the player's is first kept as "userconfig.cfg.jukewright-backup" (see keepBackup).
// Returns the file when it could not be read or written; an unreadable file is never overwritten.
std::optional<FileFailure> HookUserConfig(const std::string& modFolder);

// The file without its hook: every row that is exactly "exec mp3.cfg" is dropped with its line end
// (CR LF, CR or LF); every other byte stays as it was.
std::string userConfigWithoutHook(std::string_view bytes);

} // namespace jukewright
