#include "core/app_state.h"
#include "core/playlist/m3u_import.h"
#include "core/system/path_text.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>

using namespace jukewright;

TEST(PathUtils, SplitAtTheLastSeparatorOfEitherKindAndNavUpStaysAtTheRoot) {
    // path, GetFilename, getPath, NavUp (which ignores one trailing separator)
    const std::array<const char*, 4> rows[] = {
        {"C:/Music\\a b.mp3", "a b.mp3", "C:/Music", "C:/Music"},
        {"C:\\Lists/mix.m3u", "mix.m3u", "C:\\Lists", "C:\\Lists"},
        {"C:\\Games\\Music\\", "", "C:\\Games\\Music", "C:\\Games"},
        {"\\song.mp3", "song.mp3", "", ""},
        {"C:\\", "", "C:", "C:\\"},
        {"C:", "", "", "C:"},
        {"\\", "", "", "\\"},
        {"song.mp3", "", "", "song.mp3"},
        {"", "", "", ""},
    };
    for (const auto& [path, name, folder, up] : rows) {
        EXPECT_EQ(GetFilename(path), name) << path;
        EXPECT_EQ(getPath(path), folder) << path;
        EXPECT_EQ(NavUp(path), up) << path;
    }
}

TEST(GetM3uPath, MovesTheBaseUpOncePerStepAnywhereAndCutsThatManyGroupsFromTheFront) {
    // base, entry, resolved path, base afterwards
    const std::array<const char*, 4> rows[] = {
        {"C:\\Games\\Lists", "song.mp3", "C:\\Games\\Lists\\song.mp3", "C:\\Games\\Lists"},
        {"C:\\Games\\Lists", "..\\..\\Other\\song.mp3", "C:\\Other\\song.mp3", "C:"},
        {"C:\\Games\\Lists", "Music\\..\\song.mp3", "C:\\Games\\ic\\..\\song.mp3", "C:\\Games"},
        {"C:\\Games\\Lists", "../song.mp3", "C:\\Games\\Lists\\../song.mp3", "C:\\Games\\Lists"},
        {"C:\\Games\\Lists", "..\\..\\..\\..\\song.mp3", "C:\\song.mp3", "C:"},
        {"/home/player", "..\\..\\..\\song.mp3", "\\song.mp3", ""},
    };
    auto state = std::make_unique<AppState>();
    for (const auto& [base, entry, path, baseAfter] : rows) {
        state->M3uBaseFolder = base;
        EXPECT_EQ(getm3upath(*state, entry), path) << entry;
        EXPECT_EQ(state->M3uBaseFolder, baseAfter) << entry;
    }
}
