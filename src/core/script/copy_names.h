#pragma once

#include "core/app_state.h"

#include <cstddef>
#include <string>
#include <vector>

namespace jukewright {

// A copy name longer than this is cut (keeping an extension of at most MaxKeptExtensionBytes); the
// number that keeps colliding names apart may add up to eight more bytes.
inline constexpr std::size_t MaxFittedNameBytes = 120;
inline constexpr std::size_t MaxKeptExtensionBytes = 16;
inline constexpr std::size_t MaxCopyNameBytes = 128;

// The names each track goes by in the script, given once so that the script and the copies always
// agree. Each display name is made printable ASCII once (see asciiName) and both names come from that.
struct ScriptNames {
    // The file name inside "mp3s", named by the play and loop lines (see ConvertSpaces).
    std::vector<std::string> copy;
    // The name the chat announcements carry (see chatSafeName).
    std::vector<std::string> chat;
};

// The names in "mp3s" that are the player's, which no copy may take: a save asks what the folder
// holds (see TrackFolderFiles); without one every name is free.
class PlayersNames {
public:
    virtual ~PlayersNames() = default;
    // Whether something of the player's holds the name, ASCII case ignored.
    virtual bool isPlayers(const std::string& name) const = 0;
    // Whether the player's file by exactly this name is the track's source itself.
    virtual bool isSourceItself(const std::string& name, const std::string& source) const = 0;
};

// Copy names: a track whose console-safe name is empty is called "track<k>.mp3", a run of dots
// becomes one dot, a name that starts with a dot gets "track<k>" before it, and a long name is cut
// to MaxFittedNameBytes. Different source files never share a name (letter case ignored, as Windows
// file systems do): a later one gets the lowest free number before its extension. The same source
// file keeps one name. With `found` (what "mp3s" holds), a name held by the player's file is not free
// either, unless that file is the track's source itself.
ScriptNames assignScriptNames(const AppState& state, const PlayersNames* found = nullptr);


} // namespace jukewright
