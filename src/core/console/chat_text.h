#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace jukewright {

enum class ChatChannel { Everyone, Team };

// The game's chat line holds 128 bytes with its line end and final NUL. Before the text stand the
// colour byte, "(TEAM) " for team chat, and the player's name with ": "; the console's player is
// called "Player". So the text holds 117 bytes in public and 110 in team chat.
inline constexpr std::size_t ChatLineBytes = 126;
inline constexpr std::string_view ChatPlayerName = "Player";
std::size_t maxChatTextBytes(ChatChannel channel);

// What the game's chat code makes of the raw text of a say or say_team command (the text after the
// command word, as the tokenizer leaves it): a text that starts with a double quote loses it and its
// last byte; an empty text, or one that is not valid UTF-8, says nothing; a longer text is cut to
// maxChatTextBytes, even inside a character. A text of spaces is said.
std::optional<std::string> chatText(std::string_view rawText, ChatChannel channel);

} // namespace jukewright
