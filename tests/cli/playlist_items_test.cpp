#include "support/fixtures.h"
#include "support/run_cli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// The play line of track k as the script writes it.
std::string playLine(int k, const std::string& copyName) {
    return "alias track" + std::to_string(k) + " \"mp3 play mp3s\\" + copyName + ";";
}

} // namespace

TEST(ScriptPlaylistItems, ImportsPlaylistsAndAddsTracksInTheOrderGiven) {
    test::TempFolder here;
    here.write("Music/one.mp3", "1");
    here.write("Music/two.mp3", "2");
    here.write("Music/three.mp3", "3");
    here.write("Music/four.mp3", "4");
    here.write("Lists/mix.pls", "[playlist]\r\nFile1=..\\Music\\one.mp3\r\nFile2=..\\Music\\two.mp3\r\n");
    here.write("Lists/more.m3u8", "#EXTM3U\n#EXTINF:1,Four\n" + here.str() + "/Music/four.mp3\n");
    const auto result = test::runCli({"script", "Music/three.mp3", "Lists/mix.pls", "Lists/more.m3u8"}, here.str());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_THAT(result.out, HasSubstr(playLine(1, "three.mp3")));
    EXPECT_THAT(result.out, HasSubstr(playLine(2, "one.mp3")));
    EXPECT_THAT(result.out, HasSubstr(playLine(3, "two.mp3")));
    EXPECT_THAT(result.out, HasSubstr(playLine(4, "four.mp3")));
    EXPECT_THAT(result.out, Not(HasSubstr("alias track5 ")));
}

TEST(ScriptPlaylistItems, ImportMessagesGoToStandardErrorWithoutFailingTheCommand) {
    test::TempFolder here;
    here.write("a.mp3", "a");
    here.write("plain.m3u", "a.mp3\n");
    const auto result = test::runCli({"script", "plain.m3u", "missing.pls", "a.mp3"}, here.str());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "This is not a valid extented M3U playlist\n"
                          "Error: the playlist could not be opened: missing.pls\n");
    EXPECT_THAT(result.out, HasSubstr(playLine(1, "a.mp3")));
}

TEST(ScriptPlaylistItems, AnyOtherEndingIsATrack) {
    test::TempFolder here;
    here.write("LIST.PLS", "File1=a.mp3\r\n");
    const auto result = test::runCli({"script", "LIST.PLS"}, here.str());
    EXPECT_EQ(result.status, 0);
    EXPECT_THAT(result.out, HasSubstr(playLine(1, "LIST.PLS")));
}
