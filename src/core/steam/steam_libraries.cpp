#include "core/steam/steam_libraries.h"

#include "core/steam/vdf.h"
#include "core/system/environment.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#ifdef _WIN32
#include "core/system/windows_registry.h"
#endif

#include <algorithm>
#include <cctype>
#include <iterator>

namespace jukewright {

namespace {

bool isIndexKey(const std::string& key) {
    return !key.empty() && key.find_first_not_of("0123456789") == std::string::npos;
}

// A library path from a root (/x, \\server\x, D:\x). Steam writes no other; a relative one
// would be read from wherever the program was started.
bool isRootedPath(std::string_view path) {
    if (!path.empty() && isSeparator(path[0]))
        return true;
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
           isSeparator(path[2]);
}

// Adds the library once, by its canonical path, when it exists; a label found later for a library
// already there is kept.
void addLibrary(SteamLibraries& libraries, const std::string& folder, const std::string& label = {}) {
    const std::string canonical = canonicalPath(folder);
    if (canonical.empty() || !isFolder(std::string_view(canonical)))
        return;
    const auto known = std::ranges::find(libraries.folders, canonical);
    if (known == libraries.folders.end()) {
        libraries.folders.push_back(canonical);
        libraries.labels.push_back(label);
        return;
    }
    std::string& knownLabel = libraries.labels[static_cast<std::size_t>(known - libraries.folders.begin())];
    if (knownLabel.empty())
        knownLabel = label;
}

void addListedLibraries(SteamLibraries& libraries, const std::string& steamFolder) {
    const std::string steamapps = entryAnyCase(steamFolder, "steamapps");
    if (steamapps.empty())
        return;
    const std::string listFile = entryAnyCase(steamapps, "libraryfolders.vdf");
    if (listFile.empty())
        return;
    const FileContent content = readFileBytes(listFile);
    const LibraryList list =
        content.error ? LibraryList{{}, describeError(content.error)} : parseLibraryFolders(content.bytes);
    if (!list.error.empty())
        libraries.problems.push_back("Steam's list of library folders could not be read: " + listFile + ": " +
                                     list.error);
    for (std::size_t i = 0; i < list.folders.size(); ++i)
        addLibrary(libraries, list.folders[i], list.labels[i]);
}

} // namespace

std::vector<std::string> posixSteamFolders(const std::string& homeFolder) {
    if (homeFolder.empty())
        return {};
    std::vector<std::string> folders;
    for (const char* relative :
         {".local/share/Steam", ".steam/steam", ".steam/root", ".steam/debian-installation",
          ".var/app/com.valvesoftware.Steam/.local/share/Steam", "snap/steam/common/.local/share/Steam"})
        folders.push_back(joinPath(homeFolder, relative));
    return folders;
}

std::vector<std::string> windowsSteamFolders(const std::vector<std::string>& registryFolders) {
    std::vector<std::string> folders;
    std::ranges::copy_if(registryFolders, std::back_inserter(folders),
                         [](const std::string& folder) { return !folder.empty(); });
    folders.push_back("C:\\Program Files (x86)\\Steam");
    folders.push_back("C:\\Program Files\\Steam");
    return folders;
}

std::vector<std::string> systemSteamFolders() {
#ifdef _WIN32
    return windowsSteamFolders({
        registryText(RegistryRoot::CurrentUser, L"Software\\Valve\\Steam", L"SteamPath"),
        registryText(RegistryRoot::LocalMachine, L"SOFTWARE\\WOW6432Node\\Valve\\Steam", L"InstallPath"),
        registryText(RegistryRoot::LocalMachine, L"SOFTWARE\\Valve\\Steam", L"InstallPath"),
    });
#else
    return posixSteamFolders(homeFolder());
#endif
}

SteamLibraries findSteamLibraries(const std::vector<std::string>& steamFolders) {
    SteamLibraries libraries;
    std::vector<std::string> seenSteamFolders;
    for (const std::string& steamFolder : steamFolders) {
        const std::string canonical = canonicalPath(steamFolder);
        if (canonical.empty() || !isFolder(std::string_view(canonical)) ||
            std::ranges::find(seenSteamFolders, canonical) != seenSteamFolders.end())
            continue;
        seenSteamFolders.push_back(canonical);
        addLibrary(libraries, canonical);
        addListedLibraries(libraries, canonical);
    }
    return libraries;
}

LibraryList parseLibraryFolders(std::string_view vdfText) {
    const VdfDocument document = parseVdf(vdfText);
    if (document.error)
        return {{}, "line " + std::to_string(document.error->line) + ": " + document.error->reason};
    const VdfNode* root = document.entry("libraryfolders");
    if (!root || !root->isBlock)
        return {{}, "it holds no \"libraryfolders\" block"};
    LibraryList list;
    for (const VdfNode& entry : root->children) {
        if (!isIndexKey(entry.key))
            continue;
        const VdfNode* path = entry.isBlock ? entry.child("path") : &entry;
        if (!path || path->isBlock || !isRootedPath(path->value))
            continue;
        const VdfNode* label = entry.isBlock ? entry.child("label") : nullptr;
        list.folders.push_back(path->value);
        list.labels.push_back(label && !label->isBlock ? label->value : std::string());
    }
    return list;
}

} // namespace jukewright
