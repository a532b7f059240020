#pragma once

#include "core/console/engine_rules.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

// The engine keeps at most this many arguments of one command; the rest are not seen.
inline constexpr std::size_t MaxCommandTokens = 80;
// In Half-Life a word of this many bytes or more ends the tokenizing of its command: neither it nor
// any word after it is an argument.
inline constexpr std::size_t LongWordBytes = 516;

// One console command split the way the engine splits it.
struct CommandTokens {
    // The words of the command (the engine's Cmd_Argv), quotes removed.
    std::vector<std::string> argv;
    // The raw text after the command word with leading white space skipped (the engine's Cmd_Args):
    // quotes, commas and comments are still in it. Chat takes this text.
    std::string args;
};

// Splits one command into words as the engine's tokenizer does. Bytes up to the space separate
// words, and so may bytes from 0x80 on where a word would start (see EngineRules); inside a word
// they are kept. "//" where a word would start ends the command. A quoted string is one word: it
// ends at the next quote or at the end, and has no escapes unless the engine's rules make \" a
// quote. Outside quotes each of { } ' , is a word of its own, and so are ( ) and : where the rules
// say so. A word of LongWordBytes or more may end the command, and words past MaxCommandTokens are
// dropped.
CommandTokens tokenizeCommand(std::string_view command, const EngineRules& rules = GoldSrcRules);

// The engine finds commands and aliases by name ignoring the case of ASCII letters: names with
// equal keys are the same name.
std::string nameKey(std::string_view name);

} // namespace jukewright
