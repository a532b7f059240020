#pragma once

#include <string>
#include <string_view>

namespace jukewright {

// The name under which a track is copied into "mp3s" and named in the script's play and loop
// lines. Drops the characters that the console or its tokenizer would take as something other than
// part of a file name, character by character; everything else stays as it is.
std::string ConvertSpaces(std::string_view s_stoconvert);

// The display name as the chat announcements carry it: without the characters that would end or
// split the quoted command list (double quote, semicolon, control characters).
std::string chatSafeName(std::string_view displayName);

} // namespace jukewright
