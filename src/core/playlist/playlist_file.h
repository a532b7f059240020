#pragma once

#include "core/playlist/playlist_view.h"

#include <optional>
#include <string>
#include <vector>

namespace jukewright {

inline constexpr const char* PlaylistNotOpenedText = "Error: the playlist could not be opened: ";

// The rows of a playlist file as UTF-8 text (a file that is not valid UTF-8 is read as
// Windows-1252), split by the system's own line ends. A file that cannot be read is named in a
// message and gives nothing.
std::optional<std::vector<std::string>> readPlaylistRows(PlaylistView& view, const std::string& s_path);

} // namespace jukewright
