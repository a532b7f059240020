#pragma once

#include "core/steam/mod_folders.h"

#include <string>
#include <vector>

namespace jukewright {

// The rows of a list of detected mods, one per mod in the same order: the mod's folder name, followed
// by its Steam library where another library holds a mod of the same name, so that no two rows read
// alike. The library shows as the label the player gave it in Steam, else as its folder shortened in
// the middle to fit the narrow list (the list shows the full path beside it).
std::vector<std::string> modListRows(const std::vector<InstalledMod>& mods);

// A UTF-8 text of more than `most` characters as its start, "...", and its end, `most` characters in
// all; the end, which tells library folders apart, keeps the larger share.
std::string shortenedInTheMiddle(const std::string& text, std::size_t most);

// What such a list says when it has no row: whether Steam itself was found, and where to go instead.
std::string noModsText(const InstalledMods& installed);

// What the list says besides its rows, empty when it has nothing to say: why it has none, and each
// library list that could not be read (its mods are missing from the rows).
std::string modListNote(const InstalledMods& installed);

} // namespace jukewright
