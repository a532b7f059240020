#include "core/playlist/playlist_entry.h"

#include "core/playlist/file_uri.h"

namespace jukewright {

std::optional<std::string> absoluteEntryPath(std::string_view entry) {
    if (entry.size() >= 3 && entry[1] == ':' && entry[2] == '\\')
        return std::string(entry);
#ifndef _WIN32
    if (entry.starts_with('/'))
        return std::string(entry);
#endif
    return localPathFromFileUri(entry);
}

} // namespace jukewright
