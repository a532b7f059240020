#include "core/jukebox/jukebox_removal.h"
#include "support/mod_folder_save.h"

#include <functional>
#include <gmock/gmock.h>

using namespace jukewright;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

std::string lines(const RemovalReport& report) {
    std::string text;
    for (const auto* part : {&report.done, &report.kept})
        for (const std::string& line : *part)
            text += line + "\n";
    return text;
}

} // namespace

// The save kept the player's files before changing them; the removal leaves those copies.
TEST(JukeboxRemoval, TakesOutOnlyTheJukeboxAndKeepsTracksUnlessAsked) {
    // Rows that merely look like the hook, mixed line ends and a last row without one stay as they were.
    const std::string config = "bind k \"kill\"\nexec mp3.cfg\r\n exec mp3.cfg\rexec mp3.cfg\r\nexec MP3.cfg\r\nname x";
    const std::string kept = "bind k \"kill\"\n exec mp3.cfg\rexec MP3.cfg\r\nname x";
    for (const bool tracks : {false, true}) {
        SCOPED_TRACE(tracks);
        test::TempFolder here;
        test::saveJukebox(here, {"Blue Sky.mp3", "Rain.mp3"});
        here.write("cstrike/userconfig.cfg", config);
        EXPECT_TRUE(removeJukebox(here.file("cstrike"), tracks).failures.empty());
        EXPECT_EQ(here.read("cstrike/userconfig.cfg"), kept);
        EXPECT_EQ(fs::exists(here.path() / "cstrike/mp3s"), !tracks);
        EXPECT_EQ(here.read("Music/Rain.mp3"), "Rain.mp3");
        EXPECT_EQ(here.read("cstrike/gfx/shell/kb_act.lst.jukewright-backup"), test::PlayerList);
        EXPECT_EQ(here.read("cstrike/userconfig.cfg.jukewright-backup"), test::PlayerConfig);
        // Nothing is left to take out.
        const RemovalReport again = removeJukebox(here.file("cstrike"), tracks);
        EXPECT_TRUE(again.done.empty() && again.kept.empty() && again.failures.empty()) << lines(again);
    }
}

// What a removal keeps of the player's, and the line that names it or the failure it could not change.
TEST(JukeboxRemoval, KeepsThePlayersFilesAndNamesThem) {
    struct Case {
        const char* what;
        std::function<void(const test::TempFolder&)> spoil;
        std::vector<const char*> kept;
        const char* line;
        bool saved = true; // a jukebox saved before the player's changes
        const char* failed = "";
    };
    const Case cases[] = {
        {"own mp3.cfg without a jukebox",
         [](const auto& here) { here.write("cstrike/mp3.cfg", "bind m \"+jump\"\r\n"); },
         {"mp3.cfg"},
         "kept mp3.cfg: it is not a Jukewright script\n",
         false},
        {"own files in mp3s",
         [](const auto& here) {
             here.write("cstrike/mp3s/Rain2.mp3", "mine");
             here.write("cstrike/mp3s/Old/a.mp3", "mine");
         },
         {"mp3s/Rain2.mp3", "mp3s/Old/a.mp3"},
         "deleted the 2 tracks Jukewright copied into mp3s\n"
         "kept mp3s and the 2 files in it that Jukewright did not copy: Old, Rain2.mp3\n"},
        {"no list of copies",
         [](const auto& here) { fs::remove(here.path() / "cstrike/.jukewright-copies"); },
         {"mp3s/BlueSky.mp3", "mp3s/Rain.mp3"},
         "(there is no list of the copies it made, .jukewright-copies"},
        {"a copy the player changed",
         [](const auto& here) { here.write("cstrike/mp3s/Rain.mp3", "my own rain"); },
         {"mp3s/Rain.mp3"},
         "deleted the 1 track Jukewright copied into mp3s\n"},
#ifndef _WIN32
        // The song the link leads to has the listed size and time, but a link is never a copy of ours.
        {"a link the player put at a copy's place",
         [](const auto& here) {
             fs::remove(here.path() / "cstrike/mp3s/Rain.mp3");
             fs::create_symlink(here.path() / "Music/Rain.mp3", here.path() / "cstrike/mp3s/Rain.mp3");
         },
         {"mp3s/Rain.mp3"},
         "deleted the 1 track Jukewright copied into mp3s\n"},
#endif
        {"part that is the player's",
         [](const auto& here) { here.write("cstrike/mp3_part1.cfg", "bind m \"+jump\"\r\n"); },
         {"mp3_part1.cfg"},
         "kept mp3_part1.cfg: not a part of a Jukewright script\n"},
#ifndef _WIN32
        {"a read-only userconfig.cfg and a file where mp3s should be",
         [](const auto& here) {
             fs::permissions(here.path() / "cstrike/userconfig.cfg", fs::perms::owner_write, fs::perm_options::remove);
             fs::remove_all(here.path() / "cstrike/mp3s");
             here.write("cstrike/mp3s", "not tracks");
         },
         {"userconfig.cfg", "mp3s"},
         "took the MP3 Player Controls section out of gfx/shell/kb_act.lst\n",
         true,
         "userconfig.cfg (read-only)\nmp3s (not a folder)\n"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder here;
        fs::create_directories(here.path() / "cstrike");
        if (c.saved)
            test::saveJukebox(here, {"Blue Sky.mp3", "Rain.mp3"});
        c.spoil(here);
        std::vector<std::string> kept;
        for (const char* file : c.kept)
            kept.push_back(here.read(std::string("cstrike/") + file));
        const RemovalReport report = removeJukebox(here.file("cstrike"), true);
        std::string failed;
        for (const FileFailure& failure : report.failures)
            failed += failure.path.substr(failure.path.find_last_of("/\\") + 1) + " (" + failure.reason + ")\n";
        EXPECT_EQ(failed, c.failed);
        EXPECT_THAT(lines(report), HasSubstr(c.line));
        for (std::size_t i = 0; i < kept.size(); ++i)
            EXPECT_EQ(here.read(std::string("cstrike/") + c.kept[i]), kept[i]) << c.kept[i];
        if (c.saved) {
            EXPECT_EQ(here.read("cstrike/gfx/shell/kb_act.lst"), test::PlayerList);
            EXPECT_FALSE(fs::exists(here.path() / "cstrike/mp3.cfg"));
        }
    }
}
