#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace jukewright {

// The core composes paths the Windows way (either separator splits, "\" joins). These turn such a
// path into one the operating system takes: on POSIX every "\" becomes "/" and a leading "~/" means
// the home folder.
std::string nativePath(std::string_view path);
std::filesystem::path fsPath(std::string_view path);

#ifdef _WIN32
// The same path in UTF-16, as the system's wide-character calls take it: the separators stay as
// given. Empty when the text is not valid UTF-8, which names no file.
std::wstring widePath(std::string_view path);
// UTF-16 text from the system as the program's UTF-8.
std::string utf8FromWide(std::wstring_view text);
#endif

// A path and its UTF-8 text, taken as they are: no separator is touched.
std::filesystem::path utf8Path(std::string_view text);
std::string pathUtf8(const std::filesystem::path& path);

// A path the person or a playlist supplied, to read from: on POSIX "\" is an ordinary character of
// a file name ("AC\DC - Back.mp3"), so the path is taken as given when that names an existing
// entry, and turned like fsPath otherwise. Paths the program writes to always go through fsPath.
std::filesystem::path sourceFsPath(std::string_view path);

// A path as our messages show it: the form the system opens (on POSIX "/" between the folders, the
// names as they are), never a mix of "/" and "\".
std::string displayPath(std::string_view path);

// True when the text names a path from a root: "/x", "\x", "~/x" or a drive letter and ":".
bool isAbsolutePathText(std::string_view path);

bool isSeparator(char c);

} // namespace jukewright
