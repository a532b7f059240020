#include "core/playlist/file_uri.h"
#include "core/playlist/playlist_entry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using ::testing::Optional;

TEST(FileUri, DecodesALocalUriToItsPath) {
    EXPECT_THAT(localPathFromFileUri("file:///home/player/My%20Song.mp3"),
                Optional(std::string("/home/player/My Song.mp3")));
    EXPECT_THAT(localPathFromFileUri("file://localhost/home/a.mp3"), Optional(std::string("/home/a.mp3")));
    EXPECT_THAT(localPathFromFileUri("FILE://LocalHost/a.mp3"), Optional(std::string("/a.mp3")));
    EXPECT_THAT(localPathFromFileUri("file:///M%C3%BCsik/%e6%98%A5.mp3"),
                Optional(std::string("/M\xC3\xBCsik/\xE6\x98\xA5.mp3")));
}

TEST(FileUri, KeepsAPercentThatIsNoEscape) {
    EXPECT_THAT(localPathFromFileUri("file:///100%.mp3"), Optional(std::string("/100%.mp3")));
    EXPECT_THAT(localPathFromFileUri("file:///a%2.mp3"), Optional(std::string("/a%2.mp3")));
    EXPECT_THAT(localPathFromFileUri("file:///a%zz%4"), Optional(std::string("/a%zz%4")));
    EXPECT_THAT(localPathFromFileUri("file:///a%25%32%30"), Optional(std::string("/a%20"))) << "decoded once";
}

TEST(FileUri, NamesNoLocalPathForOtherHostsOrSchemes) {
    for (const char* other : {"file://server/share/a.mp3", "file://localhost.example/a.mp3", "file:/home/a.mp3",
                              "file://", "file://localhost", "http://localhost/a.mp3", "/home/a.mp3", "a.mp3", ""})
        EXPECT_EQ(localPathFromFileUri(other), std::nullopt) << other;
}

TEST(PlaylistEntry, KnowsWhichEntriesStartFromARoot) {
    EXPECT_THAT(absoluteEntryPath("C:\\Music\\a.mp3"), Optional(std::string("C:\\Music\\a.mp3")));
    EXPECT_THAT(absoluteEntryPath("file:///x/a%20b.mp3"), Optional(std::string("/x/a b.mp3")));
    for (const char* relative : {"a.mp3", "..\\a.mp3", "C:/Music/a.mp3", "C:a.mp3", "\\\\server\\share\\a.mp3",
                                 "%2Fx%2Fa.mp3", "file://server/a.mp3"})
        EXPECT_EQ(absoluteEntryPath(relative), std::nullopt) << relative;
#ifdef _WIN32
    EXPECT_EQ(absoluteEntryPath("/home/a.mp3"), std::nullopt);
#else
    EXPECT_THAT(absoluteEntryPath("/home/a%20b.mp3"), Optional(std::string("/home/a%20b.mp3")));
#endif
}
