#pragma once

#include "core/app_state.h"
#include "core/playlist/playlist_view.h"

#include <string>

namespace jukewright {

inline constexpr const char* PlaylistFullText =
    "The playlist is full: it holds at most 10000 tracks. The remaining tracks were not added.";

// The display name of a track: the file-name part of its path, read as Windows-1252 when it is not
// valid UTF-8 (the path itself keeps its bytes).
std::string displayNameOf(const std::string& path);

// Appends one track and its row, as every adder does. A full list takes nothing and the call
// answers false; the caller says so once per command (see PlaylistFull).
bool appendTrack(AppState& state, PlaylistView& view, const std::string& path);

// Tells the person once per command that the list was full.
class PlaylistFull {
public:
    explicit PlaylistFull(PlaylistView& view) : m_view(view) {}
    void noteRefused();
    bool refusedAny() const { return m_refused; }

private:
    PlaylistView& m_view;
    bool m_refused = false;
};

// The add-track command given the name the open-file dialog returned: a name that is empty after
// trimming spaces means cancelled; otherwise the name is stored exactly as given.
void addTrackCommand(AppState& state, PlaylistView& view, const std::string& fileName);

} // namespace jukewright
