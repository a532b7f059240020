#include "core/playlist/playlist_import.h"

#include "core/playlist/m3u_import.h"
#include "core/playlist/pls_import.h"
#include "core/system/path_text.h"

namespace jukewright {

PlaylistKind playlistKindOf(std::string_view fileName) {
    if (fileName.ends_with(".pls"))
        return PlaylistKind::Pls;
    if (fileName.ends_with(".m3u") || fileName.ends_with(".m3u8"))
        return PlaylistKind::ExtendedM3u;
    return PlaylistKind::None;
}

void importPlaylist(AppState& state, PlaylistView& view, const std::string& fileName, PlaylistFull& full) {
    if (isCancelledName(fileName))
        return;
    const std::int16_t before = state.TrackCount;
    std::size_t entries = 0;
    switch (playlistKindOf(fileName)) {
    case PlaylistKind::Pls:
        entries = plsload(state, view, fileName, full);
        break;
    case PlaylistKind::ExtendedM3u:
        entries = m3uload(state, view, fileName, full);
        break;
    case PlaylistKind::None:
        view.showMessage({NotAPlaylistText + GetFilename(trimSpaces(fileName)), TitleError, MessageIcon::Stop});
        return;
    }
    // An import that adds nothing must not look like one that worked.
    if (entries > 0 && state.TrackCount == before && !full.refusedAny())
        view.showMessage(noTracksFoundMessage(entries, GetFilename(trimSpaces(fileName))));
}

Message noTracksFoundMessage(std::size_t entries, const std::string& playlistName) {
    return {"None of the " + std::to_string(entries) + " tracks of " + playlistName + " could be found.", TitlePlain,
            MessageIcon::None};
}

void importPlaylistCommand(AppState& state, PlaylistView& view, const std::string& fileName) {
    view.hideHoverImages();
    PlaylistFull full(view);
    importPlaylist(state, view, fileName, full);
}

} // namespace jukewright
