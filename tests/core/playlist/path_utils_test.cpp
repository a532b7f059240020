#include "core/app_state.h"
#include "core/playlist/path_utils.h"

#include <gtest/gtest.h>
#include <memory>

using namespace jukewright;

TEST(GetFilename, TakesTheTextAfterTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(GetFilename("C:\\Music\\song.mp3"), "song.mp3");
    EXPECT_EQ(GetFilename("C:/Music/song.mp3"), "song.mp3");
    EXPECT_EQ(GetFilename("C:\\Music/song.mp3"), "song.mp3");
    EXPECT_EQ(GetFilename("C:/Music\\song.mp3"), "song.mp3");
    EXPECT_EQ(GetFilename("/home/player/Music/a b.mp3"), "a b.mp3");
}

TEST(GetFilename, IsEmptyWithoutSeparatorOrAfterATrailingOne) {
    EXPECT_EQ(GetFilename("C:\\Music\\"), "");
    EXPECT_EQ(GetFilename("song.mp3"), "");
    EXPECT_EQ(GetFilename(""), "");
}

TEST(GetPath, TakesTheTextBeforeTheLastSeparator) {
    EXPECT_EQ(getPath("C:\\Music\\song.mp3"), "C:\\Music");
    EXPECT_EQ(getPath("C:\\song.mp3"), "C:");
    EXPECT_EQ(getPath("C:\\Music\\"), "C:\\Music");
    EXPECT_EQ(getPath("C:\\"), "C:");
    EXPECT_EQ(getPath("\\song.mp3"), "");
    EXPECT_EQ(getPath("/home/player/list.m3u"), "/home/player");
    EXPECT_EQ(getPath("C:\\Lists/mix.m3u"), "C:\\Lists");
    EXPECT_EQ(getPath("song.mp3"), "");
    EXPECT_EQ(getPath(""), "");
}

TEST(NavUp, IgnoresOneTrailingSeparator) {
    EXPECT_EQ(NavUp("C:\\Games\\Music"), "C:\\Games");
    EXPECT_EQ(NavUp("C:\\Games\\Music\\"), "C:\\Games");
    EXPECT_EQ(NavUp("C:\\Games"), "C:");
    EXPECT_EQ(NavUp("C:\\Games\\"), "C:");
    EXPECT_EQ(NavUp("\\Games"), "");
    EXPECT_EQ(NavUp("/home/player"), "/home");
}

TEST(NavUp, StaysPutAboveTheRoot) {
    EXPECT_EQ(NavUp("C:"), "C:");
    EXPECT_EQ(NavUp("C:\\"), "C:\\");
    EXPECT_EQ(NavUp("Music"), "Music");
    EXPECT_EQ(NavUp("\\"), "\\");
    EXPECT_EQ(NavUp(""), "");
}

class GetM3uPath : public ::testing::Test {
protected:
    std::unique_ptr<AppState> state = [] {
        auto fresh = std::make_unique<AppState>();
        fresh->M3uBaseFolder = "C:\\Games\\Music\\Lists";
        return fresh;
    }();
};

TEST_F(GetM3uPath, JoinsAPlainEntryAndLeavesTheBase) {
    EXPECT_EQ(getm3upath(*state, "song.mp3"), "C:\\Games\\Music\\Lists\\song.mp3");
    EXPECT_EQ(state->M3uBaseFolder, "C:\\Games\\Music\\Lists");
}

TEST_F(GetM3uPath, StepsUpOncePerGroupAndLeavesTheBaseMoved) {
    EXPECT_EQ(getm3upath(*state, "..\\song.mp3"), "C:\\Games\\Music\\song.mp3");
    EXPECT_EQ(state->M3uBaseFolder, "C:\\Games\\Music");
    // The base stays moved, so the same entry resolves one level higher the second time.
    EXPECT_EQ(getm3upath(*state, "..\\song.mp3"), "C:\\Games\\song.mp3");
}

TEST_F(GetM3uPath, TwoGroupsReachTheGrandparent) {
    EXPECT_EQ(getm3upath(*state, "..\\..\\Other\\song.mp3"), "C:\\Games\\Other\\song.mp3");
    EXPECT_EQ(state->M3uBaseFolder, "C:\\Games");
}

TEST_F(GetM3uPath, CountsAGroupInsideTheEntryButStripsFromTheFront) {
    EXPECT_EQ(getm3upath(*state, "Music\\..\\song.mp3"), "C:\\Games\\Music\\ic\\..\\song.mp3");
    EXPECT_EQ(state->M3uBaseFolder, "C:\\Games\\Music");
}

TEST_F(GetM3uPath, ForwardSlashStepsAndShortEntriesAreJoinedUnchanged) {
    EXPECT_EQ(getm3upath(*state, "../song.mp3"), "C:\\Games\\Music\\Lists\\../song.mp3");
    EXPECT_EQ(getm3upath(*state, ".."), "C:\\Games\\Music\\Lists\\..");
    EXPECT_EQ(getm3upath(*state, ""), "C:\\Games\\Music\\Lists\\");
    EXPECT_EQ(state->M3uBaseFolder, "C:\\Games\\Music\\Lists");
}

TEST_F(GetM3uPath, MoreGroupsThanLevelsStopAtTheRoot) {
    EXPECT_EQ(getm3upath(*state, "..\\..\\..\\..\\..\\song.mp3"), "C:\\song.mp3");
    EXPECT_EQ(state->M3uBaseFolder, "C:");
    state->M3uBaseFolder = "/home/player";
    EXPECT_EQ(getm3upath(*state, "..\\..\\..\\song.mp3"), "\\song.mp3") << "the POSIX root";
}
