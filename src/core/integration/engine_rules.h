#pragma once

#include <cstddef>

namespace jukewright {

// The engines whose console a jukebox is loaded in.
enum class Engine {
    GoldSrc, // Valve's engine of Half-Life
    Xash3D,  // Xash3D FWGS and the engines built on it
};

// Where the consoles of the engines differ, as far as a jukebox relies on them.
struct EngineRules {
    // The command buffer holds fewer bytes than this.
    std::size_t commandBufferSize;
    // The longest command taken off the buffer.
    std::size_t maxCommandLength;
    // A longer command is discarded whole; otherwise it is cut there and the rest runs as a further
    // command.
    bool discardsLongCommands;
    // ";" ends a command outside quotes (where \" and \\ are escapes) and outside a "//" comment;
    // otherwise wherever the count of quotes before it is even.
    bool splitsOutsideQuotesAndComments;
    // Inside a quoted word, \" is a quote.
    bool quoteEscapes;
    // Outside quotes, ":" is a word of its own.
    bool colonIsWord;
    // An alias named like a command runs instead of the command.
    bool aliasesBeforeCommands;
    // "wait N" waits N frames; otherwise "wait" waits one frame, whatever follows it.
    bool waitCounts;
    // An exec'd file that does not fit the buffer runs line by line; otherwise it is dropped whole.
    bool largeFilesLineByLine;
    // The longest alias text kept.
    std::size_t maxAliasTextLength;
    // The mp3 player finds its files by paths split on "/" alone.
    bool slashOnlyPaths;
};

inline constexpr EngineRules GoldSrcRules{
    .commandBufferSize = 16384,
    .maxCommandLength = 1023,
    .discardsLongCommands = false,
    .splitsOutsideQuotesAndComments = false,
    .quoteEscapes = false,
    .colonIsWord = true,
    .aliasesBeforeCommands = false,
    .waitCounts = false,
    .largeFilesLineByLine = true,
    .maxAliasTextLength = 1022,
    .slashOnlyPaths = false,
};

inline constexpr EngineRules Xash3DRules{
    .commandBufferSize = 32768,
    .maxCommandLength = 2047,
    .discardsLongCommands = true,
    .splitsOutsideQuotesAndComments = true,
    .quoteEscapes = true,
    .colonIsWord = false,
    .aliasesBeforeCommands = true,
    .waitCounts = true,
    .largeFilesLineByLine = false,
    .maxAliasTextLength = 2046,
    .slashOnlyPaths = true,
};

constexpr const EngineRules& engineRules(Engine engine) {
    return engine == Engine::Xash3D ? Xash3DRules : GoldSrcRules;
}

} // namespace jukewright
