#include "core/playlist/path_utils.h"

#include "core/app_state.h"
#include "core/system/native_path.h"

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
    for (std::size_t i = s_listitem.find("..\\"); i != std::string::npos; i = s_listitem.find("..\\", i + 1))
        ++count;
    std::string rest = s_listitem;
    for (std::size_t i = 0; i < count; ++i) {
        rest.erase(0, 3);
        state.M3uBaseFolder = NavUp(state.M3uBaseFolder);
    }
    return state.M3uBaseFolder + "\\" + rest;
}

} // namespace jukewright
