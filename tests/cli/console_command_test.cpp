#include "support/fixtures.h"
#include "support/run_cli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using ::testing::HasSubstr;

TEST(ConsoleCommand, StartsWithUserconfigThenRunsEachCommand) {
    test::TempFolder here;
    here.write("cstrike/userconfig.cfg", "echo started\r\nbind k \"mp3 stop\"\r\n");
    here.write("cstrike/mp3s/a.mp3", "mp3");
    const auto result = test::runCli(
        {"console", "--mod", "cstrike", "mp3 play mp3s\\a.mp3; wait; mp3 loop mp3s\\b.mp3", "volume 0.5"}, here.str());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              "echo started\nunknown command: bind\nmp3 play mp3s\\a.mp3\nmp3 loop mp3s\\b.mp3\nvolume 0.5\n");
    EXPECT_EQ(result.err, "file not found: mp3s\\b.mp3\n");
}

TEST(ConsoleCommand, WithoutCommandsRunsTheLinesOfStandardInput) {
    test::TempFolder mod;
    const auto result =
        test::runCli({"console", "--mod", mod.str()}, mod.str(), "alias hi \"say hello\"\r\nhi\nexec none.cfg\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "say hello\n");
    EXPECT_EQ(result.err, "couldn't exec userconfig.cfg\ncouldn't exec none.cfg\n");
}

TEST(ConsoleCommand, MissingModFolderIsAUsageError) {
    test::TempFolder here;
    here.write("file.cfg", "");
    for (const char* mod : {"nowhere", "file.cfg", ""}) {
        const auto result = test::runCli({"console", "--mod", mod, "echo x"}, here.str());
        EXPECT_EQ(result.status, 2) << mod;
        EXPECT_EQ(result.out, "") << mod;
        EXPECT_THAT(result.err, HasSubstr("Mod Folder can not be found")) << mod;
    }
    EXPECT_EQ(test::runCli({"console", "echo x"}, here.str()).status, 2) << "--mod is required";
    EXPECT_EQ(test::runCli({"console", "--help"}, here.str()).status, 0);
}

TEST(ConsoleCommand, PlaysTheScriptThatTheScriptCommandPrints) {
    test::TempFolder here;
    const auto script =
        test::runCli({"script", "--mp3-volume", "50", "C:\\Music\\Blue Sky.mp3", "Rain.mp3"}, here.str());
    ASSERT_EQ(script.status, 0);
    here.write("valve/mp3.cfg", script.out);
    here.write("valve/userconfig.cfg", "exec mp3.cfg\r\n");
    const auto result = test::runCli({"console", "--mod", "valve/"}, here.str(), "nexttracks\nsaytrack\nmp3volup\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "mp3volume 0.50\nvolume 0.80\necho Jukewright Script Loaded\necho Jukewright: next track\n"
                          "mp3 play mp3s\\Rain.mp3\nsay listening to Rain.mp3 with Jukewright\nmp3volume 0.55\n");
    EXPECT_EQ(result.err, "file not found: mp3s\\Rain.mp3\n") << "nothing was copied into this mod folder";
}
