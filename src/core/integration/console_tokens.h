#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

// The engine keeps at most this many arguments of one command; the rest are not seen.
inline constexpr std::size_t MaxCommandTokens = 80;

// One console command split the way the engine splits it.
struct CommandTokens {
    // The words of the command (the engine's Cmd_Argv), quotes removed.
    std::vector<std::string> argv;
    // The raw text after the command word with leading white space skipped (the engine's Cmd_Args):
    // quotes, commas and comments are still in it. Chat and echo take this text.
    std::string args;
};

// Splits one command into words: white space separates words, "//" starts a comment to the end,
// a quoted string is one word (it has no escapes and ends at the next quote or at the end), and
// outside quotes each of { } ( ) ' , : is a word of its own.
CommandTokens tokenizeCommand(std::string_view command);

// The engine finds commands and aliases by name ignoring the case of ASCII letters: names with
// equal keys are the same name.
std::string nameKey(std::string_view name);

} // namespace jukewright
