#include "core/system/folder_lock.h"
#include "support/child_process.h"
#include "support/fixtures.h"
#include "support/run_cli.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace jukewright;
using namespace std::string_literals;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

constexpr const char* PlayerList = "\"+forward\"            \"Move forward\"\r\n\"+back\"            \"Move back\"\r\n";
constexpr const char* PlayerConfig = "// my keys\r\nbind k \"kill\"\r\n";

// A saved jukebox of two tracks in "<here>/cstrike", whose list and userconfig.cfg the player had.
void saveJukebox(const test::TempFolder& here, const std::string& list = PlayerList,
                 const std::string& config = PlayerConfig) {
    here.write("Music/Blue Sky.mp3", "blue");
    here.write("Music/Rain.mp3", "rain");
    here.write("cstrike/gfx/shell/kb_act.lst", list);
    here.write("cstrike/userconfig.cfg", config);
    const auto saved = test::runCli({"save", "--mod", "cstrike", "Music/Blue Sky.mp3", "Music/Rain.mp3"}, here.str());
    ASSERT_EQ(saved.status, 0) << saved.err;
}

// Replaces every `from` in the file with `to`; the file must hold it.
void edit(const test::TempFolder& here, const std::string& file, const std::string& from, const std::string& to) {
    std::string bytes = here.read(file);
    ASSERT_NE(bytes.find(from), std::string::npos) << from;
    for (std::size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size()))
        bytes.replace(at, from.size(), to);
    here.write(file, bytes);
}

} // namespace

TEST(CheckCommand, ReportsEachCheckAndFailsOnAnyProblem) {
    struct Case {
        const char* name;
        std::function<void(const test::TempFolder&)> spoil;
        int status;
        const char* line;
    };
    const Case cases[] = {
        {"good", [](const auto&) {}, 0, "ok: all 2 tracks that mp3.cfg names are in mp3s\n"},
        {"missing track", [](const auto& here) { fs::remove(here.path() / "cstrike/mp3s/Rain.mp3"); }, 1,
#ifdef _WIN32
         "problem: mp3.cfg names tracks that are not in mp3s: track 2 (mp3s\\Rain.mp3)\n"},
#else
         "problem: mp3.cfg names tracks that are not in mp3s: track 2 (mp3s/Rain.mp3)\n"},
#endif
        {"double section",
         [](const auto& here) {
             const std::string list = here.read("cstrike/gfx/shell/kb_act.lst");
             here.write("cstrike/gfx/shell/kb_act.lst", list + PlayerList + list);
         },
         1, "problem: gfx/shell/kb_act.lst has 2 MP3 Player Controls sections"},
        {"missing hook", [](const auto& here) { here.write("cstrike/userconfig.cfg", PlayerConfig); }, 1,
         "problem: userconfig.cfg does not run exec mp3.cfg\n"},
        {"hook after a CR", [](const auto& here) { here.write("cstrike/userconfig.cfg", "bind k kill\rexec mp3.cfg"); },
         1, "problem: userconfig.cfg does not run exec mp3.cfg\n"},
        {"NUL before the hook",
         [](const auto& here) { here.write("cstrike/userconfig.cfg", "bind k kill\r\n\0\r\nexec mp3.cfg\r\n"s); }, 1,
         "problem: line 2 of userconfig.cfg holds a NUL byte: the game stops reading the file there"},
        {"no userconfig", [](const auto& here) { fs::remove(here.path() / "cstrike/userconfig.cfg"); }, 1,
         "problem: there is no userconfig.cfg"},
        {"non-ladder volume", [](const auto& here) { edit(here, "cstrike/mp3.cfg", "\r\nvol80\r\n", "\r\nvol33\r\n"); },
         1, "problem: start-up volumes: vol33 is not a step of the volume keys\n"},
        {"shared file", [](const auto& here) { edit(here, "cstrike/mp3.cfg", "Rain.mp3;", "BlueSky.mp3;"); }, 1,
         "problem: tracks share a file: tracks 1 and 2 ("},
        {"long chat",
         [](const auto& here) {
             edit(here, "cstrike/mp3.cfg", "listening to ", "listening to " + std::string(100, 'x'));
         },
         1, "problem: the game cuts chat announcements"},
        {"not ascii", [](const auto& here) { edit(here, "cstrike/mp3.cfg", "listening to ", "listening to \xc3\xa9"); },
         1, "of mp3.cfg holds a byte that is not ASCII"},
        {"long word",
         [](const auto& here) {
             edit(here, "cstrike/mp3.cfg", "listening to ", "listening to " + std::string(520, 'x'));
         },
         1, "of mp3.cfg has a quoted word of "},
        {"large script",
         [](const auto& here) {
             std::string padding;
             while (padding.size() < 33000)
                 padding += "// a comment the game skips\r\n";
             edit(here, "cstrike/mp3.cfg", "echo Jukewright Script Loaded", padding + "echo Jukewright Script Loaded");
         },
         0, "warning: mp3.cfg is "},
        {"UTF-16 list",
         [](const auto& here) {
             here.write("cstrike/gfx/shell/kb_act.lst", std::string("\xFF\xFE\"\0+\0j\0\"\0\r\0\n\0", 14));
         },
         0, "warning: gfx/shell/kb_act.lst is UTF-16 text"},
    };
    for (const Case& c : cases) {
        test::TempFolder here;
        saveJukebox(here);
        c.spoil(here);
        const auto result = test::runCli({"check", "--mod", "cstrike"}, here.str());
        EXPECT_EQ(result.status, c.status) << c.name << "\n" << result.out;
        EXPECT_THAT(result.out, HasSubstr(c.line)) << c.name;
        EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 11) << c.name << "\n" << result.out;
        if (c.status == 0) {
            EXPECT_THAT(result.out, ::testing::Not(HasSubstr("problem:"))) << c.name;
        }
    }
    test::TempFolder empty;
    // 60 MB of line ends: the check names the file and does not read it.
    test::TempFolder huge;
    saveJukebox(huge);
    huge.write("cstrike/mp3.cfg", std::string(std::size_t{60} << 20, '\n'));
    const auto large = test::runCli({"check", "--mod", "cstrike"}, huge.str());
    EXPECT_EQ(large.status, 1);
    EXPECT_THAT(large.out, HasSubstr("problem: mp3.cfg is larger than 16 MiB"));
#ifndef _WIN32
    // A script linked from outside the mod folder is not the mod's: neither console nor check runs it.
    fs::rename(huge.path() / "cstrike/mp3.cfg", huge.path() / "elsewhere.cfg");
    huge.write("elsewhere.cfg", "alias playtrack \"echo outside\"\r\n");
    fs::create_symlink(huge.path() / "elsewhere.cfg", huge.path() / "cstrike/mp3.cfg");
    const auto linked = test::runCli({"check", "--mod", "cstrike"}, huge.str());
    EXPECT_THAT(linked.out, HasSubstr("problem: mp3.cfg is a link to a file outside the mod folder"));
    const auto ran = test::runCli({"console", "--mod", "cstrike", "playtrack"}, huge.str());
    EXPECT_THAT(ran.err, HasSubstr("couldn't exec mp3.cfg: the file is outside the mod folder\n"));
    EXPECT_THAT(ran.out, ::testing::Not(HasSubstr("echo outside")));
#endif
    EXPECT_EQ(test::runCli({"check", "--mod", "nowhere"}, empty.str()).status, 2);
    fs::create_directories(empty.path() / "valve");
    const auto none = test::runCli({"check", "--mod", "valve"}, empty.str());
    EXPECT_EQ(none.status, 1);
    EXPECT_THAT(none.out, HasSubstr("problem: there is no userconfig.cfg"));
}

TEST(Backups, AreTakenOnceBeforeTheFirstChangeAndNeverOverwritten) {
    test::TempFolder here;
    saveJukebox(here);
    EXPECT_EQ(here.read("cstrike/gfx/shell/kb_act.lst.jukewright-backup"), PlayerList);
    EXPECT_EQ(here.read("cstrike/userconfig.cfg.jukewright-backup"), PlayerConfig);
    // The player changes both files; later saves and a removal keep the first copies.
    here.write("cstrike/gfx/shell/kb_act.lst", "\"+jump\"            \"Jump\"\r\n");
    here.write("cstrike/userconfig.cfg", "bind j \"+jump\"\r\n");
    ASSERT_EQ(test::runCli({"save", "--mod", "cstrike", "Music/Rain.mp3"}, here.str()).status, 0);
    ASSERT_EQ(test::runCli({"remove", "--mod", "cstrike"}, here.str()).status, 0);
    EXPECT_EQ(here.read("cstrike/gfx/shell/kb_act.lst.jukewright-backup"), PlayerList);
    EXPECT_EQ(here.read("cstrike/userconfig.cfg.jukewright-backup"), PlayerConfig);

    // Files the program made itself need no copy.
    fs::create_directories(here.path() / "valve");
    ASSERT_EQ(test::runCli({"save", "--mod", "valve", "Music/Rain.mp3"}, here.str()).status, 0);
    EXPECT_TRUE(fs::exists(here.path() / "valve/userconfig.cfg"));
    EXPECT_FALSE(fs::exists(here.path() / "valve/userconfig.cfg.jukewright-backup"));
    EXPECT_FALSE(fs::exists(here.path() / "valve/gfx/shell/kb_act.lst.jukewright-backup"));
}

TEST(RemoveCommand, TakesOutOnlyTheJukeboxAndKeepsTracksUnlessAsked) {
    // Rows that merely look like the hook, mixed line ends and a last row without one stay as they were.
    const std::string config = "bind k \"kill\"\nexec mp3.cfg\r\n exec mp3.cfg\rexec mp3.cfg\r\nexec MP3.cfg\r\nname x";
    const std::string kept = "bind k \"kill\"\n exec mp3.cfg\rexec MP3.cfg\r\nname x";
    for (const bool tracks : {false, true}) {
        test::TempFolder here;
        saveJukebox(here);
        here.write("cstrike/userconfig.cfg", config);
        std::vector<std::string> arguments = {"remove", "--mod", "cstrike"};
        if (tracks)
            arguments.emplace_back("--tracks");
        const auto result = test::runCli(arguments, here.str());
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(here.read("cstrike/userconfig.cfg"), kept);
        EXPECT_EQ(here.read("cstrike/gfx/shell/kb_act.lst"), PlayerList);
        EXPECT_FALSE(fs::exists(here.path() / "cstrike/mp3.cfg"));
        EXPECT_EQ(fs::exists(here.path() / "cstrike/mp3s"), !tracks);
        EXPECT_EQ(here.read("Music/Rain.mp3"), "rain");
        // Nothing left to take out is no failure.
        const auto again = test::runCli(arguments, here.str());
        EXPECT_EQ(again.status, 0);
        EXPECT_EQ(again.out, "no jukebox was found in the mod folder\n");
    }
}

// What a removal keeps of the player's, and the line that names it.
TEST(RemoveCommand, KeepsThePlayersFilesAndNamesThem) {
    struct Case {
        const char* what;
        std::function<void(const test::TempFolder&)> before;
        std::vector<const char*> kept;
        const char* line;
    };
    const Case cases[] = {
        {"own mp3.cfg without a jukebox",
         [](const auto& here) { here.write("cstrike/mp3.cfg", "bind m \"+jump\"\r\n"); },
         {"mp3.cfg"},
         "kept mp3.cfg: it is not a Jukewright script\n"},
        {"own files in mp3s",
         [](const auto& here) {
             saveJukebox(here);
             here.write("cstrike/mp3s/Rain2.mp3", "mine");
             here.write("cstrike/mp3s/Old/a.mp3", "mine");
         },
         {"mp3s/Rain2.mp3", "mp3s/Old/a.mp3"},
         "deleted the 2 tracks Jukewright copied into mp3s\n"
         "kept mp3s and the 2 files in it that Jukewright did not copy: Old, Rain2.mp3\n"},
        {"no list of copies",
         [](const auto& here) {
             saveJukebox(here);
             fs::remove(here.path() / "cstrike/.jukewright-copies");
         },
         {"mp3s/BlueSky.mp3", "mp3s/Rain.mp3"},
         "(there is no list of the copies it made, .jukewright-copies"},
        {"a copy the player changed",
         [](const auto& here) {
             saveJukebox(here);
             here.write("cstrike/mp3s/Rain.mp3", "my own rain");
         },
         {"mp3s/Rain.mp3"},
         "deleted the 1 track Jukewright copied into mp3s\n"},
#ifndef _WIN32
        // The song the link leads to has the listed size and time, but a link is never a copy of ours.
        {"a link the player put at a copy's place",
         [](const auto& here) {
             saveJukebox(here);
             fs::remove(here.path() / "cstrike/mp3s/Rain.mp3");
             fs::create_symlink(here.path() / "Music/Rain.mp3", here.path() / "cstrike/mp3s/Rain.mp3");
         },
         {"mp3s/Rain.mp3"},
         "deleted the 1 track Jukewright copied into mp3s\n"},
#endif
        {"part that is the player's",
         [](const auto& here) {
             saveJukebox(here);
             here.write("cstrike/mp3_part1.cfg", "bind m \"+jump\"\r\n");
         },
         {"mp3_part1.cfg"},
         "kept mp3_part1.cfg: not a part of a Jukewright script\n"},
    };
    for (const Case& c : cases) {
        test::TempFolder here;
        fs::create_directories(here.path() / "cstrike");
        c.before(here);
        std::vector<std::string> kept;
        for (const char* file : c.kept)
            kept.push_back(here.read(std::string("cstrike/") + file));
        const auto result = test::runCli({"remove", "--mod", "cstrike", "--tracks"}, here.str());
        EXPECT_EQ(result.status, 0) << c.what << "\n" << result.err;
        EXPECT_THAT(result.out, HasSubstr(c.line)) << c.what;
        for (std::size_t i = 0; i < kept.size(); ++i)
            EXPECT_EQ(here.read(std::string("cstrike/") + c.kept[i]), kept[i]) << c.what << " " << c.kept[i];
    }
}

#ifndef _WIN32
TEST(RemoveCommand, KeepsALinkedTrackFolderLinkedAndKeepsAReadOnlyFile) {
    test::TempFolder here;
    saveJukebox(here);
    here.write("shared-tracks/Mine.mp3", "mine");
    for (const char* copy : {"BlueSky.mp3", "Rain.mp3"})
        fs::rename(here.path() / "cstrike/mp3s" / copy, here.path() / "shared-tracks" / copy);
    fs::remove(here.path() / "cstrike/mp3s");
    fs::create_directory_symlink(here.path() / "shared-tracks", here.path() / "cstrike/mp3s");
    const std::string config = here.read("cstrike/userconfig.cfg");
    fs::permissions(here.path() / "cstrike/userconfig.cfg", fs::perms::owner_write, fs::perm_options::remove);

    const auto result = test::runCli({"remove", "--mod", "cstrike", "--tracks"}, here.str());
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.err, HasSubstr("These files could not be changed:\n"));
    EXPECT_THAT(result.err, HasSubstr("cstrike/userconfig.cfg (read-only)\n"));
    EXPECT_EQ(here.read("cstrike/userconfig.cfg"), config);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(here.path() / "cstrike/mp3s")));
    EXPECT_FALSE(fs::exists(here.path() / "shared-tracks/Rain.mp3"));
    EXPECT_EQ(here.read("shared-tracks/Mine.mp3"), "mine");
    EXPECT_EQ(here.read("Music/Rain.mp3"), "rain");
    EXPECT_EQ(here.read("cstrike/gfx/shell/kb_act.lst"), PlayerList);
    EXPECT_FALSE(fs::exists(here.path() / "cstrike/mp3.cfg"));

    // A file where mp3s should be is named as such, by the path the system takes.
    fs::remove(here.path() / "cstrike/mp3s");
    here.write("cstrike/mp3s", "not tracks");
    const auto file = test::runCli({"remove", "--mod", "cstrike", "--tracks"}, here.str());
    EXPECT_EQ(file.status, 1);
    EXPECT_THAT(file.err, HasSubstr("cstrike/mp3s (not a folder)\n"));
    EXPECT_EQ(here.read("cstrike/mp3s"), "not tracks");
}
#endif

#ifndef _WIN32
// Saves and removals of one mod folder run one at a time.
TEST(OneRunAtATime, SavesStartedTogetherLeaveAWorkingJukeboxAndAHeldFolderChangesNothing) {
    test::TempFolder here;
    fs::create_directories(here.path() / "cstrike");
    std::vector<std::string> tracks;
    for (int i = 0; i < 150; ++i)
        tracks.push_back(here.write("Music/track number " + std::to_string(i) + ".mp3", std::string(4096, 'm')));
    std::vector<pid_t> saves;
    for (const char* engine : {"goldsrc", "xash3d", "goldsrc", "xash3d"}) {
        std::vector<std::string> arguments = {"save", "--mod", "cstrike", "--engine", engine};
        arguments.insert(arguments.end(), tracks.begin(), tracks.end());
        saves.push_back(test::startChild([&] { ::_exit(test::runCli(arguments, here.str()).status); }));
    }
    for (const pid_t save : saves)
        EXPECT_EQ(test::waitForChild(save), 0);
    const auto check = test::runCli({"check", "--mod", "cstrike"}, here.str());
    EXPECT_EQ(check.status, 0) << check.out;

    const std::string before = here.read("cstrike/userconfig.cfg") + here.read("cstrike/mp3.cfg");
    const FolderLock other(here.path() / "cstrike", std::chrono::milliseconds(0));
    ASSERT_EQ(other.state(), FolderLock::State::Held);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"remove", "--mod", "cstrike", "--tracks"},
          std::vector<std::string>{"save", "--mod", "cstrike", "Music/track number 1.mp3"}}) {
        const auto stopped = test::runCli(arguments, here.str(), {}, {"JUKEWRIGHT_LOCK_WAIT_SECONDS=0"});
        EXPECT_EQ(stopped.status, 1) << arguments[0];
        EXPECT_THAT(stopped.err, ::testing::EndsWith("Another save or remove is running in this mod folder.\n"))
            << arguments[0];
        EXPECT_EQ(here.read("cstrike/userconfig.cfg") + here.read("cstrike/mp3.cfg"), before) << arguments[0];
        EXPECT_EQ(here.read("cstrike/mp3s/tracknumber1.mp3"), std::string(4096, 'm')) << arguments[0];
    }
}
#endif
