#pragma once

#include "core/console/engine_rules.h"

#include <string>

namespace jukewright {

// The engine of the game whose mod folder this is: Xash3D when its program (xash3d, xash3d.exe or
// libxash.so) is in the game's folder, the one above the mod folder; Half-Life's engine otherwise.
Engine detectEngine(const std::string& modFolder);

} // namespace jukewright
