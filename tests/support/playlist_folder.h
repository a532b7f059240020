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

// Playlists and the tracks they name, with an empty track list and its recording window.
class PlaylistFolder {
public:
    TempFolder folder;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    RecordingPlaylistView view;

    // Returns the track's path in the system's own form, as a playlist names it.
    std::string track(std::string_view relative) const { return nativeText(folder.write(relative, "ID3")); }

    // A playlist of the given rows, each ended by `end`.
    std::string playlist(std::string_view relative, const std::vector<std::string>& rows,
                         std::string_view end = "\r\n") const {
        std::string bytes;
        for (const auto& row : rows)
            (bytes += row) += end;
        return folder.write(relative, bytes);
    }

    std::string root() const { return folder.str(); }
    std::vector<std::string> paths() const {
        return {state->TrackPaths.begin(), state->TrackPaths.begin() + state->TrackCount};
    }
};

} // namespace jukewright::test
