#include "core/playlist/playlist_import.h"

#include "core/playlist/m3u_import.h"
#include "core/playlist/path_utils.h"
#include "core/playlist/pls_import.h"

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
    switch (playlistKindOf(fileName)) {
    case PlaylistKind::Pls:
        plsload(state, view, fileName, full);
        break;
    case PlaylistKind::ExtendedM3u:
        m3uload(state, view, fileName, full);
        break;
    case PlaylistKind::None:
        view.showMessage({NotAPlaylistText + GetFilename(trimSpaces(fileName)), TitleError, MessageIcon::Stop});
        break;
    }
}

void importPlaylistCommand(AppState& state, PlaylistView& view, const std::string& fileName) {
    view.hideHoverImages();
    PlaylistFull full(view);
    importPlaylist(state, view, fileName, full);
}

} // namespace jukewright
