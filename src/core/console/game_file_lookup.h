#pragma once

#include "core/console/engine_rules.h"

#include <optional>
#include <string>
#include <string_view>

namespace jukewright {

// The most the console and the check read of any file: a jukebox of 9,999 tracks is about 13 MiB.
inline constexpr std::size_t MaxConsoleFileBytes = std::size_t{16} << 20;

// The file an engine opens for `relative` in the mod folder, as a path the core composes, or nothing
// when its file system refuses the path. Half-Life takes the path as given (the file need not
// exist); Xash3D's file system finds each folder and the file ignoring letter case, and refuses a
// path holding "..", ":" or "\\" (which it never splits on) or naming nothing that exists.
std::optional<std::string> gameFilePath(const std::string& modFolder, std::string_view relative, FileLookup lookup);

// Whether Xash3D's file system refuses the path before looking: it holds "..", ":" or "\\".
bool engineFileSystemRefuses(std::string_view path);

// Why the engine's exec refuses the name, or nothing. Half-Life: "invalid path" for a name holding
// \, .., : or ~ or starting with /, then "not a .cfg or .rc file" unless the extension, from the
// first dot on, is one of them ignoring case. Xash3D: "invalid path" for a name its file system
// refuses.
std::optional<std::string> execRefusal(std::string_view name, const EngineRules& rules);
// The file exec opens for a name it takes: Xash3D adds ".cfg" to a name without an extension.
std::string execFileName(std::string_view name, const EngineRules& rules);

// Whether the last part of a "/"-separated path holds a dot.
bool hasExtension(std::string_view path);

// Whether the file, links followed, lies inside the mod folder, links followed too.
bool isInsideModFolder(const std::string& modFolder, const std::string& path);

} // namespace jukewright
