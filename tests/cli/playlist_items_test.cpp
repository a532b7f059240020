#include "support/fixtures.h"
#include "support/run_cli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(ScriptPlaylistItems, ImportsPlaylistsAndAddsTracksInTheOrderGivenAndOnlyReportsWhatItCannotImport) {
    test::TempFolder here;
    for (const char* name : {"Music/one.mp3", "Music/two.mp3", "Music/three.mp3", "Music/four.mp3", "LIST.PLS"})
        here.write(name, "ID3");
    here.write("Lists/mix.pls", "[playlist]\r\nFile1=..\\Music\\one.mp3\r\nFile2=..\\Music\\two.mp3\r\n");
    here.write("Lists/more.m3u8", "#EXTM3U\n#EXTINF:1,Four\n" + here.str() + "/Music/four.mp3\n");
    here.write("plain.m3u", "Music/one.mp3\n");
    const auto result = test::runCli(
        {"script", "Music/three.mp3", "Lists/mix.pls", "plain.m3u", "missing.pls", "Lists/more.m3u8", "LIST.PLS"},
        here.str());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "This is not a valid extented M3U playlist\n"
                          "Error: the playlist could not be opened: missing.pls\n");
    int k = 0;
    // Any other ending, upper-case ones included, names a track.
    for (const char* copyName : {"three.mp3", "one.mp3", "two.mp3", "four.mp3", "LIST.PLS"})
        EXPECT_THAT(result.out, HasSubstr("alias track" + std::to_string(++k) + " \"mp3 play mp3s/" + copyName + ";"));
    EXPECT_THAT(result.out, Not(HasSubstr("alias track6 ")));
}
