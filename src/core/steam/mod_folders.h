#pragma once

#include <string>
#include <vector>

namespace jukewright {

// A Half-Life mod installed through Steam.
struct InstalledMod {
    std::string name;              // the mod's folder name, "cstrike"
    std::string folder;            // the mod folder's full path
    std::string library;           // the Steam library that holds it
    std::string libraryLabel = {}; // the name the player gave that library in Steam, or empty
};

// The Half-Life mods of one Steam library: the folders of steamapps/common/Half-Life that hold a
// liblist.gam (the file by which the game knows a mod), by name. "steamapps", "common" and
// "Half-Life" match whatever their case, as older installations wrote "SteamApps".
std::vector<InstalledMod> modsInLibrary(const std::string& library);

struct InstalledMods {
    // Library by library in search order, by name within a library.
    std::vector<InstalledMod> mods;
    // The Steam libraries searched, and the lines about library lists that could not be read.
    std::vector<std::string> libraries;
    std::vector<std::string> problems;
};

// Every Half-Life mod reachable from the Steam folders (see systemSteamFolders()).
InstalledMods findInstalledMods(const std::vector<std::string>& steamFolders);

// The mod-folder text of a command: a bare name (no "/" or "\") that is no folder in the current
// folder but names an installed mod selects that mod's folder, the first in search order when
// several libraries hold it (a notice then says which). Any other text is returned unchanged.
struct ModFolderChoice {
    std::string folder;
    std::vector<std::string> notices;
};
ModFolderChoice chooseModFolder(const std::string& text, const std::vector<std::string>& steamFolders);

} // namespace jukewright
