#pragma once

#include <cstddef>

namespace jukewright {

// The engines whose console a jukebox is loaded in.
enum class Engine {
    GoldSrc, // Valve's engine of Half-Life
    Xash3D,  // Xash3D FWGS and the engines built on it
};

// How exec treats the name it is given.
enum class ExecNames {
    // Half-Life: a name holding \, .., : or ~, or starting with /, is an invalid path; the extension,
    // from the first dot on, must be .cfg or .rc (ignoring case).
    ConfigExtensionsOnly,
    // Xash3D: a name without an extension gets .cfg; the file system refuses .. and :.
    AddsCfgExtension,
};

// How the mp3 player and exec find a file.
enum class FileLookup {
    // Half-Life: the path as given, relative to the mod folder.
    AsGiven,
    // Xash3D's file system: "/" alone separates folders, letter case is ignored, a path holding ".."
    // or ":" is refused; the mp3 player adds ".mp3" when the name has no extension and also looks in
    // "media/".
    EngineFileSystem,
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
    // A lone CR ends a command as LF does; otherwise it is white space inside the command.
    bool crEndsCommand;
    // Inside a quoted word, \" is a quote.
    bool quoteEscapes;
    // Outside quotes, ":" is a word of its own.
    bool colonIsWord;
    // Outside quotes, "(" and ")" are words of their own.
    bool parenthesesAreWords;
    // Where a word would start, a byte from 0x80 on starts it; otherwise it is skipped as white space.
    bool highBytesStartWords;
    // A word of LongWordBytes or more ends the tokenizing of its command; otherwise it is kept.
    bool longWordsEndCommand;
    // An alias named like a command runs instead of the command.
    bool aliasesBeforeCommands;
    // An alias defined again under another spelling of its name replaces it; otherwise only the same
    // spelling does, and the spelling defined first is the one that runs.
    bool aliasRedefinitionIgnoresCase;
    // A quoted first word such as "volume 0.5" that starts with a cvar's name and a space asks for
    // that cvar's value.
    bool cvarNameEndsAtSpace;
    // "wait N" waits N frames; otherwise "wait" waits one frame, whatever follows it.
    bool waitCounts;
    // An exec'd file that does not fit the buffer runs line by line; otherwise it is dropped whole.
    bool largeFilesLineByLine;
    // A file that fits the buffer ends at its first NUL byte; otherwise a NUL ends only its line.
    bool nulEndsFile;
    // A UTF-8 byte-order mark at the start of an exec'd file is skipped.
    bool skipsByteOrderMark;
    // A typed line loses one leading "/" or "\".
    bool dropsTypedLeadingSlash;
    ExecNames execNames;
    FileLookup fileLookup;
    // The longest alias text kept.
    std::size_t maxAliasTextLength;
    // A command forwarded to the game's server (chat) is cut to this many bytes.
    std::size_t maxForwardedCommandLength;
    // The server turns "%" in a forwarded command into "." (it never reaches a format string).
    bool forwardedPercentAsDot;
    // "mp3 play" and "mp3 loop" without a path stop the music; otherwise they only show the usage.
    bool mp3WithoutPathStops;
};

inline constexpr EngineRules GoldSrcRules{
    .commandBufferSize = 16384,
    .maxCommandLength = 1023,
    .discardsLongCommands = false,
    .splitsOutsideQuotesAndComments = false,
    .crEndsCommand = false,
    .quoteEscapes = false,
    .colonIsWord = true,
    .parenthesesAreWords = true,
    .highBytesStartWords = false,
    .longWordsEndCommand = true,
    .aliasesBeforeCommands = false,
    .aliasRedefinitionIgnoresCase = true,
    .cvarNameEndsAtSpace = true,
    .waitCounts = false,
    .largeFilesLineByLine = true,
    .nulEndsFile = true,
    .skipsByteOrderMark = true,
    .dropsTypedLeadingSlash = false,
    .execNames = ExecNames::ConfigExtensionsOnly,
    .fileLookup = FileLookup::AsGiven,
    .maxAliasTextLength = 1022,
    .maxForwardedCommandLength = 127,
    .forwardedPercentAsDot = false,
    .mp3WithoutPathStops = false,
};

inline constexpr EngineRules Xash3DRules{
    .commandBufferSize = 32768,
    .maxCommandLength = 2046,
    .discardsLongCommands = true,
    .splitsOutsideQuotesAndComments = true,
    .crEndsCommand = true,
    .quoteEscapes = true,
    .colonIsWord = false,
    .parenthesesAreWords = false,
    .highBytesStartWords = true,
    .longWordsEndCommand = false,
    .aliasesBeforeCommands = true,
    .aliasRedefinitionIgnoresCase = false,
    .cvarNameEndsAtSpace = false,
    .waitCounts = true,
    .largeFilesLineByLine = false,
    .nulEndsFile = false,
    .skipsByteOrderMark = false,
    .dropsTypedLeadingSlash = true,
    .execNames = ExecNames::AddsCfgExtension,
    .fileLookup = FileLookup::EngineFileSystem,
    .maxAliasTextLength = 2046,
    .maxForwardedCommandLength = 2046,
    .forwardedPercentAsDot = true,
    .mp3WithoutPathStops = true,
};

constexpr const EngineRules& engineRules(Engine engine) {
    return engine == Engine::Xash3D ? Xash3DRules : GoldSrcRules;
}

// Whether an exec'd file of `fileBytes` bytes (`endsWithLineEnd` when its last byte is LF) goes into
// a buffer where `waitingBytes` wait, or is dropped whole (where files are not run line by line).
// The engine adds a line end to a file without one.
constexpr bool execFitsBuffer(const EngineRules& rules, std::size_t waitingBytes, std::size_t fileBytes,
                              bool endsWithLineEnd) {
    return waitingBytes + fileBytes + (endsWithLineEnd ? 0 : 1) < rules.commandBufferSize;
}

} // namespace jukewright
