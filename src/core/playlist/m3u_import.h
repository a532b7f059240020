#pragma once

#include "core/app_state.h"
#include "core/playlist/playlist_view.h"
#include "core/playlist/track_list.h"

#include <string>

namespace jukewright {

inline constexpr const char* NotExtendedM3uText = "This is not a valid extented M3U playlist";

// Appends the MP3 tracks of the extended M3U file at s_path that exist. The file must start with the
// row "#EXTM3U"; the row after each "#EXTINF" row is an entry, whatever it holds, and a relative entry
// is resolved from the playlist's folder with its "..\" steps. A full list stops the import and is
// noted in `full`. Answers the number of MP3 entries the playlist names.
std::size_t m3uload(AppState& state, PlaylistView& view, const std::string& s_path, PlaylistFull& full);

// Resolves a playlist entry against state.M3uBaseFolder, moving that folder up once for every
// "..\" anywhere in the entry and dropping that many leading three-character groups.
std::string getm3upath(AppState& state, const std::string& s_listitem);

} // namespace jukewright
