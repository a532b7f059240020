#include "core/playlist/path_utils.h"

#include "core/app_state.h"
#include "core/system/native_path.h"

#include <algorithm>
#include <utility>

namespace jukewright {

namespace {

std::size_t lastSeparator(const std::string& s, std::size_t end) {
    for (std::size_t i = end; i > 0; --i)
        if (isSeparator(s[i - 1]))
            return i - 1;
    return std::string::npos;
}

} // namespace

std::string GetFilename(const std::string& s_filepath) {
    const std::size_t p = lastSeparator(s_filepath, s_filepath.size());
    return p == std::string::npos ? std::string() : s_filepath.substr(p + 1);
}

std::string getPath(const std::string& s_filepath) {
    const std::size_t p = lastSeparator(s_filepath, s_filepath.size());
    return p == std::string::npos ? std::string() : s_filepath.substr(0, p);
}

std::string NavUp(const std::string& s_dirpath) {
    if (s_dirpath.empty())
        return s_dirpath;
    const std::size_t p = lastSeparator(s_dirpath, s_dirpath.size() - 1);
    return p == std::string::npos ? s_dirpath : s_dirpath.substr(0, p);
}

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

} // namespace jukewright
