#include "core/system/folder_lock.h"
#include "support/child_process.h"
#include "support/fixtures.h"
#include "support/run_cli.h"

#include <functional>
#include <gmock/gmock.h>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace jukewright;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

// A saved jukebox of two tracks in "<here>/cstrike".
void saveJukebox(const test::TempFolder& here) {
    fs::create_directories(here.path() / "cstrike");
    const auto saved = test::runCli(
        {"save", "--mod", "cstrike", here.write("Music/Blue Sky.mp3", "blue"), here.write("Music/Rain.mp3", "rain")},
        here.str());
    ASSERT_EQ(saved.status, 0) << saved.err;
}

} // namespace

// The check's rules are the core's; here, what the command prints and its exit status.
TEST(CheckCommand, PrintsALinePerCheckAndFailsOnAProblemOnly) {
    struct Case {
        const char* name;
        std::function<void(const test::TempFolder&)> spoil;
        int status;
        const char* line;
    };
    const Case cases[] = {
        {"good", [](const auto&) {}, 0, "ok: all 2 tracks that mp3.cfg names are in mp3s\n"},
        {"missing hook", [](const auto& here) { here.write("cstrike/userconfig.cfg", "bind k \"kill\"\r\n"); }, 1,
         "problem: userconfig.cfg does not run exec mp3.cfg\n"},
        {"UTF-16 list",
         [](const auto& here) {
             here.write("cstrike/gfx/shell/kb_act.lst", std::string("\xFF\xFE\"\0+\0j\0\"\0\r\0\n\0", 14));
         },
         0, "warning: gfx/shell/kb_act.lst is UTF-16 text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder here;
        saveJukebox(here);
        c.spoil(here);
        const auto result = test::runCli({"check", "--mod", "cstrike"}, here.str());
        EXPECT_EQ(result.status, c.status) << result.out;
        EXPECT_THAT(result.out, HasSubstr(c.line));
    }
    test::TempFolder empty;
    EXPECT_EQ(test::runCli({"check", "--mod", "nowhere"}, empty.str()).status, 2);
#ifndef _WIN32
    // A script linked from outside the mod folder is not the mod's: the console does not run it.
    test::TempFolder here;
    here.write("elsewhere.cfg", "alias playtrack \"echo outside\"\r\n");
    here.write("cstrike/userconfig.cfg", "exec mp3.cfg\r\n");
    fs::create_symlink(here.path() / "elsewhere.cfg", here.path() / "cstrike/mp3.cfg");
    const auto ran = test::runCli({"console", "--mod", "cstrike", "playtrack"}, here.str());
    EXPECT_THAT(ran.err, HasSubstr("couldn't exec mp3.cfg: the file is outside the mod folder\n"));
    EXPECT_THAT(ran.out, ::testing::Not(HasSubstr("echo outside")));
#endif
}

// The removal's rules are the core's; here, what the command prints and its exit status.
TEST(RemoveCommand, PrintsWhatItDidAndFailsOnAFileItCouldNotChange) {
    test::TempFolder here;
    saveJukebox(here);
    const auto removed = test::runCli({"remove", "--mod", "cstrike", "--tracks"}, here.str());
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_THAT(removed.out, HasSubstr("deleted the 2 tracks Jukewright copied into mp3s\n"));
    EXPECT_FALSE(fs::exists(here.path() / "cstrike/mp3s"));
    // Nothing left to take out is no failure.
    const auto again = test::runCli({"remove", "--mod", "cstrike"}, here.str());
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "no jukebox was found in the mod folder\n");
#ifndef _WIN32
    saveJukebox(here);
    fs::permissions(here.path() / "cstrike/userconfig.cfg", fs::perms::owner_write, fs::perm_options::remove);
    const auto readOnly = test::runCli({"remove", "--mod", "cstrike"}, here.str());
    EXPECT_EQ(readOnly.status, 1);
    EXPECT_THAT(readOnly.err, HasSubstr("These files could not be changed:\n"));
    EXPECT_THAT(readOnly.err, HasSubstr("cstrike/userconfig.cfg (read-only)\n"));
#endif
}

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
