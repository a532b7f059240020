#pragma once

#include "core/app_state.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace jukewright::test {

// A temporary folder to put playlists and the tracks they name into, with an empty track list and
// its recording window.
class PlaylistFolder {
public:
    TempFolder folder;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    RecordingPlaylistView view;

    // A track file, created with its folders; returns its path in the system's own form, as a
    // playlist names it (on Windows "C:\\...").
    std::string track(std::string_view relative) const { return nativeText(folder.write(relative, "ID3")); }

    // A playlist of the given rows, each ended by `end`.
    std::string playlist(std::string_view relative, const std::vector<std::string>& rows,
                         std::string_view end = "\r\n") const {
        std::string bytes;
        for (const auto& row : rows)
            (bytes += row) += end;
        return folder.write(relative, bytes);
    }

    // The folder's path as the program's text paths start it.
    std::string root() const { return folder.str(); }

    std::vector<std::string> paths() const {
        return {state->TrackPaths.begin(), state->TrackPaths.begin() + state->TrackCount};
    }
};

} // namespace jukewright::test
