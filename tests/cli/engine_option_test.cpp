#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/run_cli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using namespace std::string_literals;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

// Saves a jukebox of `count` tracks into "<here>/cstrike" with the extra arguments.
test::CliResult saveTracks(const test::TempFolder& here, int count, const std::vector<std::string>& extra) {
    std::vector<std::string> arguments = {"save", "--mod", "cstrike"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    for (int k = 1; k <= count; ++k)
        arguments.push_back(here.write("Music/Song number " + std::to_string(k) + ".mp3", "song"));
    fs::create_directories(here.path() / "cstrike");
    return test::runCli(arguments, here.str());
}

} // namespace

TEST(EngineOption, ChoosesTheLayoutOfTheSaveAndTheRulesOfTheConsole) {
    const std::string warning = "Xash3D-based engines drop a script over 32,766 bytes";
    struct Case {
        std::vector<std::string> extra;
        int status;
        bool parts;
    };
    const Case cases[] = {
        {{}, 0, false},
        {{"--engine", "goldsrc"}, 0, false},
        {{"--engine", "xash3d"}, 0, true},
        {{"--engine=Xash3D"}, 0, true},
        {{"--engine", "xash"}, 2, false},
        {{"--engine", "1"}, 2, false},
        {{"--engine"}, 2, false},
    };
    for (const Case& c : cases) {
        test::TempFolder here;
        const auto saved = saveTracks(here, 60, c.extra);
        const std::string name = c.extra.empty() ? "default" : c.extra.back();
        EXPECT_EQ(saved.status, c.status) << name << "\n" << saved.err;
        EXPECT_EQ(fs::exists(here.path() / "cstrike/mp3_part1.cfg"), c.parts) << name;
        if (c.status == 2) {
            EXPECT_FALSE(fs::exists(here.path() / "cstrike/mp3.cfg")) << name;
            continue;
        }
        EXPECT_EQ(saved.err.find(warning) != std::string::npos, !c.parts) << name << "\n" << saved.err;
        const std::string script = here.read("cstrike/mp3.cfg");
        EXPECT_EQ(script == "exec mp3_part1.cfg\r\n", c.parts) << name;

        // The Xash3D console drops the single file whole and loads the parts.
        const auto xash = test::runCli({"console", "--mod", "cstrike", "--engine", "xash3d", "nexttracks"}, here.str());
        EXPECT_EQ(xash.status, 0);
        if (c.parts) {
            EXPECT_EQ(xash.out, "mp3volume 0.80\nvolume 0.80\necho Jukewright Script Loaded\n"
                                "echo Jukewright: next track\nmp3 play mp3s/Songnumber2.mp3\n");
            EXPECT_EQ(xash.err, "");
        } else {
            EXPECT_EQ(xash.out, "unknown command: nexttracks\n");
            EXPECT_EQ(xash.err, "command buffer overflow\n");
        }
        const auto goldSrc = test::runCli({"console", "--mod", "cstrike", "nexttracks"}, here.str());
        // Parts name the copies with "/" on every system; a single file with the system's separator.
        const std::string folder(c.parts ? PortableScriptTrackFolder : ScriptTrackFolder);
        EXPECT_EQ(goldSrc.out, "mp3volume 0.80\nvolume 0.80\necho Jukewright Script Loaded\n"
                               "echo Jukewright : next track\nmp3 play " +
                                   folder + "Songnumber2.mp3\n");
    }
    test::TempFolder here;
    fs::create_directories(here.path() / "valve");
    EXPECT_EQ(test::runCli({"console", "--mod", "valve", "--engine", "quake", "echo x"}, here.str()).status, 2);
    const auto help = test::runCli({"save", "--help"}, here.str());
    EXPECT_THAT(help.out, HasSubstr("--engine"));
}

// An Xash3D installation: the engine's program in the game folder above the mod folder.
TEST(EngineOption, AutoFollowsTheEngineFoundAboveTheModFolder) {
    const std::string found = "Xash3D found above the mod folder: the script was written in parts that Xash3D loads.";
    const struct {
        const char* program;
        std::vector<std::string> extra;
        bool xash;
        bool parts;
    } rows[] = {
        {"xash3d", {}, true, true},
        {"xash3d.exe", {"--engine", "auto"}, true, true},
        {"xash3d", {"--engine", "goldsrc"}, false, false},
        {"hl_linux", {}, false, false},
    };
    for (const auto& row : rows) {
        test::TempFolder here;
        const std::string program = row.program;
        here.write(program, "engine");
        here.write("cstrike/userconfig.cfg", "bind k kill\r\n\0\r\n"s);
        const auto saved = saveTracks(here, 60, row.extra);
        EXPECT_EQ(saved.status, 0) << program << "\n" << saved.err;
        EXPECT_EQ(fs::exists(here.path() / "cstrike/mp3_part1.cfg"), row.parts) << program;
        EXPECT_EQ(saved.err.find(found) != std::string::npos, row.parts) << program;
        // A NUL ends Half-Life's reading of the file before the hook; Xash3D's only that line.
        const std::string nul = "Line 2 of userconfig.cfg holds a NUL byte";
        EXPECT_EQ(saved.err.find(nul) != std::string::npos, !row.xash) << program << saved.err;

        std::vector<std::string> console = {"console", "--mod", "cstrike", "nexttracks"};
        console.insert(console.end(), row.extra.begin(), row.extra.end());
        const auto played = test::runCli(console, here.str());
        EXPECT_THAT(played.out, HasSubstr(row.xash ? "echo Jukewright: next track" : "unknown command: nexttracks"))
            << program;
    }
}
