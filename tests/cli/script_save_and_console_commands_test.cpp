#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/run_cli.h"

#include <gmock/gmock.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace jukewright;
using ::testing::HasSubstr;
using ::testing::Not;
namespace fs = std::filesystem;

TEST(ScriptCommand, PrintsTheScriptASaveWouldWrite) {
    test::TempFolder here;
    const auto result = test::runCli({"script", "--mp3-volume", "50", "--game-volume", "80", "C:\\Music\\Blue Sky.mp3",
                                      "D:\\Tunes\\Rain-Dance (Live).mp3"},
                                     here.str());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, test::twoTrackScript());
    EXPECT_EQ(result.err, "");

    const auto none = test::runCli({"script"}, here.str());
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "No items in playlist\n");
}

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

TEST(CommandLine, ReadsDecimalVolumesAndMapsEveryUsageErrorToTwo) {
    test::TempFolder here;
    const auto leadingZero = test::runCli({"script", "--mp3-volume", "010", "a.mp3"}, here.str());
    EXPECT_THAT(leadingZero.out, HasSubstr("\r\nvol10\r\ngvol80\r\n"));
    for (const char* bad : {"101", "-1", "0x10", "ten", ""})
        EXPECT_EQ(test::runCli({"script", "--game-volume", bad, "a.mp3"}, here.str()).status, 2) << bad;
    for (const char* command : {"script", "save", "console"})
        EXPECT_EQ(test::runCli({command, "--help"}, here.str()).status, 0) << command;
    EXPECT_THAT(test::runCli({"console", "--help"}, here.str()).out, HasSubstr("one message a second"));
    EXPECT_EQ(test::runCli({}, here.str()).status, 2);
    EXPECT_EQ(test::runCli({"frobnicate"}, here.str()).status, 2);
    EXPECT_EQ(test::runCli({"save", "a.mp3"}, here.str()).status, 2) << "--mod is required";
    here.write("file.cfg", "");
    for (const std::string mod : {"nowhere", "file.cfg", ""}) {
        const auto result = test::runCli({"console", "--mod", mod, "echo x"}, here.str());
        EXPECT_EQ(result.status, 2) << mod;
        EXPECT_EQ(result.out + result.err,
                  "Mod Folder can not be found, check you have typed the right path: " + mod + "\n");
    }
}

TEST(ScriptAndSaveCommands, NoteEachVolumeOffTheLadderAndStillWriteIt) {
    test::TempFolder here;
    here.write("a.mp3", "a");
    fs::create_directories(here.path() / "mod");
    const std::string steps = "The steps are 0, 2, 5, 9, 13, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, "
                              "85, 90, 95 and 100.\n";
    const auto script = test::runCli({"script", "--mp3-volume", "37", "--game-volume", "3", "a.mp3"}, here.str());
    EXPECT_EQ(script.status, 0);
    EXPECT_THAT(script.out, HasSubstr("\r\nvol37\r\ngvol3\r\n"));
    EXPECT_EQ(script.err, "Notice: the MP3 volume 37 is not a step of the volume ladder, so the game keeps its own MP3 "
                          "volume for it and the MP3 volume keys do nothing with it. " +
                              steps +
                              "Notice: the game volume 3 is not a step of the volume ladder, so the game keeps its "
                              "own game volume for it and the game volume keys do nothing with it. " +
                              steps);
    const auto save = test::runCli({"save", "--mod", "mod", "--game-volume", "99", "a.mp3"}, here.str());
    EXPECT_EQ(save.status, 0);
    EXPECT_THAT(save.err, HasSubstr("Notice: the game volume 99 is not a step"));
    EXPECT_THAT(here.read("mod/mp3.cfg"), HasSubstr("\r\ngvol99\r\n"));
}

TEST(SaveCommand, TurnsRelativeItemsIntoAJukeboxAndReportsWhatItCouldNotDo) {
    test::TempFolder here;
    here.write("Music/Blue Sky.mp3", "blue");
    here.write("Music/Rain.mp3", "rain");
    fs::create_directories(here.path() / "cstrike");
    const auto done = test::runCli(
        {"save", "--mod", "cstrike", "--mp3-volume", "50", "Music/Blue Sky.mp3", "Music/Rain.mp3"}, here.str());
    EXPECT_EQ(done.status, 0);
    EXPECT_EQ(done.err, "GENERATING SCRIPT\nCOPYING FILES\n[1/2] BlueSky.mp3\n[2/2] Rain.mp3\nCOMPLETE\n");
    EXPECT_EQ(here.read("cstrike/mp3s/BlueSky.mp3"), "blue");
    EXPECT_THAT(here.read("cstrike/mp3.cfg"), HasSubstr("\r\nvol50\r\n"));

    const auto missing = test::runCli({"save", "--mod", "cstrike/", "Music/Rain.mp3", "gone.mp3"}, here.str());
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.err, HasSubstr("These files could not be written:\n"));
    EXPECT_THAT(missing.err, HasSubstr("gone.mp3"));
    EXPECT_THAT(missing.err, ::testing::Not(HasSubstr("COMPLETE")));

    // The mod folder is taken literally: no pattern, no file.
    for (const char* mod : {"nowhere", "c*", "cstr?ke", "Music/Rain.mp3"}) {
        const auto noFolder = test::runCli({"save", "--mod", mod, "Music/Rain.mp3"}, here.str());
        EXPECT_EQ(noFolder.status, 1) << mod;
        EXPECT_EQ(noFolder.err, "Mod Folder can not be found, check you have typed the right path\n") << mod;
    }
}

#ifndef _WIN32
TEST(SaveCommand, APlaylistOrConfigThatIsAFifoNeverBlocks) {
    test::TempFolder here;
    here.write("Music/Rain.mp3", "rain");
    fs::create_directories(here.path() / "cstrike");
    ASSERT_EQ(::mkfifo((here.path() / "list.pls").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((here.path() / "cstrike/userconfig.cfg").c_str(), 0644), 0);
    const auto result = test::runCli({"save", "--mod", "cstrike", "list.pls", "Music/Rain.mp3"}, here.str());
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.err, HasSubstr("Error: the playlist could not be opened: list.pls\n"));
    EXPECT_THAT(result.err, HasSubstr("userconfig.cfg (not a regular file)"));
    EXPECT_EQ(here.read("cstrike/mp3s/Rain.mp3"), "rain");
}
#endif

#ifdef _WIN32
// Windows hands the program its arguments in the ANSI code page unless it asks for them in Unicode:
// a folder named in Cyrillic (outside Windows-1252) must still be found, and the copies named "mp3s\NAME".
TEST(SaveCommand, TakesArgumentsOutsideTheAnsiCodePage) {
    test::TempFolder here;
    const std::string folder = "\xD0\x9C\xD1\x83\xD0\xB7\xD1\x8B\xD0\xBA\xD0\xB0"; // "Музыка"
    const std::string track = here.write(folder + "/Kino.mp3", "kino");
    fs::create_directories(here.path() / "cstrike");
    const auto saved = test::runCli({"save", "--mod", "cstrike", track}, here.str());
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_THAT(here.read("cstrike/mp3.cfg"), HasSubstr("alias track1 \"mp3 play mp3s\\Kino.mp3;"));
    EXPECT_EQ(here.read("cstrike/mp3s/Kino.mp3"), "kino");
}
#endif

// The same commands, given as arguments or as lines of standard input, play the script that the
// script command prints: userconfig.cfg runs first, effects go to standard output, notices to standard error.
TEST(ConsoleCommand, PlaysThePrintedScriptFromArgumentsOrStandardInput) {
    test::TempFolder here;
    const auto script = test::runCli({"script", "C:\\Music\\Blue Sky.mp3", "Rain.mp3"}, here.str());
    ASSERT_EQ(script.status, 0);
    here.write("valve/mp3.cfg", script.out);
    here.write("valve/userconfig.cfg", "exec mp3.cfg\r\nbind k \"mp3 stop\"\r\n");
    const auto typed = test::runCli({"console", "--mod", "valve/", "nexttracks; saytrack", "exec no.cfg"}, here.str());
    const auto input = test::runCli({"console", "--mod", "valve"}, here.str(), "nexttracks\nsaytrack\r\nexec no.cfg\n");
    const std::string rain = std::string(ScriptTrackFolder) + "Rain.mp3";
    for (const auto& result : {typed, input}) {
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, "mp3volume 0.80\nvolume 0.80\necho Jukewright Script Loaded\nunknown command: bind\n"
                              "echo Jukewright : next track\nmp3 play " +
                                  rain + "\nsay listening to Rain.mp3 with Jukewright\n");
        EXPECT_EQ(result.err, "file not found: " + rain + "\ncouldn't exec no.cfg\n");
    }
}
