#pragma once

#include <string>
#include <string_view>

namespace jukewright {

// Text inside the program is UTF-8. Files from elsewhere that are not valid UTF-8 are taken as
// Windows-1252, the code page most of them were written in.
bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
std::string textFromFile(std::string_view bytes);

// The bytes a file written for the game holds: the ANSI code page on Windows, UTF-8 (the file
// system's own encoding) elsewhere, so that mp3.cfg names the copied files byte for byte.
std::string toSystemCodePage(std::string_view utf8);
// The other way: text the program stored in the system code page, as UTF-8. On POSIX the stored
// bytes are the file system's own and come back unchanged, so a stored folder always names the same
// folder and is stored again byte for byte.
std::string fromSystemCodePage(std::string_view bytes);

} // namespace jukewright
