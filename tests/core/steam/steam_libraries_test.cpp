#include "core/steam/mod_folders.h"
#include "core/steam/steam_libraries.h"
#include "support/steam_home.h"

#include <functional>
#include <gtest/gtest.h>

using namespace jukewright;

namespace {

const std::string Native = ".local/share/Steam";
const std::string Flatpak = ".var/app/com.valvesoftware.Steam/.local/share/Steam";

struct LayoutCase {
    std::string what;
    std::function<void(const test::SteamHome&)> build;
    std::vector<std::string> mods; // "name library", the library's steamapps relative to the home folder
    std::vector<std::string> problemFiles = {};
};

#ifndef _WIN32
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}
#endif

} // namespace

TEST(SteamLibraries, ReadsBothLayoutsOfTheLibraryList) {
    const std::vector<std::pair<std::string, LibraryList>> cases = {
        {R"("libraryfolders" { "contentstatsid" "-1" "0" { "path" "/a" "apps" { "70" "1" } } "1" { "label" "" } })",
         {{"/a"}, ""}},
        {R"("libraryfolders" { "0" { "path" "/a" "label" "" } "1" { "label" "Fast games" "path" "/ssd" } })",
         {{"/a", "/ssd"}, "", {"", "Fast games"}}},
        {R"("LibraryFolders" { "TimeNextStatsReport" "1" "ContentStatsID" "-2" "1" "/b" "2" "D:\\Games" })",
         {{"/b", "D:\\Games"}, ""}},
        {R"("libraryfolders" { "0" { "path" "games" } "1" { "path" "../x" } "2" { "path" "C:x" } "3" { "path" "/c" } })",
         {{"/c"}, ""}},
        {R"("other" { "0" "/a" })", {{}, "it holds no \"libraryfolders\" block"}},
        {R"("libraryfolders" "x")", {{}, "it holds no \"libraryfolders\" block"}},
        {"\"libraryfolders\" {\n\"0\" {\n", {{}, "line 2: the block \"0\" opened here is not closed"}},
    };
    for (const auto& [text, expected] : cases) {
        const LibraryList list = parseLibraryFolders(text);
        EXPECT_EQ(list.folders, expected.folders) << text;
        EXPECT_EQ(list.error, expected.error) << text;
        EXPECT_EQ(list.labels, expected.labels) << text;
    }
}

#ifndef _WIN32 // Steam's folders in the home folder and their links are POSIX's; Windows asks the registry
TEST(SteamLibraries, SearchesTheUsualSteamFoldersInOrder) {
    EXPECT_EQ(posixSteamFolders("/home/p"),
              (std::vector<std::string>{"/home/p/.local/share/Steam", "/home/p/.steam/steam", "/home/p/.steam/root",
                                        "/home/p/.steam/debian-installation",
                                        "/home/p/.var/app/com.valvesoftware.Steam/.local/share/Steam",
                                        "/home/p/snap/steam/common/.local/share/Steam"}));
    EXPECT_TRUE(posixSteamFolders("").empty());
    EXPECT_EQ(windowsSteamFolders({"c:/games/steam", "", "D:\\Steam"}),
              (std::vector<std::string>{"c:/games/steam", "D:\\Steam", "C:\\Program Files (x86)\\Steam",
                                        "C:\\Program Files\\Steam"}));
}

TEST(SteamLibraries, FindsTheModsOfEveryLibraryOnce) {
    const std::vector<LayoutCase> cases = {
        {"nothing installed", [](auto&) {}, {}, {}},
        {"native, reached through its links too",
         [](const test::SteamHome& h) {
             h.mod(Native, "valve");
             h.mod(Native, "cstrike");
             h.home.write(Native + "/steamapps/common/Half-Life/valve_hd/models/x.mdl", "");
             h.home.write(Native + "/steamapps/common/Half-Life/hw.so", "");
             h.link(".steam/steam", Native);
             h.link(".steam/root", Native);
         },
         {"cstrike " + Native + "/steamapps", "valve " + Native + "/steamapps"}},
        {"current library list: the Steam folder, a second library, an unplugged one, a link to the first",
         [](const test::SteamHome& h) {
             h.home.write(Native + "/steamapps/common/Other Game/x", "");
             h.mod("Games/SteamLibrary", "cstrike");
             h.link(".steam/steam", Native);
             h.libraryList(Native, replaced(R"("libraryfolders" {
                 "0" { "path" "HOME/.local/share/Steam" "apps" { "70" "1" } }
                 "1" { "path" "HOME/Games/SteamLibrary" }
                 "2" { "path" "/media/unplugged/SteamLibrary" }
                 "3" { "path" "HOME/.steam/steam" } })",
                                            "HOME", h.path()));
         },
         {"cstrike Games/SteamLibrary/steamapps"}},
        {"old installation: SteamApps in capitals, the old library list",
         [](const test::SteamHome& h) {
             h.mod(".steam/debian-installation", "czero", "SteamApps");
             h.mod("Old", "gearbox", "SteamApps");
             h.libraryList(".steam/debian-installation",
                           replaced(R"("LibraryFolders" { "TimeNextStatsReport" "1700000000" "1" "HOME/Old" })", "HOME",
                                    h.path()),
                           "SteamApps");
         },
         {"czero .steam/debian-installation/SteamApps", "gearbox Old/SteamApps"}},
        {"the same mod in two libraries, each listed in search order",
         [](const test::SteamHome& h) {
             h.mod(Flatpak, "cstrike");
             h.mod(Native, "cstrike");
         },
         {"cstrike " + Native + "/steamapps", "cstrike " + Flatpak + "/steamapps"}},
        {"a broken library list is named, the other libraries still found",
         [](const test::SteamHome& h) {
             h.mod(Native, "cstrike");
             h.libraryList(Native, "\"libraryfolders\"\n{\n\"0\" { \"path\" \"/x");
             h.mod(Flatpak, "dod");
             h.libraryList(Flatpak, "}");
         },
         {"cstrike " + Native + "/steamapps", "dod " + Flatpak + "/steamapps"},
         {Native + "/steamapps/libraryfolders.vdf: line 3: a quoted text starting here is not closed",
          Flatpak + "/steamapps/libraryfolders.vdf: line 1: a '}' closes no block"}},
    };
    for (const LayoutCase& c : cases) {
        test::SteamHome home;
        c.build(home);
        const InstalledMods installed = findInstalledMods(posixSteamFolders(home.home.str()));
        std::vector<std::string> mods;
        for (const InstalledMod& mod : installed.mods)
            mods.push_back(mod.name + " " +
                           replaced(mod.folder.substr(home.path().size() + 1), "/common/Half-Life/" + mod.name, ""));
        EXPECT_EQ(mods, c.mods) << c.what;
        std::vector<std::string> problems;
        for (const std::string& file : c.problemFiles)
            problems.push_back("Steam's list of library folders could not be read: " + home.path(file));
        EXPECT_EQ(installed.problems, problems) << c.what;
    }
}

TEST(SteamLibraries, ANameOfAnInstalledModSelectsItsFolder) {
    test::SteamHome home;
    const std::string first = home.mod(Native, "cstrike");
    const std::string second = home.mod(Flatpak, "cstrike");
    const std::string valve = home.mod(Flatpak, "valve");
    const auto folders = posixSteamFolders(home.home.str());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"valve", valve},           {"dod", "dod"}, {"Valve", "Valve"}, {"Half-Life/valve", "Half-Life/valve"},
        {"..\\valve", "..\\valve"}, {"", ""},
    };
    for (const auto& [text, folder] : cases) {
        const ModFolderChoice choice = chooseModFolder(text, folders);
        EXPECT_EQ(choice.folder, folder) << text;
        EXPECT_TRUE(choice.notices.empty()) << text;
    }
    const ModFolderChoice twice = chooseModFolder("cstrike", folders);
    EXPECT_EQ(twice.folder, first);
    EXPECT_EQ(twice.notices, std::vector<std::string>{"cstrike is installed in 2 Steam libraries; using the first: " +
                                                      first + " (also in: " + second + ")"});
    // A mod that is not found may be in a library whose list could not be read: say so.
    home.libraryList(Native, "{");
    EXPECT_EQ(chooseModFolder("dod", folders).notices,
              std::vector<std::string>{"Steam's list of library folders could not be read: " +
                                       home.path(Native + "/steamapps/libraryfolders.vdf") +
                                       ": line 1: a block has no key before its '{'"});
    EXPECT_TRUE(chooseModFolder("valve", folders).notices.empty());
}
#endif
