#include "core/jukebox/jukebox_check.h"
#include "core/script/script_text.h"
#include "support/mod_folder_save.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace jukewright;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

constexpr const char* ListFile = "cstrike/gfx/shell/kb_act.lst";

void saveJukebox(const test::TempFolder& here, int count, ScriptLayout layout) {
    fs::create_directories(here.path() / "cstrike");
    std::vector<std::string> songs;
    for (int k = 1; k <= count; ++k)
        songs.push_back("Song number " + std::to_string(k) + ".mp3");
    if (count > 0)
        test::saveJukebox(here, songs, layout);
}

using Spoil = std::function<void(const test::TempFolder&)>;

// Replaces every `from` in the file (or the first only) with `to`; the file must hold it.
Spoil replacing(std::string file, std::string from, std::string to, bool every = true) {
    return [=](const test::TempFolder& here) {
        std::string bytes = here.read(file);
        ASSERT_NE(bytes.find(from), std::string::npos) << from;
        for (std::size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size())) {
            bytes.replace(at, from.size(), to);
            if (!every)
                break;
        }
        here.write(file, bytes);
    };
}

Spoil writing(std::string file, std::string bytes) {
    return [=](const test::TempFolder& here) { here.write(file, bytes); };
}

Spoil removing(std::string file) {
    return [=](const test::TempFolder& here) { fs::remove(here.path() / file); };
}

#ifndef _WIN32
// Moves the file out of the mod folder and links to it from its place.
Spoil linkingOut(std::string file) {
    return [=](const test::TempFolder& here) {
        fs::rename(here.path() / "cstrike" / file, here.path() / file);
        fs::create_symlink(here.path() / file, here.path() / "cstrike" / file);
    };
}
#endif

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
// the mod folder (Xash3D's program in the game's folder).
TEST(JukeboxCheck, NamesWhatSpoilsTheJukebox) {
    using enum CheckSeverity;
    const std::string xashDrops = "Xash3D-based engines drop a script file that does not fit their command buffer of "
                                  "32,768 bytes whole";
    const std::string xashPaths = "Xash3D-based engines split paths on / alone and refuse .. and :, so these tracks "
                                  "do not play there: track 1 (";
    std::string padding;
    while (padding.size() < 33000)
        padding += "// a comment the game skips\r\n";
    const std::string loaded = "echo Jukewright Script Loaded";
    const std::string wideList("\xFF\xFE\"\0+\0j\0\"\0\r\0\n\0", 14);
    struct Case {
        Saved saved;
        Spoil spoil;
        std::vector<Expected> expected;
        std::size_t checks = 11; // a script that is not read stops the checks after it
    };
    const Spoil none = [](const test::TempFolder&) {};
    const std::string NoHook = "userconfig.cfg does not run exec mp3.cfg\n";
    const std::string script = "cstrike/mp3.cfg", hook = "cstrike/userconfig.cfg", part1 = "cstrike/mp3_part1.cfg";
    const Case cases[] = {
        {Two, none, {{Ok, "all 2 tracks that mp3.cfg names are in mp3s\n"}}},
        {Two, none, {{Ok, "the jukebox loads in Xash3D-based engines: every alias of mp3.cfg is"}}},
        {Two,
         removing("cstrike/mp3s/Songnumber2.mp3"),
         {{Problem, "mp3.cfg names tracks that are not in mp3s: track 2 (" + std::string(ScriptTrackFolder) +
                        "Songnumber2.mp3)\n"}}},
        {Two,
         [](const auto& here) { here.write(ListFile, here.read(ListFile) + test::PlayerList + here.read(ListFile)); },
         {{Problem, "gfx/shell/kb_act.lst has 2 MP3 Player Controls sections"}}},
        {Two, writing(hook, "bind k \"kill\"\r\n"), {{Problem, NoHook}}},
        {Two, writing(hook, "bind k kill\rexec mp3.cfg"), {{Problem, NoHook}}},
        {Two,
         writing(hook, "bind k kill\r\n\0\r\nexec mp3.cfg\r\n"s),
         {{Problem, "line 2 of userconfig.cfg holds a NUL byte: the game stops reading the file there"}}},
        {Two, removing(hook), {{Problem, "there is no userconfig.cfg"}}},
        {Two,
         replacing(script, "\r\nvol80\r\n", "\r\nvol33\r\n"),
         {{Problem, "start-up volumes: vol33 is not a step of the volume keys\n"}}},
        {Two,
         replacing(script, "Songnumber2.mp3;", "Songnumber1.mp3;"),
         {{Problem, "tracks share a file: tracks 1 and 2 ("}}},
        {Two,
         replacing(script, "listening to ", "listening to " + std::string(100, 'x')),
         {{Problem, "the game cuts chat announcements"}}},
        {Two,
         replacing(script, "listening to ", "listening to \xc3\xa9"),
         {{Problem, "of mp3.cfg holds a byte that is not ASCII"}}},
        {Two,
         replacing(script, "listening to ", "listening to " + std::string(520, 'x')),
         {{Problem, "of mp3.cfg has a quoted word of "}}},
        {Two, replacing(script, loaded, padding + loaded), {{Warning, "mp3.cfg is "}}},
        {Two, writing(ListFile, wideList), {{Warning, "gfx/shell/kb_act.lst is UTF-16 text"}}},
        // 60 MB of line ends: the check names the file and does not read it.
        {Two,
         writing(script, std::string(std::size_t{60} << 20, '\n')),
         {{Problem, "mp3.cfg is larger than 16 MiB"}},
         4},
#ifndef _WIN32
        {Two, linkingOut("mp3.cfg"), {{Problem, "mp3.cfg is a link to a file outside the mod folder"}}, 4},
#endif
        {Nothing, none, {{Problem, "there is no userconfig.cfg"}}, 4},
        {Parts,
         none,
         {{Ok, "the script runs 3 parts, all in the mod folder\n"},
          {Ok, "the jukebox loads in Xash3D-based engines: every alias of mp3.cfg and its "},
          {Ok, "all 60 tracks"},
          {Ok, "both start-up volumes are steps of the volume keys\n"}}},
        {Sixty,
         none,
         {{Ok, "judged by Half-Life's console (GoldSrc): no Xash3D program above the mod folder\n"},
          {Warning, "mp3.cfg is "},
          {Warning, xashDrops},
          {Warning, "\"Xash3D-compatible script\""}}},
        {Parts,
         removing("cstrike/mp3_part2.cfg"),
         {{Problem, "the script runs parts that cannot be read: mp3_part2.cfg ("},
          {Problem, "in Xash3D-based engines these aliases are not defined"}}},
        {Parts,
         replacing(part1, "alias ", "// " + std::string(33000, '/') + "\r\nalias ", false),
         {{Problem, xashDrops + ", so the jukebox does not load there: mp3_part1.cfg ("}}},
        {Parts,
         replacing("cstrike/mp3_part3.cfg", "alias ", "exec mp3_part2.cfg\r\nalias ", false),
         {{Problem, "the parts run in a cycle, so the game runs them again and again: mp3_part3.cfg runs "
                    "mp3_part2.cfg\n"}}},
        {Parts,
         replacing(script, "exec mp3_part1", "exec ./mp3_part1"),
         {{Problem, "the script runs parts that cannot be read: ./mp3_part1.cfg (the game's exec refuses it: not a "
                    ".cfg or .rc file)\n"}}},
#ifndef _WIN32
        {Parts,
         linkingOut("mp3_part2.cfg"),
         {{Problem, "the script runs parts that cannot be read: mp3_part2.cfg (a link to a file outside the mod "
                    "folder)\n"}}},
#endif
        {Parts,
         replacing(part1, "mp3 play mp3s/Songnumber1.mp3", "mp3 play mp3s\\Songnumber1.mp3"),
         {{Problem, xashPaths + "mp3s\\Songnumber1.mp3)\n"}}},
        {Parts,
         replacing(part1, "mp3 loop mp3s/Songnumber1.mp3", "mp3 loop mp3s/Song..1.mp3"),
         {{Problem, xashPaths + "mp3s/Song..1.mp3)\n"}}},
        // Xash3D's program above the mod folder: a single mp3.cfg that it drops is a problem there.
        {Sixty,
         writing("xash3d", "engine"),
         {{Ok, "judged by Xash3D's console"}, {Problem, "Xash3D-based engines drop a script file"}}},
        {Parts, writing("xash3d.exe", "engine"), {{Ok, "judged by Xash3D's console"}}},
        {Parts, writing("libxash.so", "engine"), {{Ok, "judged by Xash3D's console"}}},
        {Two, writing("hl_linux", "engine"), {{Ok, "judged by Half-Life's console"}}},
        {Two,
         [](const auto& here) { fs::create_directories(here.path() / "xash3d"); },
         {{Ok, "judged by Half-Life's"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.front().text);
        test::TempFolder here;
        saveJukebox(here, c.saved.songs, c.saved.layout);
        c.spoil(here);
        const std::vector<CheckResult> results = checkJukebox(here.file("cstrike") + "/"); // as typed
        // An engine given wins over the one found.
        EXPECT_TRUE(
            checkJukebox(here.file("cstrike"), Engine::GoldSrc).front().text.starts_with("judged by Half-Life"));
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
