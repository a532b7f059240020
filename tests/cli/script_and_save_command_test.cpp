#include "support/fixtures.h"
#include "support/run_cli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

TEST(ScriptCommand, PrintsTheScriptASaveWouldWrite) {
    test::TempFolder here;
    const auto result = test::runCli({"script", "--mp3-volume", "50", "--game-volume", "80", "C:\\Music\\Blue Sky.mp3",
                                      "D:\\Tunes\\Rain-Dance (Live).mp3"},
                                     here.str());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, test::fixtureBytes("two_tracks_mp3.cfg"));
    EXPECT_EQ(result.err, "");
}

TEST(ScriptCommand, ReadsVolumesAsDecimalNumbersFromZeroToOneHundred) {
    test::TempFolder here;
    const auto leadingZero = test::runCli({"script", "--mp3-volume", "010", "a.mp3"}, here.str());
    EXPECT_EQ(leadingZero.status, 0);
    EXPECT_THAT(leadingZero.out, HasSubstr("\r\nvol10\r\ngvol80\r\n"));
    for (const char* bad : {"101", "-1", "0x10", "ten", ""})
        EXPECT_EQ(test::runCli({"script", "--game-volume", bad, "a.mp3"}, here.str()).status, 2) << bad;
}

TEST(ScriptCommand, WithoutTracksSaysSoAndFails) {
    test::TempFolder here;
    const auto result = test::runCli({"script"}, here.str());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "No items in playlist\n");
    EXPECT_EQ(result.out, "");
}

TEST(CommandLine, HelpSucceedsAndUsageErrorsAreTwo) {
    test::TempFolder here;
    for (const char* command : {"script", "save"})
        EXPECT_EQ(test::runCli({command, "--help"}, here.str()).status, 0) << command;
    EXPECT_EQ(test::runCli({"--help"}, here.str()).status, 0);
    EXPECT_EQ(test::runCli({}, here.str()).status, 2);
    EXPECT_EQ(test::runCli({"frobnicate"}, here.str()).status, 2);
    EXPECT_EQ(test::runCli({"save", "a.mp3"}, here.str()).status, 2) << "--mod is required";
    EXPECT_EQ(test::runCli({"script", "--no-such-option", "a.mp3"}, here.str()).status, 2);
}

TEST(SaveCommand, TurnsRelativeItemsIntoAJukebox) {
    test::TempFolder here;
    here.write("Music/Blue Sky.mp3", "blue");
    here.write("Music/Rain.mp3", "rain");
    fs::create_directories(here.path() / "cstrike");
    const auto result = test::runCli(
        {"save", "--mod", "cstrike", "--mp3-volume", "50", "Music/Blue Sky.mp3", "Music/Rain.mp3"}, here.str());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "GENERATING SCRIPT\nCOPYING FILES\n[1/2] BlueSky.mp3\n[2/2] Rain.mp3\nCOMPLETE\n");
    EXPECT_EQ(here.read("cstrike/mp3s/BlueSky.mp3"), "blue");
    EXPECT_THAT(here.read("cstrike/mp3.cfg"), HasSubstr("\r\nvol50\r\n"));
    EXPECT_EQ(here.read("cstrike/userconfig.cfg"), "exec mp3.cfg\r\n");
    EXPECT_THAT(here.read("cstrike/gfx/shell/kb_act.lst"), HasSubstr("\"MP3 Player Controls\""));
}

TEST(SaveCommand, ReportsWhatItCouldNotDo) {
    test::TempFolder here;
    here.write("a.mp3", "a");
    fs::create_directories(here.path() / "valve");
    const auto missing = test::runCli({"save", "--mod", "valve", "a.mp3", "gone.mp3"}, here.str());
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.err, HasSubstr("These files could not be written:\n"));
    EXPECT_THAT(missing.err, HasSubstr("gone.mp3"));
    EXPECT_THAT(missing.err, ::testing::Not(HasSubstr("COMPLETE")));
    EXPECT_EQ(here.read("valve/mp3s/a.mp3"), "a");

    const auto noFolder = test::runCli({"save", "--mod", "nowhere", "a.mp3"}, here.str());
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_EQ(noFolder.err, "Mod Folder can not be found, check you have typed the right path\n");

    const auto noTracks = test::runCli({"save", "--mod", "valve"}, here.str());
    EXPECT_EQ(noTracks.status, 1);
    EXPECT_EQ(noTracks.err, "No items in playlist\n");
}
