#include "core/system/environment.h"
#include "core/system/file_io.h"
#include "core/system/music_folder.h"

#include <cstdlib>

namespace jukewright {

std::string musicFolder() {
    const std::string home = homeFolder();
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string configFolder = config && config[0] == '/' ? std::string(config) : home + "/.config";
    std::string folder;
    if (!configFolder.empty() && configFolder != "/.config")
        folder =
            userDirsFolder(readFileBytes(configFolder + "/user-dirs.dirs", 64 * 1024).bytes, "XDG_MUSIC_DIR", home);
    if (folder.empty() && !home.empty())
        folder = home + "/Music";
    // "$HOME/Music/" and "$HOME/Music" are one folder.
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

} // namespace jukewright
