#pragma once

#include "core/app_state.h"
#include "core/playlist/playlist_view.h"
#include "core/playlist/track_list.h"

#include <string>

namespace jukewright {

// Appends the MP3 tracks of the PLS file at s_path that exist. Every "=" of a "File" line that ends
// in ".mp3" gives a candidate, the text after it; a relative candidate is joined to the playlist's
// folder as it stands. A full list stops the import and is noted in `full`. Answers the number of
// candidates the playlist names.
std::size_t plsload(AppState& state, PlaylistView& view, const std::string& s_path, PlaylistFull& full);

} // namespace jukewright
