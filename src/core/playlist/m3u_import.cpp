#include "core/playlist/m3u_import.h"

#include "core/playlist/playlist_entry.h"
#include "core/playlist/playlist_file.h"
#include "core/system/path_text.h"

#include <algorithm>
#include <utility>

namespace jukewright {

std::string getm3upath(AppState& state, const std::string& s_listitem) {
    std::size_t count = 0;
    for (std::size_t i = s_listitem.find("..\\"); i != std::string::npos; i = s_listitem.find("..\\", i + 3))
        ++count;
    // One step up per "..\" and that many three-character groups off the front, each done once: a
    // long entry must not be erased from three characters at a time. Above the root the folder stays.
    for (std::size_t i = 0; i < count; ++i) {
        std::string up = NavUp(state.M3uBaseFolder);
        if (up == state.M3uBaseFolder)
            break;
        state.M3uBaseFolder = std::move(up);
    }
    const std::size_t cut = std::min(s_listitem.size(), 3 * count);
    return state.M3uBaseFolder + "\\" + s_listitem.substr(cut);
}

std::size_t m3uload(AppState& state, PlaylistView& view, const std::string& s_path, PlaylistFull& full) {
    const auto rows = readPlaylistRows(view, s_path);
    if (!rows)
        return 0;
    if (rows->empty() || rows->front() != "#EXTM3U") {
        view.showMessage({NotExtendedM3uText, TitlePlain, MessageIcon::None});
        return 0;
    }
    std::size_t entries = 0;
    for (std::size_t i = 1; i < rows->size(); ++i) {
        if (!(*rows)[i].starts_with("#EXTINF"))
            continue;
        // Every entry starts again from the playlist's own folder.
        state.M3uBaseFolder = getPath(s_path);
        if (++i == rows->size())
            break;
        const std::string& entry = (*rows)[i];
        if (!entry.ends_with(".mp3"))
            continue;
        ++entries;
        const auto absolute = absoluteEntryPath(entry);
        const std::string path = absolute ? *absolute : getm3upath(state, entry);
        if (!appendExistingTrack(state, view, path, full))
            return entries;
    }
    return entries;
}

} // namespace jukewright
