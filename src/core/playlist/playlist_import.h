#pragma once

#include "core/app_state.h"
#include "core/message.h"
#include "core/playlist/playlist_view.h"
#include "core/playlist/track_list.h"

#include <string>
#include <string_view>

namespace jukewright {

inline constexpr const char* NotAPlaylistText = "Error: a playlist file has not been selected: ";

enum class PlaylistKind { None, Pls, ExtendedM3u };

// The importer a file name asks for, by its exact, case-sensitive ending: ".pls", or ".m3u" and
// ".m3u8" (the name Linux players give UTF-8 M3U files).
PlaylistKind playlistKindOf(std::string_view fileName);

// Imports the playlist the dialog returned, unless cancelled; a name of any other kind is refused
// with a message and changes nothing, and a playlist none of whose tracks exist says so. Shared by
// the import command and the command line.
void importPlaylist(AppState& state, PlaylistView& view, const std::string& fileName, PlaylistFull& full);

// Said when none of the MP3 entries of a playlist names an existing file.
Message noTracksFoundMessage(std::size_t entries, const std::string& playlistName);

// The import command given the name the open-file dialog returned.
void importPlaylistCommand(AppState& state, PlaylistView& view, const std::string& fileName);

} // namespace jukewright
