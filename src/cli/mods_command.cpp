#include "cli/mods_command.h"

#include "cli/exit_status.h"
#include "core/steam/mod_folders.h"
#include "core/steam/steam_libraries.h"

#include <iostream>
#include <string>
#include <vector>

namespace jukewright::cli {

namespace {

void sayWhereItLooked(const std::vector<std::string>& steamFolders, const InstalledMods& installed) {
    if (steamFolders.empty()) {
        std::cerr << "No Half-Life installation was found: the home folder to look in is not known (HOME is not set)\n";
        return;
    }
    if (installed.libraries.empty()) {
        std::cerr << "No Half-Life installation was found: there is no Steam folder in any of these places:\n";
        for (const std::string& folder : steamFolders)
            std::cerr << "  " << folder << '\n';
        return;
    }
    std::cerr << "No Half-Life installation was found: no folder steamapps/common/Half-Life holds a mod "
                 "(a folder with liblist.gam) in these Steam libraries:\n";
    for (const std::string& library : installed.libraries)
        std::cerr << "  " << library << '\n';
}

int runMods() {
    const std::vector<std::string> steamFolders = systemSteamFolders();
    const InstalledMods installed = findInstalledMods(steamFolders);
    for (const std::string& problem : installed.problems)
        std::cerr << problem << '\n';
    for (const InstalledMod& mod : installed.mods)
        std::cout << mod.name << '\t' << mod.folder << '\n';
    if (installed.mods.empty())
        sayWhereItLooked(steamFolders, installed);
    return std::cout.flush() ? ExitDone : ExitFailed;
}

} // namespace

std::function<int()> addModsCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand("mods", "List the Half-Life mods installed through Steam");
    command->footer("Standard output gets one line per mod: the mod's folder name, a tab and the mod folder's full "
                    "path, library by library in search order. Such a name can be given to --mod of save and "
                    "console. "
#ifdef _WIN32
                    "Steam is looked for where the registry says it is installed, in C:\\Program Files (x86)\\Steam "
                    "and C:\\Program Files\\Steam, "
#else
                    "Steam is looked for in ~/.local/share/Steam, ~/.steam/steam, ~/.steam/root, "
                    "~/.steam/debian-installation, Flatpak's and Snap's Steam folders, "
#endif
                    "and in every library that its steamapps/libraryfolders.vdf lists.");
    return [command] { return command->parsed() ? runMods() : -1; };
}

} // namespace jukewright::cli
