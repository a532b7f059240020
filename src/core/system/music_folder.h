#pragma once

#include <string>
#include <string_view>

namespace jukewright {

// The player's music folder, the same for the window and the command line; not created here.
// POSIX: XDG_MUSIC_DIR from the user's user-dirs.dirs, else ~/Music. Windows: the known Music
// folder. Empty when the system names none.
std::string musicFolder();

// The folder `user-dirs.dirs` text names for `key` (XDG_MUSIC_DIR="$HOME/Music"), with $HOME
// replaced; empty when the key is missing or its value is neither absolute nor under $HOME.
std::string userDirsFolder(std::string_view userDirs, std::string_view key, const std::string& home);

} // namespace jukewright
