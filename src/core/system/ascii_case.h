#pragma once

#include <string>
#include <string_view>

namespace jukewright {

// The text with its ASCII letters in lower case, whatever the locale; other bytes of UTF-8 stay as
// they are. Names that the game, the file systems and the library compare without regard to case
// are compared by this.
std::string foldAsciiCase(std::string_view text);

} // namespace jukewright
