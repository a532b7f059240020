#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace jukewright {

// The engine's chat line holds 126 bytes, "Player: " and the colour byte included: this is what is
// left for the text of a player named "Player".
inline constexpr std::size_t MaxChatTextBytes = 117;

// The text a chat message carries: invalid UTF-8 is dropped, and a longer text is cut to
// MaxChatTextBytes without splitting a character.
std::string chatText(std::string_view text);

} // namespace jukewright
