#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace jukewright {

// The path of a playlist entry that names its file from a root, or nothing for an entry that is
// relative to the playlist's folder. A drive-letter entry ("C:\...") is taken as it stands; on POSIX
// so is an entry that starts with "/"; a local "file://" URI gives the path it names.
std::optional<std::string> absoluteEntryPath(std::string_view entry);

} // namespace jukewright
