#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

// The folders where Steam installs itself on Linux and the other POSIX systems, for a home folder,
// in the order they are searched: the native folder and its usual links, then Flatpak and Snap.
std::vector<std::string> posixSteamFolders(const std::string& homeFolder);

// The same on Windows: the folders the registry names (empty ones dropped), then the usual places.
std::vector<std::string> windowsSteamFolders(const std::vector<std::string>& registryFolders);

// The folders to search on this system: from the home folder in the environment, or on Windows
// from the registry.
std::vector<std::string> systemSteamFolders();

struct SteamLibraries {
    // Each library folder (the folder holding "steamapps") once, as its canonical path, in search
    // order: each Steam folder, then the libraries its libraryfolders.vdf lists.
    std::vector<std::string> folders;
    // The name the player gave each library in Steam ("label" in the list), or empty.
    std::vector<std::string> labels;
    // One line for each library list that could not be read, naming the file and why.
    std::vector<std::string> problems;
};

// The Steam libraries reachable from the Steam folders that exist. A library reached through
// several links (~/.steam/steam and ~/.local/share/Steam) is listed once; a listed library that
// does not exist (an unplugged drive) is left out.
SteamLibraries findSteamLibraries(const std::vector<std::string>& steamFolders);

// The library folders a libraryfolders.vdf text lists, in both Steam's old layout
// ("LibraryFolders" { "1" "/path" }) and its current one ("libraryfolders" { "0" { "path" "/path" } }).
// A broken text gives the error instead.
struct LibraryList {
    std::vector<std::string> folders;
    std::string error;
    // Each folder's "label" in the current layout, or empty.
    std::vector<std::string> labels = std::vector<std::string>(folders.size());
};
LibraryList parseLibraryFolders(std::string_view vdfText);

} // namespace jukewright
