#include "core/system/native_path.h"

#include "core/system/environment.h"

#include <algorithm>
#include <cctype>

#ifdef _WIN32
#include <windows.h>
#endif

namespace jukewright {

namespace {

// A leading "~/" means the home folder.
std::string withHomeFolder(std::string path) {
    if (path.starts_with("~/") || path.starts_with("~\\")) {
        if (const std::string home = homeFolder(); !home.empty())
            path = home + path.substr(1);
    }
    return path;
}

} // namespace

std::filesystem::path utf8Path(std::string_view text) {
    // Strings are UTF-8 inside the program; on Windows the path must be told so.
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string pathUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

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

#ifdef _WIN32

std::wstring widePath(std::string_view path) {
    const std::string native = nativePath(path);
    if (native.empty())
        return {};
    const int size = static_cast<int>(native.size());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, native.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, native.data(), size, wide.data(), length);
    return wide;
}

std::string utf8FromWide(std::wstring_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

#endif

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
    return pathUtf8(sourceFsPath(path));
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
