#pragma once

#include "support/fixtures.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace jukewright::test {

// A temporary home folder to build Steam installations in.
class SteamHome {
public:
    TempFolder home;

    // Canonical, as the program finds it.
    std::string path(std::string_view relative = {}) const {
        const std::filesystem::path root = std::filesystem::canonical(home.path());
        return (relative.empty() ? root : root / relative).string();
    }

    // A mod folder with its liblist.gam, e.g. mod(".local/share/Steam", "cstrike").
    std::string mod(std::string_view library, std::string_view name, std::string_view steamapps = "steamapps") const {
        const std::string folder =
            std::string(library) + "/" + std::string(steamapps) + "/common/Half-Life/" + std::string(name);
        home.write(folder + "/liblist.gam", "game \"" + std::string(name) + "\"\n");
        return path(folder);
    }

    void libraryList(std::string_view steamFolder, std::string_view vdf,
                     std::string_view steamapps = "steamapps") const {
        home.write(std::string(steamFolder) + "/" + std::string(steamapps) + "/libraryfolders.vdf", vdf);
    }

    // A link in the home folder to a folder in it, as Steam's ~/.steam/steam is.
    void link(std::string_view relative, std::string_view target) const {
        std::filesystem::create_directories((home.path() / relative).parent_path());
        std::filesystem::create_directory_symlink(home.path() / target, home.path() / relative);
    }
};

} // namespace jukewright::test
