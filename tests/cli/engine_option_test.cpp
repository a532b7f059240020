#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/run_cli.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using ::testing::HasSubstr;
using ::testing::Not;
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

TEST(EngineOption, CheckReportsWhetherTheJukeboxLoadsInXash) {
    struct Case {
        const char* name;
        std::vector<std::string> extra;
        std::function<void(const test::TempFolder&)> spoil;
        int status;
        std::vector<std::string> lines;
    };
    const auto edit = [](const test::TempFolder& here, const std::string& file, const std::string& from,
                         const std::string& to) {
        std::string bytes = here.read(file);
        const std::size_t at = bytes.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        here.write(file, bytes.replace(at, from.size(), to));
    };
    const std::string loads = "ok: the jukebox loads in Xash3D-based engines: every alias of mp3.cfg and its ";
    const Case cases[] = {
        {"parts",
         {"--engine", "xash3d"},
         [](const auto&) {},
         0,
         {"ok: the script runs 3 parts, all in the mod folder\n", loads, "ok: all 60 tracks",
          "ok: both start-up volumes are steps of the volume keys\n"}},
        {"single",
         {},
         [](const auto&) {},
         0,
         {"warning: mp3.cfg is ", "warning: Xash3D-based engines drop a script file over 32,766 bytes whole",
          "\"Xash3D-compatible script\""}},
        {"small single",
         {},
         [](const auto&) {},
         0,
         {"ok: the jukebox loads in Xash3D-based engines: every alias of mp3.cfg is"}},
        {"missing part",
         {"--engine", "xash3d"},
         [](const auto& here) { fs::remove(here.path() / "cstrike/mp3_part2.cfg"); },
         1,
         {"problem: the script runs parts that cannot be read: mp3_part2.cfg (",
          "problem: in Xash3D-based engines these aliases are not defined"}},
        {"large part",
         {"--engine", "xash3d"},
         [&](const auto& here) {
             edit(here, "cstrike/mp3_part1.cfg", "alias ", "// " + std::string(33000, '/') + "\r\nalias ");
         },
         1,
         {"problem: Xash3D-based engines drop a script file over 32,766 bytes whole, so the jukebox does not load "
          "there: mp3_part1.cfg ("}},
        {"backslash",
         {"--engine", "xash3d"},
         [&](const auto& here) {
             edit(here, "cstrike/mp3_part1.cfg", "mp3 play mp3s/Songnumber1.mp3", "mp3 play mp3s\\Songnumber1.mp3");
         },
         1,
         {"problem: Xash3D-based engines split paths on / alone, so these tracks do not play there: track 1 "
          "(mp3s\\Songnumber1.mp3)\n"}},
    };
    for (const Case& c : cases) {
        test::TempFolder here;
        ASSERT_EQ(saveTracks(here, std::string(c.name) == "small single" ? 2 : 60, c.extra).status, 0) << c.name;
        c.spoil(here);
        const auto result = test::runCli({"check", "--mod", "cstrike"}, here.str());
        EXPECT_EQ(result.status, c.status) << c.name << "\n" << result.out;
        for (const std::string& line : c.lines)
            EXPECT_THAT(result.out, HasSubstr(line)) << c.name;
        if (c.status == 0) {
            EXPECT_THAT(result.out, Not(HasSubstr("problem:"))) << c.name << "\n" << result.out;
        }
    }
}
