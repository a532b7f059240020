#include "core/system/environment.h"

#include <cstdlib>

namespace jukewright {

std::string homeFolder() {
    const char* home = std::getenv("HOME");
#ifdef _WIN32
    if (!home || !*home)
        home = std::getenv("USERPROFILE");
#endif
    return home ? std::string(home) : std::string();
}

} // namespace jukewright
