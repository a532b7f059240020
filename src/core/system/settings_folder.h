#pragma once

#include <string>

namespace jukewright {

// The folder the window programs keep their settings in, without a trailing separator; not created
// here. POSIX: the per-user configuration folder ($XDG_CONFIG_HOME, else ~/.config) + "/jukewright".
// Windows: the program's own folder when it holds a file named "portable" (a portable copy), else the
// per-user application data folder + "\Jukewright", since an installed program's folder is not
// writable. Empty when the system names no such folder.
std::string settingsFolder();

} // namespace jukewright
