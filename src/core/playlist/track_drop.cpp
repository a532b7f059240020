#include "core/playlist/track_drop.h"

#include "core/playlist/playlist_import.h"
#include "core/playlist/track_list.h"

#include <algorithm>
#include <cctype>

namespace jukewright {

namespace {

bool endsWithMp3(const std::string& path) {
    constexpr std::string_view ending = ".mp3";
    return path.size() >= ending.size() &&
           std::ranges::equal(std::string_view(path).substr(path.size() - ending.size()), ending,
                              [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

DropAction actionFor(const std::string& path) {
    if (playlistKindOf(path) != PlaylistKind::None)
        return DropAction::ImportPlaylist;
    return endsWithMp3(path) ? DropAction::AddTrack : DropAction::Refuse;
}

} // namespace

std::vector<DroppedFile> sortDroppedFiles(const std::vector<std::string>& paths) {
    std::vector<DroppedFile> files;
    files.reserve(paths.size());
    for (const std::string& path : paths)
        files.push_back({path, actionFor(path)});
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
    }
    if (const auto message = refusedDropMessage(files))
        view.showMessage(*message);
}

} // namespace jukewright
