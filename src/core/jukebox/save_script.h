#pragma once

#include "core/app_state.h"
#include "core/jukebox/save_view.h"

#include <string>

namespace jukewright {

enum class SaveOutcome {
    Stopped,  // a check stopped the save with its message
    Failed,   // the save ran, but some file could not be written (named in a message)
    Complete, // everything was written
};

inline constexpr const char* NoTracksText = "No items in playlist";
inline constexpr const char* NoModFolderText = "Please Enter a Mod Folder";
inline constexpr const char* ModFolderNotFoundText = "Mod Folder can not be found, check you have typed the right path";
inline constexpr const char* TooManyTracksText = "Sorry playlists greater than 10000 items are not supported";
inline constexpr const char* NotWrittenText = "These files could not be written:";
inline constexpr const char* UnrememberedFolderText =
    "The jukebox was saved, but this mod folder cannot be remembered for the next start: its name holds "
    "characters the system's code page cannot store: ";

// Saves the playlist as a jukebox into the mod folder in the view's mod-folder box: the two game
// hooks, mp3.cfg and the copies in "mp3s". `dataFolder` holds the default key-binding lists.
SaveOutcome saveScriptCommand(AppState& state, SaveView& view, const std::string& dataFolder);

} // namespace jukewright
