#include "core/system/native_path.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace jukewright {

namespace {

// A leading "~/" means the home folder.
std::string withHomeFolder(std::string path) {
    if (path.starts_with("~/") || path.starts_with("~\\")) {
        const char* home = std::getenv("HOME");
#ifdef _WIN32
        if (!home)
            home = std::getenv("USERPROFILE");
#endif
        if (home && *home)
            path = std::string(home) + path.substr(1);
    }
    return path;
}

std::filesystem::path utf8Path(const std::string& path) {
    // Strings are UTF-8 inside the program; on Windows the path must be told so.
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

} // namespace

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string nativePath(std::string_view path) {
    std::string result(path);
#ifndef _WIN32
    std::replace(result.begin(), result.end(), '\\', '/');
#endif
    return withHomeFolder(std::move(result));
}

std::filesystem::path fsPath(std::string_view path) {
    return utf8Path(nativePath(path));
}

std::filesystem::path sourceFsPath(std::string_view path) {
#ifndef _WIN32
    if (path.find('\\') != std::string_view::npos) {
        const std::filesystem::path asGiven = utf8Path(withHomeFolder(std::string(path)));
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(asGiven, error)))
            return asGiven;
    }
#endif
    return fsPath(path);
}

std::string displayPath(std::string_view path) {
    const std::u8string shown = sourceFsPath(path).u8string();
    return std::string(shown.begin(), shown.end());
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
