#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/run_cli.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using namespace std::string_literals;
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

// An Xash3D installation: the engine's program in the game folder above the mod folder.
TEST(EngineOption, AutoFollowsTheEngineFoundAboveTheModFolder) {
    const std::string found = "Xash3D found above the mod folder: the script was written in parts that Xash3D loads.";
    const struct {
        const char* program;
        std::vector<std::string> extra;
        bool xash;
        bool parts;
    } rows[] = {
        {"xash3d", {}, true, true},     {"xash3d.exe", {"--engine", "auto"}, true, true},
        {"libxash.so", {}, true, true}, {"xash3d", {"--engine", "goldsrc"}, false, false},
        {"hl_linux", {}, false, false}, {"xash3d/", {}, false, false},
    };
    for (const auto& row : rows) {
        test::TempFolder here;
        const std::string program = row.program;
        if (program.ends_with('/'))
            fs::create_directories(here.path() / program);
        else
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
        std::vector<std::string> check = {"check", "--mod", "cstrike"};
        check.insert(check.end(), row.extra.begin(), row.extra.end());
        const auto checked = test::runCli(check, here.str());
        EXPECT_TRUE(
            checked.out.starts_with(row.xash ? "ok: judged by Xash3D's console" : "ok: judged by Half-Life's console"))
            << program << "\n"
            << checked.out;
        // A single mp3.cfg that Xash3D drops is a problem where Xash3D runs it.
        if (!row.parts) {
            EXPECT_THAT(checked.out, HasSubstr("warning: Xash3D-based engines drop a script file"));
        }
    }
    test::TempFolder here;
    here.write("xash3d", "engine");
    ASSERT_EQ(saveTracks(here, 60, {"--engine", "goldsrc"}).status, 0);
    here.write("cstrike/userconfig.cfg", "exec mp3.cfg\r\n");
    const auto checked = test::runCli({"check", "--mod", "cstrike"}, here.str());
    EXPECT_EQ(checked.status, 1);
    EXPECT_THAT(checked.out, HasSubstr("problem: Xash3D-based engines drop a script file"));
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
         {"ok: judged by Half-Life's console (GoldSrc): no Xash3D program above the mod folder\n",
          "warning: mp3.cfg is ",
          "warning: Xash3D-based engines drop a script file that does not fit their command buffer of 32,768 bytes "
          "whole",
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
         {"problem: Xash3D-based engines drop a script file that does not fit their command buffer of 32,768 bytes "
          "whole, so the jukebox does not load there: mp3_part1.cfg ("}},
        {"cycle",
         {"--engine", "xash3d"},
         [&](const auto& here) { edit(here, "cstrike/mp3_part3.cfg", "alias ", "exec mp3_part2.cfg\r\nalias "); },
         1,
         {"problem: the parts run in a cycle, so the game runs them again and again: mp3_part3.cfg runs "
          "mp3_part2.cfg\n"}},
        {"refused exec",
         {"--engine", "xash3d"},
         [&](const auto& here) { edit(here, "cstrike/mp3.cfg", "exec mp3_part1", "exec ./mp3_part1"); },
         1,
         {"problem: the script runs parts that cannot be read: ./mp3_part1.cfg (the game's exec refuses it: not a "
          ".cfg or .rc file)\n"}},
#ifndef _WIN32
        {"link out",
         {"--engine", "xash3d"},
         [&](const auto& here) {
             fs::rename(here.path() / "cstrike/mp3_part2.cfg", here.path() / "part2.cfg");
             fs::create_symlink(here.path() / "part2.cfg", here.path() / "cstrike/mp3_part2.cfg");
         },
         1,
         {"problem: the script runs parts that cannot be read: mp3_part2.cfg (a link to a file outside the mod "
          "folder)\n"}},
#endif
        {"backslash",
         {"--engine", "xash3d"},
         [&](const auto& here) {
             edit(here, "cstrike/mp3_part1.cfg", "mp3 play mp3s/Songnumber1.mp3", "mp3 play mp3s\\Songnumber1.mp3");
         },
         1,
         {"problem: Xash3D-based engines split paths on / alone and refuse .. and :, so these tracks do not play "
          "there: track 1 (mp3s\\Songnumber1.mp3)\n"}},
        {"dots",
         {"--engine", "xash3d"},
         [&](const auto& here) {
             edit(here, "cstrike/mp3_part1.cfg", "mp3 loop mp3s/Songnumber1.mp3", "mp3 loop mp3s/Song..1.mp3");
         },
         1,
         {"problem: Xash3D-based engines split paths on / alone and refuse .. and :, so these tracks do not play "
          "there: track 1 (mp3s/Song..1.mp3)\n"}},
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
