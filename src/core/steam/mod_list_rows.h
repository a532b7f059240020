#pragma once

#include "core/steam/mod_folders.h"

#include <string>
#include <vector>

namespace jukewright {

// The rows of a list of detected mods, one per mod in the same order: the mod's folder name, followed
// by its Steam library where another library holds a mod of the same name, so that no two rows read
// alike.
std::vector<std::string> modListRows(const std::vector<InstalledMod>& mods);

// What such a list says when it has no row: whether Steam itself was found, and where to go instead.
std::string noModsText(const InstalledMods& installed);

} // namespace jukewright
