#include "core/steam/mod_list_rows.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace jukewright;

TEST(ModListRows, NamesTheLibraryOnlyWhereTwoModsShareAName) {
    const std::vector<InstalledMod> mods = {
        {"cstrike", "/home/p/Steam/steamapps/common/Half-Life/cstrike", "/home/p/Steam"},
        {"valve", "/home/p/Steam/steamapps/common/Half-Life/valve", "/home/p/Steam"},
        {"cstrike", "/games/steamapps/common/Half-Life/cstrike", "/games"},
        {"cstrike", "/media/p/Big Disk/SteamLibrary/steamapps/common/Half-Life/cstrike",
         "/media/p/Big Disk/SteamLibrary"},
        {"cstrike", "/mnt/ssd/steamapps/common/Half-Life/cstrike", "/mnt/ssd", "Fast games"},
    };
    EXPECT_EQ(modListRows(mods),
              (std::vector<std::string>{"cstrike (/home/p/Steam)", "valve", "cstrike (/games)",
                                        "cstrike (/media/...k/SteamLibrary)", "cstrike (Fast games)"}));
    EXPECT_TRUE(modListRows({}).empty());
}

TEST(ModListRows, ShortensInTheMiddleByCharacters) {
    const std::vector<std::tuple<std::string, std::size_t, std::string>> cases = {
        {"/media/p/Big Disk/SteamLibrary", 30, "/media/p/Big Disk/SteamLibrary"},
        {"/media/p/Big Disk/SteamLibrary", 12, "/me...ibrary"},
        {"/m\xc3\xa9"
         "dia/\xc3\xa9t\xc3\xa9/Biblioth\xc3\xa8que",
         12, "/m\xc3\xa9...th\xc3\xa8que"},
        {"abcdef", 3, "abcdef"},
    };
    for (const auto& [text, most, expected] : cases)
        EXPECT_EQ(shortenedInTheMiddle(text, most), expected) << text;
}

TEST(ModListRows, EmptyListSaysWhetherSteamWasFound) {
    EXPECT_EQ(noModsText({}),
              "Steam was not found on this computer. Choose the mod folder in the folder list instead.");
    EXPECT_EQ(noModsText({{}, {"/home/p/.local/share/Steam"}, {}}),
              "Steam was found, but no Half-Life mod is installed in it. Choose the mod folder in the folder list "
              "instead.");
    const std::string unread = "Steam's list of library folders could not be read: /s/steamapps/libraryfolders.vdf: x";
    EXPECT_EQ(modListNote({{{"valve", "/s/steamapps/common/Half-Life/valve", "/s"}}, {"/s"}, {}}), "");
    EXPECT_EQ(modListNote({{{"valve", "/s/steamapps/common/Half-Life/valve", "/s"}}, {"/s"}, {unread}}), unread);
    EXPECT_EQ(modListNote({{}, {"/s"}, {unread}}), noModsText({{}, {"/s"}, {}}) + "\n\n" + unread);
}
