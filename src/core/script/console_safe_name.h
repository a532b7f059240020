#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace jukewright {

// The longest name the chat lines carry, so that no quoted word of mp3.cfg nears the engine's
// limit on the length of a word.
inline constexpr std::size_t MaxChatNameBytes = 200;

// A display name as the script may carry it: the game reads a large mp3.cfg line by line and ends a
// line at every byte from 0x80 on, so names in the script are printable ASCII. The name is read as
// UTF-8 (or Windows-1252 when it is not UTF-8), transliterated ("Björk" gives "Bjork"; with ICU,
// "Кино" gives "Kino"), and what is still outside printable ASCII is dropped. ASCII names come back
// unchanged.
std::string asciiName(std::string_view displayName);

// The name under which a track is copied into "mp3s" and named in the script's play and loop
// lines. Drops the characters that the console or its tokenizer would take as something other than
// part of a file name, or that a file name cannot hold on every system, character by character;
// then drops dots at the end. Everything else stays as it is.
std::string ConvertSpaces(std::string_view s_stoconvert);

// The name as the chat announcements carry it: without the characters that would end or split the
// quoted command list (double quote, semicolon, control characters), cut to MaxChatNameBytes.
std::string chatSafeName(std::string_view name);

} // namespace jukewright
