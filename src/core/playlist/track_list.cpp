#include "core/playlist/track_list.h"

#include "core/system/code_page.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/path_text.h"

#include <algorithm>
#include <utility>

namespace jukewright {

std::string displayNameOf(const std::string& path) {
    return textFromFile(GetFilename(path));
}

bool isCancelledName(std::string_view fileName) {
    return fileName.find_first_not_of(' ') == std::string_view::npos;
}

std::string trimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

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

bool appendExistingTrack(AppState& state, PlaylistView& view, const std::string& path, PlaylistFull& full) {
    // A pattern that merely matches files is no track: a name with "*" or "?" must name a file itself
    // (checked first, so that a long pattern never scans a folder).
    const bool pattern = GetFilename(path).find_first_of("*?") != std::string::npos;
    if ((pattern && !isRegularFile(sourceFsPath(path))) || !FileExists(path))
        return true;
    if (appendTrack(state, view, path))
        return true;
    full.noteRefused();
    return false;
}

void addTrackFile(AppState& state, PlaylistView& view, const std::string& fileName, PlaylistFull& full) {
    if (isCancelledName(fileName))
        return;
    if (!appendTrack(state, view, fileName))
        full.noteRefused();
}

void addTrackCommand(AppState& state, PlaylistView& view, const std::string& fileName) {
    view.hideHoverImages();
    PlaylistFull full(view);
    addTrackFile(state, view, fileName, full);
}

void addTrackFilesCommand(AppState& state, PlaylistView& view, const std::vector<std::string>& paths) {
    view.hideHoverImages();
    PlaylistFull full(view);
    for (const std::string& path : paths)
        if (!appendExistingTrack(state, view, path, full))
            return;
}

void removeTrackCommand(AppState& state, PlaylistView& view) {
    view.hideHoverImages();
    if (view.rowCount() == 0)
        return;
    // Rows mirror the tables; a row past the last track has nothing to remove.
    const int rows = std::min(view.rowCount(), static_cast<int>(state.TrackCount));
    int kept = 0;
    int removed = 0;
    int last = -1;
    // One pass that closes the gaps as it goes: the same result as shifting the tail once per removed
    // row, without the quadratic cost on a long list.
    for (int row = 0; row < state.TrackCount; ++row) {
        if (row < rows && view.isRowSelected(row)) {
            ++removed;
            last = row;
            continue;
        }
        if (kept != row) {
            state.TrackPaths[static_cast<std::size_t>(kept)] =
                std::move(state.TrackPaths[static_cast<std::size_t>(row)]);
            state.TrackNames[static_cast<std::size_t>(kept)] =
                std::move(state.TrackNames[static_cast<std::size_t>(row)]);
        }
        ++kept;
    }
    for (int slot = kept; slot < state.TrackCount; ++slot) {
        state.TrackPaths[static_cast<std::size_t>(slot)].clear();
        state.TrackNames[static_cast<std::size_t>(slot)].clear();
    }
    state.TrackCount = static_cast<std::int16_t>(kept);
    reloadplaylst(state, view);
    const int anchor = removed > 0 ? std::max(last - removed, 0) : 0;
    if (view.rowCount() > 0)
        view.selectRow(anchor);
}

void reloadplaylst(const AppState& state, PlaylistView& view) {
    view.clearRows();
    for (int i = 0; i < state.TrackCount; ++i)
        view.appendRow(state.TrackNames[static_cast<std::size_t>(i)]);
}

} // namespace jukewright
