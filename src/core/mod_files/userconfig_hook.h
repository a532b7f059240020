#pragma once

#include "core/console/engine_rules.h"
#include "core/file_failure.h"

#include <optional>
#include <string>
#include <string_view>

namespace jukewright {

// The row that makes the game run the jukebox script whenever it runs userconfig.cfg.
inline constexpr const char* UserConfigHookRow = "exec mp3.cfg";

// Where the game runs the hook: the offset of the first row that is exactly "exec mp3.cfg" and
// stands at the start of the file or after an LF (a lone CR does not end a command, so a row after
// one belongs to the command before it). A row ends at an LF, or a CR LF.
std::optional<std::size_t> hookRowOffset(std::string_view bytes);

// The line (counted from 1, lines ending at LF) of a NUL byte at which the engine stops reading the
// file before it reaches the hook, or nothing. Half-Life reads a file that fits its command buffer
// only up to its first NUL; Xash3D drops only the rest of that line.
std::optional<std::size_t> nulLineBeforeHook(std::string_view bytes, const EngineRules& rules);

// Makes "<modFolder>\userconfig.cfg" hold the row "exec mp3.cfg": a file that has it is left alone,
// any other file keeps its bytes and gains it as its last row, after an LF, and a missing file is
// created with it.
// A file of the player's is first kept as "userconfig.cfg.jukewright-backup" (see keepBackup).
// Returns the file when it could not be read or written; an unreadable file is never overwritten.
std::optional<FileFailure> HookUserConfig(const std::string& modFolder);

// The file without its hook: every row that is exactly "exec mp3.cfg" is dropped with its line end
// (CR LF, CR or LF); every other byte stays as it was.
std::string userConfigWithoutHook(std::string_view bytes);

} // namespace jukewright
