#include "core/playlist/pls_import.h"

#include "core/playlist/playlist_entry.h"
#include "core/playlist/playlist_file.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/path_text.h"

namespace jukewright {

std::size_t plsload(AppState& state, PlaylistView& view, const std::string& s_path, PlaylistFull& full) {
    const auto rows = readPlaylistRows(view, s_path);
    if (!rows)
        return 0;
    std::size_t entries = 0;
    const std::string folder = getPath(s_path);
    for (const std::string& line : *rows) {
        if (!line.starts_with("File") || !line.ends_with(".mp3"))
            continue;
        // An "=" in the last place would give an empty entry; the ".mp3" ending rules it out anyway.
        for (std::size_t at = 4; at + 1 < line.size(); ++at) {
            if (line[at] != '=')
                continue;
            const std::string_view entry = std::string_view(line).substr(at + 1);
            ++entries;
            // No file has a longer path (a URI decodes to at most a third of its escapes), so such a
            // candidate is skipped without being built: a line of many "=" stays linear.
            if (entry.size() > 3 * LongestPathBytes)
                continue;
            const auto absolute = absoluteEntryPath(entry);
            if (!absolute && folder.size() + 1 + entry.size() > LongestPathBytes)
                continue;
            const std::string path = absolute ? *absolute : folder + "\\" + std::string(entry);
            if (path.size() <= LongestPathBytes && !appendExistingTrack(state, view, path, full))
                return entries;
        }
    }
    return entries;
}

} // namespace jukewright
