#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/run_cli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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
#ifdef _WIN32
    // A lone LF ends no row on Windows, so the LF-only M3U file has no header row either.
    EXPECT_EQ(result.err, "This is not a valid extented M3U playlist\n"
                          "Error: the playlist could not be opened: missing.pls\n"
                          "This is not a valid extented M3U playlist\n");
    const std::vector<std::string> copyNames{"three.mp3", "one.mp3", "two.mp3", "LIST.PLS"};
#else
    EXPECT_EQ(result.err, "This is not a valid extented M3U playlist\n"
                          "Error: the playlist could not be opened: missing.pls\n");
    const std::vector<std::string> copyNames{"three.mp3", "one.mp3", "two.mp3", "four.mp3", "LIST.PLS"};
#endif
    int k = 0;
    // Any other ending, upper-case ones included, names a track.
    for (const std::string& copyName : copyNames)
        EXPECT_THAT(result.out, HasSubstr("alias track" + std::to_string(++k) + " \"mp3 play " +
                                          std::string(ScriptTrackFolder) + copyName + ";"));
    EXPECT_THAT(result.out, Not(HasSubstr("alias track" + std::to_string(++k) + " ")));
}
