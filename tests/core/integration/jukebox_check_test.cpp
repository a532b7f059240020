#include "core/integration/engine_detection.h"
#include "core/integration/jukebox_check.h"
#include "core/playlist/track_list.h"
#include "core/script/save_script.h"
#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace jukewright;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

constexpr const char* PlayerList = "\"+forward\"            \"Move forward\"\r\n\"+back\"            \"Move back\"\r\n";

// Saves a jukebox of `count` songs ("Song number <k>.mp3") into "<here>/cstrike" over the player's
// controls list and userconfig.cfg.
void saveJukebox(const test::TempFolder& here, int count, ScriptLayout layout) {
    fs::create_directories(here.path() / "cstrike");
    if (count == 0)
        return;
    here.write("cstrike/gfx/shell/kb_act.lst", PlayerList);
    here.write("cstrike/userconfig.cfg", "// my keys\r\nbind k \"kill\"\r\n");
    auto state = std::make_unique<AppState>();
    state->Layout = layout;
    test::RecordingPlaylistView rows;
    for (int k = 1; k <= count; ++k)
        appendTrack(*state, rows, here.write("Music/Song number " + std::to_string(k) + ".mp3", "song"));
    test::RecordingSaveView view(here.file("cstrike"));
    ASSERT_NE(saveScriptCommand(*state, view, JUKEWRIGHT_DATA_DIR), SaveOutcome::Stopped);
}

// Replaces every `from` in the file (or the first only) with `to`; the file must hold it.
void edit(const test::TempFolder& here, const std::string& file, const std::string& from, const std::string& to,
          bool every = true) {
    std::string bytes = here.read(file);
    ASSERT_NE(bytes.find(from), std::string::npos) << from;
    for (std::size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size())) {
        bytes.replace(at, from.size(), to);
        if (!every)
            break;
    }
    here.write(file, bytes);
}

struct Expected {
    CheckSeverity severity;
    std::string text; // a part of the result's text; a closing "\n" marks where the text ends
};

bool reports(const std::vector<CheckResult>& results, const Expected& expected) {
    return std::ranges::any_of(results, [&](const CheckResult& result) {
        return result.severity == expected.severity && (result.text + "\n").find(expected.text) != std::string::npos;
    });
}

std::string listed(const std::vector<CheckResult>& results) {
    std::string lines;
    for (const CheckResult& result : results)
        lines += std::to_string(static_cast<int>(result.severity)) + " " + result.kind + ": " + result.text + "\n";
    return lines;
}

// The jukebox a row starts from.
struct Saved {
    int songs;
    ScriptLayout layout;
};
constexpr Saved Nothing{0, ScriptLayout::SingleFile};
constexpr Saved Two{2, ScriptLayout::SingleFile};
constexpr Saved Sixty{60, ScriptLayout::SingleFile};
constexpr Saved Parts{60, ScriptLayout::Parts};

} // namespace

// One row per way a jukebox is spoiled after its save; the check judges by the engine it finds above
// the mod folder.
TEST(JukeboxCheck, NamesWhatSpoilsTheJukebox) {
    using enum CheckSeverity;
    const std::string xashDrops = "Xash3D-based engines drop a script file that does not fit their command buffer of "
                                  "32,768 bytes whole";
    const std::string xashPaths = "Xash3D-based engines split paths on / alone and refuse .. and :, so these tracks "
                                  "do not play there: track 1 (";
    struct Case {
        const char* name;
        Saved saved;
        std::function<void(const test::TempFolder&)> spoil;
        std::vector<Expected> expected;
        std::size_t checks = 11; // a script that is not read stops the checks after it
    };
    const auto none = [](const test::TempFolder&) {};
    const Case cases[] = {
        {"good", Two, none, {{Ok, "all 2 tracks that mp3.cfg names are in mp3s\n"}}},
        {"missing track",
         Two,
         [](const auto& here) { fs::remove(here.path() / "cstrike/mp3s/Songnumber2.mp3"); },
         {{Problem, "mp3.cfg names tracks that are not in mp3s: track 2 (" + std::string(ScriptTrackFolder) +
                        "Songnumber2.mp3)\n"}}},
        {"double section",
         Two,
         [](const auto& here) {
             const std::string list = here.read("cstrike/gfx/shell/kb_act.lst");
             here.write("cstrike/gfx/shell/kb_act.lst", list + PlayerList + list);
         },
         {{Problem, "gfx/shell/kb_act.lst has 2 MP3 Player Controls sections"}}},
        {"missing hook",
         Two,
         [](const auto& here) { here.write("cstrike/userconfig.cfg", "bind k \"kill\"\r\n"); },
         {{Problem, "userconfig.cfg does not run exec mp3.cfg\n"}}},
        {"hook after a CR",
         Two,
         [](const auto& here) { here.write("cstrike/userconfig.cfg", "bind k kill\rexec mp3.cfg"); },
         {{Problem, "userconfig.cfg does not run exec mp3.cfg\n"}}},
        {"NUL before the hook",
         Two,
         [](const auto& here) { here.write("cstrike/userconfig.cfg", "bind k kill\r\n\0\r\nexec mp3.cfg\r\n"s); },
         {{Problem, "line 2 of userconfig.cfg holds a NUL byte: the game stops reading the file there"}}},
        {"no userconfig",
         Two,
         [](const auto& here) { fs::remove(here.path() / "cstrike/userconfig.cfg"); },
         {{Problem, "there is no userconfig.cfg"}}},
        {"non-ladder volume",
         Two,
         [](const auto& here) { edit(here, "cstrike/mp3.cfg", "\r\nvol80\r\n", "\r\nvol33\r\n"); },
         {{Problem, "start-up volumes: vol33 is not a step of the volume keys\n"}}},
        {"shared file",
         Two,
         [](const auto& here) { edit(here, "cstrike/mp3.cfg", "Songnumber2.mp3;", "Songnumber1.mp3;"); },
         {{Problem, "tracks share a file: tracks 1 and 2 ("}}},
        {"long chat",
         Two,
         [](const auto& here) {
             edit(here, "cstrike/mp3.cfg", "listening to ", "listening to " + std::string(100, 'x'));
         },
         {{Problem, "the game cuts chat announcements"}}},
        {"not ascii",
         Two,
         [](const auto& here) { edit(here, "cstrike/mp3.cfg", "listening to ", "listening to \xc3\xa9"); },
         {{Problem, "of mp3.cfg holds a byte that is not ASCII"}}},
        {"long word",
         Two,
         [](const auto& here) {
             edit(here, "cstrike/mp3.cfg", "listening to ", "listening to " + std::string(520, 'x'));
         },
         {{Problem, "of mp3.cfg has a quoted word of "}}},
        {"large script",
         Two,
         [](const auto& here) {
             std::string padding;
             while (padding.size() < 33000)
                 padding += "// a comment the game skips\r\n";
             edit(here, "cstrike/mp3.cfg", "echo Jukewright Script Loaded", padding + "echo Jukewright Script Loaded");
         },
         {{Warning, "mp3.cfg is "}}},
        {"UTF-16 list",
         Two,
         [](const auto& here) {
             here.write("cstrike/gfx/shell/kb_act.lst", std::string("\xFF\xFE\"\0+\0j\0\"\0\r\0\n\0", 14));
         },
         {{Warning, "gfx/shell/kb_act.lst is UTF-16 text"}}},
        // 60 MB of line ends: the check names the file and does not read it.
        {"huge script",
         Two,
         [](const auto& here) { here.write("cstrike/mp3.cfg", std::string(std::size_t{60} << 20, '\n')); },
         {{Problem, "mp3.cfg is larger than 16 MiB"}},
         4},
#ifndef _WIN32
        // A script linked from outside the mod folder is not the mod's.
        {"script linked from outside",
         Two,
         [](const auto& here) {
             here.write("elsewhere.cfg", "alias playtrack \"echo outside\"\r\n");
             fs::remove(here.path() / "cstrike/mp3.cfg");
             fs::create_symlink(here.path() / "elsewhere.cfg", here.path() / "cstrike/mp3.cfg");
         },
         {{Problem, "mp3.cfg is a link to a file outside the mod folder"}},
         4},
#endif
        {"nothing saved", Nothing, none, {{Problem, "there is no userconfig.cfg"}}, 4},
        {"parts",
         Parts,
         none,
         {{Ok, "the script runs 3 parts, all in the mod folder\n"},
          {Ok, "the jukebox loads in Xash3D-based engines: every alias of mp3.cfg and its "},
          {Ok, "all 60 tracks"},
          {Ok, "both start-up volumes are steps of the volume keys\n"}}},
        {"large single",
         Sixty,
         none,
         {{Ok, "judged by Half-Life's console (GoldSrc): no Xash3D program above the mod folder\n"},
          {Warning, "mp3.cfg is "},
          {Warning, xashDrops},
          {Warning, "\"Xash3D-compatible script\""}}},
        {"small single", Two, none, {{Ok, "the jukebox loads in Xash3D-based engines: every alias of mp3.cfg is"}}},
        {"missing part",
         Parts,
         [](const auto& here) { fs::remove(here.path() / "cstrike/mp3_part2.cfg"); },
         {{Problem, "the script runs parts that cannot be read: mp3_part2.cfg ("},
          {Problem, "in Xash3D-based engines these aliases are not defined"}}},
        {"large part",
         Parts,
         [](const auto& here) {
             edit(here, "cstrike/mp3_part1.cfg", "alias ", "// " + std::string(33000, '/') + "\r\nalias ", false);
         },
         {{Problem, xashDrops + ", so the jukebox does not load there: mp3_part1.cfg ("}}},
        {"cycle",
         Parts,
         [](const auto& here) { edit(here, "cstrike/mp3_part3.cfg", "alias ", "exec mp3_part2.cfg\r\nalias ", false); },
         {{Problem, "the parts run in a cycle, so the game runs them again and again: mp3_part3.cfg runs "
                    "mp3_part2.cfg\n"}}},
        {"refused exec",
         Parts,
         [](const auto& here) { edit(here, "cstrike/mp3.cfg", "exec mp3_part1", "exec ./mp3_part1"); },
         {{Problem, "the script runs parts that cannot be read: ./mp3_part1.cfg (the game's exec refuses it: not a "
                    ".cfg or .rc file)\n"}}},
#ifndef _WIN32
        {"part linked from outside",
         Parts,
         [](const auto& here) {
             fs::rename(here.path() / "cstrike/mp3_part2.cfg", here.path() / "part2.cfg");
             fs::create_symlink(here.path() / "part2.cfg", here.path() / "cstrike/mp3_part2.cfg");
         },
         {{Problem, "the script runs parts that cannot be read: mp3_part2.cfg (a link to a file outside the mod "
                    "folder)\n"}}},
#endif
        {"backslash",
         Parts,
         [](const auto& here) {
             edit(here, "cstrike/mp3_part1.cfg", "mp3 play mp3s/Songnumber1.mp3", "mp3 play mp3s\\Songnumber1.mp3");
         },
         {{Problem, xashPaths + "mp3s\\Songnumber1.mp3)\n"}}},
        {"dots",
         Parts,
         [](const auto& here) {
             edit(here, "cstrike/mp3_part1.cfg", "mp3 loop mp3s/Songnumber1.mp3", "mp3 loop mp3s/Song..1.mp3");
         },
         {{Problem, xashPaths + "mp3s/Song..1.mp3)\n"}}},
        // Xash3D's program above the mod folder: a single mp3.cfg that it drops is a problem there.
        {"large single under Xash3D",
         Sixty,
         [](const auto& here) { here.write("xash3d", "engine"); },
         {{Ok, "judged by Xash3D's console"}, {Problem, "Xash3D-based engines drop a script file"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder here;
        saveJukebox(here, c.saved.songs, c.saved.layout);
        c.spoil(here);
        const std::vector<CheckResult> results = checkJukebox(here.file("cstrike"));
        EXPECT_EQ(results.size(), c.checks + (c.saved.layout == ScriptLayout::Parts ? 1 : 0)) << listed(results);
        bool problem = false;
        for (const Expected& expected : c.expected) {
            EXPECT_TRUE(reports(results, expected)) << expected.text << "\n" << listed(results);
            problem = problem || expected.severity == Problem;
        }
        if (!problem) {
            EXPECT_FALSE(reports(results, {Problem, ""})) << listed(results);
        }
    }
}

// Xash3D's program in the game's folder, the one above the mod folder, sets the console judged by.
TEST(JukeboxCheck, JudgesByTheEngineFoundAboveTheModFolder) {
    const struct {
        const char* program;
        bool xash;
    } rows[] = {
        {"xash3d", true}, {"xash3d.exe", true}, {"libxash.so", true}, {"hl_linux", false}, {"xash3d/", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.program);
        test::TempFolder here;
        if (std::string(row.program).ends_with('/'))
            fs::create_directories(here.path() / row.program);
        else
            here.write(row.program, "engine");
        saveJukebox(here, 2, ScriptLayout::SingleFile);
        EXPECT_EQ(detectEngine(here.file("cstrike")), row.xash ? Engine::Xash3D : Engine::GoldSrc);
        const auto results = checkJukebox(here.file("cstrike"));
        ASSERT_FALSE(results.empty());
        EXPECT_TRUE(
            results.front().text.starts_with(row.xash ? "judged by Xash3D's console" : "judged by Half-Life's console"))
            << results.front().text;
        // The engine given wins over the one found.
        EXPECT_TRUE(checkJukebox(here.file("cstrike"), Engine::GoldSrc)
                        .front()
                        .text.starts_with("judged by Half-Life's console"));
    }
}
