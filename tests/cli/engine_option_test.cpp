#include "support/fixtures.h"
#include "support/run_cli.h"

#include <gmock/gmock.h>

using namespace jukewright;
using namespace std::string_literals;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

// The engine given, or the engine's program found in the game folder above the mod folder, chooses the
// layout of the save and the console that plays it. The userconfig.cfg holds a NUL before the hook: it
// ends Half-Life's reading of the file there, Xash3D's reading of that line only.
TEST(EngineOption, ChoosesTheLayoutOfTheSaveAndTheRulesOfTheConsole) {
    const std::string single = "Xash3D-based engines drop a script over 32,766 bytes";
    const std::string found = "Xash3D found above the mod folder: the script was written in parts that Xash3D loads.";
    const std::string nul = "Line 2 of userconfig.cfg holds a NUL byte";
    struct Case {
        const char* program; // written above the mod folder unless empty
        std::vector<std::string> extra;
        int status;
        bool xash;
    };
    const Case cases[] = {
        {"", {}, 0, false},
        {"", {"--engine", "xash3d"}, 0, true},
        {"", {"--engine=Xash3D"}, 0, true},
        {"", {"--engine", "xash"}, 2, false},
        {"", {"--engine"}, 2, false},
        {"xash3d", {}, 0, true},
        {"xash3d.exe", {"--engine", "auto"}, 0, true},
        {"xash3d", {"--engine", "goldsrc"}, 0, false},
        {"hl_linux", {}, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.program) + (c.extra.empty() ? "" : " " + c.extra.back()));
        test::TempFolder here;
        if (*c.program)
            here.write(c.program, "engine");
        here.write("cstrike/userconfig.cfg", "bind k kill\r\n\0\r\n"s);
        std::vector<std::string> arguments = {"save", "--mod", "cstrike"};
        arguments.insert(arguments.end(), c.extra.begin(), c.extra.end());
        for (int k = 1; k <= 60; ++k)
            arguments.push_back(here.write("Music/Song number " + std::to_string(k) + ".mp3", "song"));
        const auto saved = test::runCli(arguments, here.str());
        EXPECT_EQ(saved.status, c.status) << saved.err;
        EXPECT_EQ(fs::exists(here.path() / "cstrike/mp3_part1.cfg"), c.xash);
        if (c.status == 2) {
            EXPECT_FALSE(fs::exists(here.path() / "cstrike/mp3.cfg"));
            continue;
        }
        EXPECT_EQ(saved.err.find(single) != std::string::npos, !c.xash) << saved.err;
        // The userconfig.cfg is judged by the engine found, whatever layout was asked for.
        const bool xashFound = c.xash && *c.program;
        EXPECT_EQ(saved.err.find(found) != std::string::npos, xashFound) << saved.err;
        EXPECT_EQ(saved.err.find(nul) != std::string::npos, !xashFound) << saved.err;

        std::vector<std::string> console = {"console", "--mod", "cstrike", "nexttracks"};
        console.insert(console.end(), c.extra.begin(), c.extra.end());
        const auto played = test::runCli(console, here.str());
        EXPECT_EQ(played.status, 0);
        EXPECT_THAT(played.out, HasSubstr(c.xash ? "echo Jukewright: next track" : "unknown command: nexttracks"));
    }
    test::TempFolder here;
    fs::create_directories(here.path() / "valve");
    EXPECT_EQ(test::runCli({"console", "--mod", "valve", "--engine", "quake", "echo x"}, here.str()).status, 2);
    EXPECT_THAT(test::runCli({"save", "--help"}, here.str()).out, HasSubstr("--engine"));
}
