#include "core/system/native_path.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace jukewright {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string nativePath(std::string_view path) {
    std::string result(path);
#ifndef _WIN32
    std::replace(result.begin(), result.end(), '\\', '/');
#endif
    if (result.starts_with("~/") || result.starts_with("~\\")) {
        const char* home = std::getenv("HOME");
#ifdef _WIN32
        if (!home)
            home = std::getenv("USERPROFILE");
#endif
        if (home && *home)
            result = std::string(home) + result.substr(1);
    }
    return result;
}

std::filesystem::path fsPath(std::string_view path) {
    const std::string native = nativePath(path);
    // Strings are UTF-8 inside the program; on Windows the path must be told so.
    return std::filesystem::path(std::u8string(native.begin(), native.end()));
}

bool isAbsolutePathText(std::string_view path) {
    if (path.empty())
        return false;
    if (isSeparator(path[0]))
        return true;
    if (path.starts_with("~/") || path.starts_with("~\\"))
        return true;
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

} // namespace jukewright
