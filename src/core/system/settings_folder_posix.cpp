#include "core/system/environment.h"
#include "core/system/settings_folder.h"

#include <cstdlib>

namespace jukewright {

std::string settingsFolder() {
    // A relative XDG_CONFIG_HOME is invalid by the base-directory rules and is ignored.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return std::string(config) + "/jukewright";
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + "/.config/jukewright";
}

} // namespace jukewright
