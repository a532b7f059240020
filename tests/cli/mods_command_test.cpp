#include "support/run_cli.h"
#include "support/steam_home.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace jukewright;

// Steam is looked for in the home folder on POSIX only; Windows asks the registry.
#ifndef _WIN32

namespace {

const std::string Native = ".local/share/Steam";
const std::string Flatpak = ".var/app/com.valvesoftware.Steam/.local/share/Steam";

test::CliResult runIn(const test::SteamHome& home, const std::vector<std::string>& arguments,
                      const std::string& workingFolder) {
    return test::runCli(arguments, workingFolder, {}, {"HOME=" + home.home.str()});
}

} // namespace

// Where it looked when no mod is found, then the mods of every library and the library list it could not read.
TEST(ModsCommand, SaysWhereItLookedOrListsTheModsOfEveryLibrary) {
    test::SteamHome home;
    const std::string h = home.home.str();
    const auto nothing = runIn(home, {"mods"}, h);
    EXPECT_EQ(nothing.status, 0);
    EXPECT_EQ(nothing.out, "");
    EXPECT_EQ(nothing.err, "No Half-Life installation was found: there is no Steam folder in any of these places:\n"
                           "  " +
                               h + "/.local/share/Steam\n  " + h + "/.steam/steam\n  " + h + "/.steam/root\n  " + h +
                               "/.steam/debian-installation\n  " + h + "/" + Flatpak + "\n  " + h +
                               "/snap/steam/common/.local/share/Steam\n");
    const auto homeless = test::runCli({"mods"}, h, {}, {"HOME="});
    EXPECT_EQ(homeless.status, 0);
    EXPECT_EQ(homeless.err,
              "No Half-Life installation was found: the home folder to look in is not known (HOME is not set)\n");
    home.home.write(Native + "/steamapps/common/Half-Life/valve_hd/x", "");
    const auto noMod = runIn(home, {"mods"}, h);
    EXPECT_EQ(noMod.status, 0);
    EXPECT_EQ(noMod.err, "No Half-Life installation was found: no folder steamapps/common/Half-Life holds a mod (a "
                         "folder with liblist.gam) in these Steam libraries:\n  " +
                             home.path(Native) + "\n");

    const std::string cstrike = home.mod(Native, "cstrike");
    const std::string valve = home.mod(Native, "valve");
    const std::string dod = home.mod(Flatpak, "dod");
    home.libraryList(Flatpak, "\"libraryfolders\" { \"0\" ");
    const auto listed = runIn(home, {"mods"}, h);
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "cstrike\t" + cstrike + "\nvalve\t" + valve + "\ndod\t" + dod + "\n");
    EXPECT_EQ(listed.err, "Steam's list of library folders could not be read: " +
                              home.path(Flatpak + "/steamapps/libraryfolders.vdf") +
                              ": line 1: the key \"0\" has no value\n");
}

TEST(ModsCommand, AModNameSelectsTheInstalledModForSaveAndConsole) {
    test::SteamHome home;
    const std::string first = home.mod(Native, "cstrike");
    const std::string second = home.mod(Flatpak, "cstrike");
    const std::string valve = home.mod(Flatpak, "valve");
    home.home.write(valve.substr(home.path().size() + 1) + "/userconfig.cfg", "echo installed\r\n");
    test::TempFolder here;
    here.write("Blue Sky.mp3", "ID3");

    const auto save = runIn(home, {"save", "--mod", "cstrike", "Blue Sky.mp3"}, here.str());
    EXPECT_EQ(save.status, 0) << save.err;
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(first) / "mp3s" / "BlueSky.mp3"));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(second) / "mp3.cfg"));
    EXPECT_TRUE(save.err.starts_with("cstrike is installed in 2 Steam libraries; using the first: " + first +
                                     " (also in: " + second + ")\n"))
        << save.err;

    const auto installed = runIn(home, {"console", "--mod", "valve", "echo x"}, here.str());
    EXPECT_EQ(installed.status, 0);
    EXPECT_EQ(installed.out, "echo installed\necho x\n");
    EXPECT_EQ(installed.err, "");

    // A folder of that name in the current folder comes first; an unknown name is a missing folder.
    here.write("valve/userconfig.cfg", "echo here\r\n");
    EXPECT_EQ(runIn(home, {"console", "--mod", "valve", "echo x"}, here.str()).out, "echo here\necho x\n");
    const auto unknown = runIn(home, {"console", "--mod", "dod", "echo x"}, here.str());
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "Mod Folder can not be found, check you have typed the right path: dod\n");
}

#endif
