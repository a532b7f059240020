#include "core/steam/mod_list_rows.h"

#include <algorithm>

namespace jukewright {

std::vector<std::string> modListRows(const std::vector<InstalledMod>& mods) {
    std::vector<std::string> rows;
    rows.reserve(mods.size());
    for (const InstalledMod& mod : mods) {
        const bool shared = std::ranges::count(mods, mod.name, &InstalledMod::name) > 1;
        rows.push_back(shared ? mod.name + " (" + mod.library + ")" : mod.name);
    }
    return rows;
}

std::string noModsText(const InstalledMods& installed) {
    const std::string instead = " Choose the mod folder in the folder list instead.";
    if (installed.libraries.empty())
        return "Steam was not found on this computer." + instead;
    return "Steam was found, but no Half-Life mod is installed in it." + instead;
}

} // namespace jukewright
