#pragma once

#include "core/app_state.h"
#include "core/message.h"
#include "core/playlist/playlist_view.h"

#include <optional>
#include <string>
#include <vector>

namespace jukewright {

inline constexpr const char* RefusedDropText =
    "These files are neither MP3 tracks nor playlists (.pls, .m3u, .m3u8) and were not added:";
// Names a dropped item that is no local file (the window gives an empty path for it).
inline constexpr const char* NotLocalFileText = "(not a local file)";

enum class DropAction { AddTrack, ImportPlaylist, AddFolder, Refuse };

struct DroppedFile {
    std::string path;
    DropAction action = DropAction::Refuse;
    // The MP3 files of a dropped folder, in the order they are added.
    std::vector<std::string> tracks = {};

    bool operator==(const DroppedFile&) const = default;
};

// What becomes of each file dropped on the track list, in the order dropped: a name the import
// command takes (see playlistKindOf) is imported, a name ending in ".mp3" (any case, as Windows
// players often write ".MP3") is added as the add-track command adds a file, a folder adds the MP3
// files inside it (see mp3FilesInFolder), anything else (a folder without MP3 files, a picture, an
// empty path) is refused.
std::vector<DroppedFile> sortDroppedFiles(const std::vector<std::string>& paths);

// One message naming every refused file, one row each, or none when nothing was refused.
std::optional<Message> refusedDropMessage(const std::vector<DroppedFile>& files);

// The drop on the track list: the paths of the dropped local files (the window turns the URLs into
// paths, an empty path for a URL that names no local file) are added and imported in the order
// dropped, with one "playlist is full" message at most for the whole drop; then the refused files
// are named in one message.
void dropFilesCommand(AppState& state, PlaylistView& view, const std::vector<std::string>& paths);

} // namespace jukewright
