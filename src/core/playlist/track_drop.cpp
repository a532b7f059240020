#include "core/playlist/track_drop.h"

#include "core/playlist/folder_tracks.h"
#include "core/playlist/playlist_import.h"
#include "core/playlist/track_list.h"
#include "core/system/file_queries.h"

namespace jukewright {

namespace {

DroppedFile sortDroppedFile(const std::string& path) {
    if (isFolder(path)) {
        std::vector<std::string> tracks = mp3FilesInFolder(path);
        if (tracks.empty())
            return {path, DropAction::Refuse, {}};
        return {path, DropAction::AddFolder, std::move(tracks)};
    }
    if (playlistKindOf(path) != PlaylistKind::None)
        return {path, DropAction::ImportPlaylist, {}};
    return {path, hasMp3Ending(path) ? DropAction::AddTrack : DropAction::Refuse, {}};
}

} // namespace

std::vector<DroppedFile> sortDroppedFiles(const std::vector<std::string>& paths) {
    std::vector<DroppedFile> files;
    files.reserve(paths.size());
    for (const std::string& path : paths)
        files.push_back(sortDroppedFile(path));
    return files;
}

std::optional<Message> refusedDropMessage(const std::vector<DroppedFile>& files) {
    std::string text = RefusedDropText;
    bool refused = false;
    for (const DroppedFile& file : files) {
        if (file.action != DropAction::Refuse)
            continue;
        refused = true;
        const std::string name = displayNameOf(file.path);
        text += "\n" + (file.path.empty() ? std::string(NotLocalFileText) : name.empty() ? file.path : name);
    }
    if (!refused)
        return std::nullopt;
    return Message{text, TitlePlain, MessageIcon::None};
}

void dropFilesCommand(AppState& state, PlaylistView& view, const std::vector<std::string>& paths) {
    const std::vector<DroppedFile> files = sortDroppedFiles(paths);
    PlaylistFull full(view);
    for (const DroppedFile& file : files) {
        // Once the list is full, the rest cannot go in either, and the person has been told.
        if (full.refusedAny())
            break;
        if (file.action == DropAction::AddTrack)
            addTrackFile(state, view, file.path, full);
        else if (file.action == DropAction::ImportPlaylist)
            importPlaylist(state, view, file.path, full);
        for (const std::string& track : file.tracks)
            if (!full.refusedAny())
                addTrackFile(state, view, track, full);
    }
    if (const auto message = refusedDropMessage(files))
        view.showMessage(*message);
}

} // namespace jukewright
