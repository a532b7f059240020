#include "core/steam/mod_folders.h"

#include "core/steam/steam_libraries.h"
#include "core/system/file_queries.h"

#include <algorithm>

namespace jukewright {

namespace {

std::string gameFolderOf(const std::string& library) {
    std::string folder = library;
    for (const char* step : {"steamapps", "common", "Half-Life"}) {
        folder = entryAnyCase(folder, step);
        if (folder.empty())
            return {};
    }
    return isFolder(folder) ? folder : std::string();
}

} // namespace

std::vector<InstalledMod> modsInLibrary(const std::string& library) {
    const std::string game = gameFolderOf(library);
    if (game.empty())
        return {};
    std::vector<InstalledMod> mods;
    for (const std::string& name : subfolderNames(game)) {
        const std::string folder = joinPath(game, name);
        if (isFile(entryAnyCase(folder, "liblist.gam")))
            mods.push_back({name, folder, library});
    }
    return mods;
}

InstalledMods findInstalledMods(const std::vector<std::string>& steamFolders) {
    SteamLibraries libraries = findSteamLibraries(steamFolders);
    InstalledMods installed;
    for (std::size_t i = 0; i < libraries.folders.size(); ++i)
        for (InstalledMod& mod : modsInLibrary(libraries.folders[i])) {
            mod.libraryLabel = libraries.labels[i];
            installed.mods.push_back(std::move(mod));
        }
    installed.libraries = std::move(libraries.folders);
    installed.problems = std::move(libraries.problems);
    return installed;
}

ModFolderChoice chooseModFolder(const std::string& text, const std::vector<std::string>& steamFolders) {
    const bool bareName = !text.empty() && text.find_first_of("/\\") == std::string::npos;
    if (!bareName || isFolder(text))
        return {text, {}};
    const InstalledMods installed = findInstalledMods(steamFolders);
    std::vector<const InstalledMod*> named;
    for (const InstalledMod& mod : installed.mods)
        if (mod.name == text)
            named.push_back(&mod);
    if (named.empty())
        // The text then names a folder that does not exist, and the command says so; a library
        // list that could not be read may be why the mod was not found.
        return {text, installed.problems};
    ModFolderChoice choice{named.front()->folder, {}};
    if (named.size() > 1) {
        std::string notice = text + " is installed in " + std::to_string(named.size()) +
                             " Steam libraries; using the first: " + named.front()->folder + " (also in:";
        for (auto it = named.begin() + 1; it != named.end(); ++it)
            notice += " " + (*it)->folder;
        choice.notices.push_back(notice + ")");
    }
    return choice;
}

} // namespace jukewright
