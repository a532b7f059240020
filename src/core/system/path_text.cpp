#include "core/system/path_text.h"

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

} // namespace jukewright
