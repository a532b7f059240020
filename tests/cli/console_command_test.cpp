#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/run_cli.h"

#include <gtest/gtest.h>

using namespace jukewright;

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

TEST(ConsoleCommand, MissingModFolderIsAUsageError) {
    test::TempFolder here;
    here.write("file.cfg", "");
    for (const std::string mod : {"nowhere", "file.cfg", ""}) {
        const auto result = test::runCli({"console", "--mod", mod, "echo x"}, here.str());
        EXPECT_EQ(result.status, 2) << mod;
        EXPECT_EQ(result.out + result.err,
                  "Mod Folder can not be found, check you have typed the right path: " + mod + "\n");
    }
}
