#pragma once

#include "core/app_state.h"
#include "core/playlist/playlist_view.h"

#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

inline constexpr const char* PlaylistFullText =
    "The playlist is full: it holds at most 10000 tracks. The remaining tracks were not added.";

// The display name of a track: the file-name part of its path, read as Windows-1252 when it is not
// valid UTF-8 (the path itself keeps its bytes).
std::string displayNameOf(const std::string& path);

// The open-file dialog returns the name it was given ("") when the person cancels, and a name of
// spaces alone is taken the same way.
bool isCancelledName(std::string_view fileName);
std::string trimSpaces(std::string_view text);

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

// Appends an imported entry when its file exists. Answers false once the list is full, after
// telling the person.
bool appendExistingTrack(AppState& state, PlaylistView& view, const std::string& path, PlaylistFull& full);

// Adds the file the dialog returned, unless cancelled; the name is stored exactly as given (neither
// trimmed nor checked). Shared by the add-track command and the command line.
void addTrackFile(AppState& state, PlaylistView& view, const std::string& fileName, PlaylistFull& full);

// The add-track command given the name the open-file dialog returned.
void addTrackCommand(AppState& state, PlaylistView& view, const std::string& fileName);

// Adds tracks picked elsewhere (the media library) in their order, as the add-track command adds a
// file; a file gone since it was listed is left out, and a full list is named once.
void addTrackFilesCommand(AppState& state, PlaylistView& view, const std::vector<std::string>& paths);

// The remove command: drops the tracks of every selected row, rebuilds the rows and selects the row
// just above the place of the last removed track (the first row when none was removed).
void removeTrackCommand(AppState& state, PlaylistView& view);

// Rebuilds the rows of the list from the tables.
void reloadplaylst(const AppState& state, PlaylistView& view);

} // namespace jukewright
