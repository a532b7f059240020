#include "core/playlist/track_list.h"

#include "core/playlist/path_utils.h"
#include "core/system/code_page.h"

namespace jukewright {

namespace {

bool isBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

} // namespace

std::string displayNameOf(const std::string& path) { return textFromFile(GetFilename(path)); }

bool appendTrack(AppState& state, PlaylistView& view, const std::string& path) {
    if (state.TrackCount >= AppState::MaxTracks)
        return false;
    const auto index = static_cast<std::size_t>(state.TrackCount);
    state.TrackPaths[index] = path;
    state.TrackNames[index] = displayNameOf(path);
    view.appendRow(state.TrackNames[index]);
    ++state.TrackCount;
    return true;
}

void PlaylistFull::noteRefused() {
    if (m_refused)
        return;
    m_refused = true;
    m_view.showMessage({PlaylistFullText, TitlePlain, MessageIcon::None});
}

void addTrackCommand(AppState& state, PlaylistView& view, const std::string& fileName) {
    view.hideHoverImages();
    if (isBlank(fileName))
        return;
    if (!appendTrack(state, view, fileName))
        PlaylistFull(view).noteRefused();
}

} // namespace jukewright
