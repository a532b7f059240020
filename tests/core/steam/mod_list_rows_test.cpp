#include "core/steam/mod_list_rows.h"

#include <gtest/gtest.h>

using namespace jukewright;

TEST(ModListRows, NamesTheLibraryOnlyWhereTwoModsShareAName) {
    const std::vector<InstalledMod> mods = {
        {"cstrike", "/home/p/Steam/steamapps/common/Half-Life/cstrike", "/home/p/Steam"},
        {"valve", "/home/p/Steam/steamapps/common/Half-Life/valve", "/home/p/Steam"},
        {"cstrike", "/games/steamapps/common/Half-Life/cstrike", "/games"},
    };
    EXPECT_EQ(modListRows(mods), (std::vector<std::string>{"cstrike (/home/p/Steam)", "valve", "cstrike (/games)"}));
    EXPECT_TRUE(modListRows({}).empty());
}

TEST(ModListRows, EmptyListSaysWhetherSteamWasFound) {
    EXPECT_EQ(noModsText({}),
              "Steam was not found on this computer. Choose the mod folder in the folder list instead.");
    EXPECT_EQ(noModsText({{}, {"/home/p/.local/share/Steam"}, {}}),
              "Steam was found, but no Half-Life mod is installed in it. Choose the mod folder in the folder list "
              "instead.");
}
