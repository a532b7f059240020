#ifndef _WIN32

#include "core/jukebox/jukebox_removal.h"
#include "core/system/folder_lock.h"
#include "support/child_process.h"
#include "support/mod_folder_save.h"

#include <chrono>
#include <csignal>
#include <functional>
#include <gmock/gmock.h>
#include <map>
#include <random>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>

using namespace jukewright;
using ::testing::HasSubstr;
using ::testing::Not;
namespace fs = std::filesystem;

namespace {

class SaveFaults : public test::ModFolderSave {
protected:
    // A save in a child process, as nobody when the tests run as root; its status is the outcome.
    test::ChildResult saveInChild() {
        return test::runInChild(
            [&](std::string& text) {
                const SaveOutcome outcome = save();
                text = messages();
                return static_cast<int>(outcome);
            },
            true);
    }
    std::string readableTrack() {
        const std::string music = track("a.mp3", "song");
        ::chmod((root.path() / "music").c_str(), 0755);
        ::chmod(music.c_str(), 0644);
        return music;
    }
    // Folders anyone may change, owned by nobody when the tests run as root.
    void openToNobody(std::initializer_list<fs::path> folders, mode_t mode = 0777) {
        for (const fs::path& folder : folders) {
            ::chmod(folder.c_str(), mode);
            if (test::runningAsRoot()) {
                ASSERT_EQ(::chown(folder.c_str(), test::NobodyId, test::NobodyId), 0);
            }
        }
    }
};

std::vector<std::string> temporariesIn(const fs::path& folder) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (const std::string name = entry.path().filename().string();
            name.find(".jukewright-") != std::string::npos && name.ends_with(".tmp"))
            found.push_back(entry.path().string());
    return found;
}

// Every entry under the folder with the bytes of its files, to tell that nothing changed.
std::map<std::string, std::string> contentsOf(const fs::path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        contents[entry.path().string()] = entry.is_regular_file() ? test::readBytes(entry.path()) : "";
    return contents;
}

void expectKept(const std::map<std::string, std::string>& before, const fs::path& except = {}) {
    for (const auto& [path, bytes] : before)
        EXPECT_TRUE(path == except.string() || (fs::is_regular_file(path) ? test::readBytes(path) : "") == bytes)
            << path;
}

} // namespace

TEST_F(SaveFaults, EverySongStaysWhenTracksAreReadFromTheCopiesFolder) {
    track("a.mp3", "song one");
    ASSERT_EQ(save(), SaveOutcome::Complete) << messages();
    // Our copy is read by the second track while the first one's copy replaces it.
    restart();
    track("new/a.mp3", "the new song");
    add(root.file("cstrike/mp3s/a.mp3"));
    ASSERT_EQ(save(), SaveOutcome::Complete) << messages();
    EXPECT_EQ(modFile("mp3s/a.mp3"), "the new song");
    EXPECT_EQ(modFile("mp3s/a2.mp3"), "song one");

    // A track that is its own copy is already in place, and so is the player's own file.
    restart();
    add(root.file("cstrike/mp3s/a2.mp3"));
    add(root.write("cstrike/mp3s/mine.mp3", "the player's song"));
    EXPECT_EQ(save(), SaveOutcome::Complete) << messages();
    EXPECT_EQ(modFile("mp3s/a2.mp3"), "song one");
    EXPECT_EQ(modFile("mp3s/mine.mp3"), "the player's song");
    EXPECT_THAT(modFile("mp3.cfg"), HasSubstr("mp3s/mine.mp3;"));
    EXPECT_FALSE(fs::exists(mod() / "mp3s/mine2.mp3"));
}

TEST_F(SaveFaults, LinksAtFileTargetsAreReplacedNeverWrittenThrough) {
    const std::string outside = root.write("outside/victim", "bind x y\r\n");
    for (const char* target : {"mp3.cfg", "userconfig.cfg", "mp3s/a.mp3", "gfx/shell/kb_act.lst"}) {
        fs::create_directories((mod() / target).parent_path());
        fs::create_symlink(outside, mod() / target);
    }
    track("a.mp3", "song");
    ASSERT_EQ(save(), SaveOutcome::Complete) << messages();
    EXPECT_EQ(root.read("outside/victim"), "bind x y\r\n");
    for (const char* target : {"mp3.cfg", "userconfig.cfg", "gfx/shell/kb_act.lst"})
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(mod() / target))) << target;
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(mod() / "mp3s/a.mp3"))) << "a link in mp3s is the player's";
    EXPECT_EQ(modFile("mp3s/a2.mp3"), "song");
    EXPECT_EQ(modFile("userconfig.cfg"), "bind x y\r\nexec mp3.cfg\r\n") << "the linked file's rows are kept";
}

// A file in mp3s is ours only while the list of copies names it as copied; the rest is the player's.
TEST_F(SaveFaults, ThePlayersFilesInTheCopiesFolderAreNeverReplaced) {
    const auto linkList = [&] {
        fs::rename(mod() / ".jukewright-copies", root.path() / "elsewhere");
        fs::create_symlink(root.path() / "elsewhere", mod() / ".jukewright-copies");
    };
    struct Case {
        const char* what;
        bool savedBefore; // Intro.mp3 copied by an earlier save
        std::vector<std::string> players;
        std::function<void()> list; // what then happens to the list of copies
        const char* copy;
    };
    const Case cases[] = {
        {"our copy", true, {}, [] {}, "Intro.mp3"},
        {"player's file", false, {"Intro.mp3"}, [] {}, "Intro2.mp3"},
        {"other case", false, {"intro.MP3"}, [] {}, "Intro2.mp3"},
        {"folder", false, {"Intro.mp3/inside"}, [] {}, "Intro2.mp3"},
        {"taken number", false, {"Intro.mp3", "Intro2.mp3"}, [] {}, "Intro3.mp3"},
        {"changed by the player", true, {"Intro.mp3"}, [] {}, "Intro2.mp3"},
        {"no list", true, {}, [&] { fs::remove(mod() / ".jukewright-copies"); }, "Intro2.mp3"},
        {"list is a link", true, {}, linkList, "Intro2.mp3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(mod());
        fs::create_directories(mod() / "mp3s");
        restart();
        if (c.savedBefore) {
            track("Intro.mp3", "our old copy");
            ASSERT_EQ(save(), SaveOutcome::Complete) << messages();
            restart();
        }
        for (const std::string& file : c.players)
            root.write("cstrike/mp3s/" + file, "mine " + file);
        c.list();
        const auto before = contentsOf(mod() / "mp3s");
        const fs::path copy = mod() / "mp3s" / c.copy;
        track("Intro.mp3", "the new song");
        ASSERT_EQ(save(), SaveOutcome::Complete) << messages();
        EXPECT_EQ(test::readBytes(copy), "the new song");
        EXPECT_THAT(modFile("mp3.cfg"), HasSubstr(std::string("mp3s/") + c.copy + ";"));
        expectKept(before, copy);
        // The copy is ours from now on.
        track("Other.mp3", "another song");
        ASSERT_EQ(save(), SaveOutcome::Complete) << messages();
        EXPECT_EQ(test::readBytes(copy), "the new song");
    }
}

// mp3s linked to the player's music folder: a removal takes out only the copies and keeps the link.
TEST_F(SaveFaults, ALinkedCopiesFolderKeepsThePlayersFilesThroughSavesAndRemoval) {
    root.write("Music/Intro.mp3", "my intro");
    root.write("Music/Song1.mp3", "my song");
    root.write("Music/Live/Intro.mp3", "my live intro");
    const auto players = contentsOf(root.path() / "Music");
    fs::create_directory_symlink("../Music", mod() / "mp3s");

    track("AlbumB/Intro.mp3", "album intro");
    track("AlbumB/Song 1.mp3", "album song");
    ASSERT_EQ(save(), SaveOutcome::Complete) << messages();
    expectKept(players);
    EXPECT_EQ(root.read("Music/Intro2.mp3"), "album intro");
    EXPECT_EQ(root.read("Music/Song12.mp3"), "album song");

    const RemovalReport report = removeJukebox(modText(), true);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(contentsOf(root.path() / "Music"), players);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(mod() / "mp3s")));
    EXPECT_FALSE(fs::exists(mod() / ".jukewright-copies"));
    EXPECT_THAT(report.kept, ::testing::ElementsAre("kept mp3s and the 3 files in it that Jukewright did not copy: "
                                                    "Intro.mp3, Live, Song1.mp3"));
}

// A folder whose owner-write bit is clear is protected as a read-only file is, from root too.
TEST_F(SaveFaults, TargetsThatMayNotBeReplacedAreNamedAndKept) {
    const std::string mine = "\"mine\" \"Mine\"\r\n", wideList("\xFE\xFF\0\"\0m\0\"\0\r\0\n", 12);
    struct Case {
        const char* target;
        std::string_view kind; // a read-only file or folder, a folder, a fifo or a UTF-16 list
        const char* named;
        const char* reason;
    };
    const Case cases[] = {
        {"userconfig.cfg", "read-only", "userconfig.cfg", "read-only"},
        {"gfx/shell/kb_act.lst", "read-only", "gfx/shell/kb_act.lst", "read-only"},
        {"mp3.cfg", "read-only", "mp3.cfg", "read-only"},
        {"userconfig.cfg", "folder", "userconfig.cfg", "not a regular file"},
        {"gfx/shell/kb_act.lst", "fifo", "gfx/shell/kb_act.lst", "not a regular file"},
        {"gfx/shell/kb_act.lst", "UTF-16", "gfx/shell/kb_act.lst",
         "UTF-16 text: the controls section is not added to it"},
        {"", "read-only folder", "", "read-only"},
        {"mp3s", "read-only folder", "mp3s", "read-only"},
        {"gfx/shell", "read-only folder", "gfx/shell/kb_act.lst", "read-only"},
    };
    track("a.mp3", "song");
    track("b.mp3", "other song");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.target) + " " + std::string(c.kind));
        fs::remove_all(mod());
        fs::create_directories(mod() / "mp3s");
        fs::create_directories(mod() / "gfx/shell");
        const fs::path path = mod() / c.target;
        fs::create_directories(c.kind.ends_with("folder") ? path : path.parent_path());
        if (c.kind == "fifo") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        } else if (c.kind == "read-only" || c.kind == "UTF-16") {
            test::writeBytes(path, c.kind == "UTF-16" ? wideList : mine);
        }
        const auto before = fs::is_directory(path) ? contentsOf(path) : std::map<std::string, std::string>{};
        if (c.kind.starts_with("read-only"))
            ::chmod(path.c_str(), c.kind == "read-only" ? 0440 : 0555);
        // Named by its whole path in the system's own form, never a mix of "/" and "\".
        saveFails({"\n" + (*c.named ? mod() / c.named : mod()).string() + " (" + c.reason + ")\n"});
        if (c.kind == "read-only folder") {
            ::chmod(path.c_str(), 0755);
            EXPECT_EQ(contentsOf(path), before) << "a read-only folder gets nothing";
        } else {
            EXPECT_EQ(fs::symlink_status(path).type(), c.kind == "folder" ? fs::file_type::directory
                                                       : c.kind == "fifo" ? fs::file_type::fifo
                                                                          : fs::file_type::regular);
            EXPECT_TRUE(!fs::is_regular_file(path) || test::readBytes(path) == (c.kind == "UTF-16" ? wideList : mine));
            EXPECT_EQ(modFile("mp3s/b.mp3"), "other song");
        }
    }
}

TEST_F(SaveFaults, ASaveWaitsForAnotherInTheSameFolderAndThenStopsHavingChangedNothing) {
    track("a.mp3", "song");
    ASSERT_EQ(save(), SaveOutcome::Complete);
    track("b.mp3", "other song");
    state->Layout = ScriptLayout::Parts;
    const auto before = contentsOf(mod());
    ::setenv("JUKEWRIGHT_LOCK_WAIT_SECONDS", "0.1", 1);
    {
        const FolderLock other(mod(), std::chrono::milliseconds(0));
        ASSERT_EQ(other.state(), FolderLock::State::Held);
        EXPECT_EQ(save(), SaveOutcome::Stopped);
    }
    ::unsetenv("JUKEWRIGHT_LOCK_WAIT_SECONDS");
    EXPECT_EQ(messages(), "Another save or remove is running in this mod folder.\n");
    EXPECT_EQ(view.messages.at(0).icon, MessageIcon::Stop);
    EXPECT_TRUE(view.modFolderEnabled);
    EXPECT_EQ(contentsOf(mod()), before);

    // Once the other run is over, the folder is free again; its lock file stays.
    EXPECT_EQ(save(), SaveOutcome::Complete) << messages();
    EXPECT_TRUE(fs::is_regular_file(mod() / ".jukewright.lock"));
    // Read-only files that need no change are no failure.
    for (const char* file : {"userconfig.cfg", "gfx/shell/kb_act.lst", "mp3s/a.mp3"})
        fs::permissions(mod() / file, fs::perms::owner_read);
    EXPECT_EQ(save(), SaveOutcome::Complete) << messages();
}

// Parts go in place only all together, so mp3.cfg never runs a new part chained to an old one.
TEST_F(SaveFaults, APartsSaveThatCannotWriteOnePartChangesNoScriptFile) {
    std::vector<std::string> tracks;
    for (int i = 0; i < 60; ++i)
        tracks.push_back(track("a rather long track name number " + std::to_string(i) + ".mp3", "song"));
    state->Layout = ScriptLayout::Parts;
    ASSERT_EQ(save(), SaveOutcome::Complete);
    ASSERT_TRUE(fs::exists(mod() / "mp3_part2.cfg"));
    // The same tracks the other way round: every part changes.
    restart();
    state->Layout = ScriptLayout::Parts;
    for (auto it = tracks.rbegin(); it != tracks.rend(); ++it)
        add(*it);
    fs::permissions(mod() / "mp3_part2.cfg", fs::perms::owner_read);
    const std::vector<std::string> script = {modFile("mp3.cfg"), modFile("mp3_part1.cfg"), modFile("mp3_part2.cfg")};
    saveFails({"mp3_part2.cfg (read-only)"});
    EXPECT_EQ(script, (std::vector{modFile("mp3.cfg"), modFile("mp3_part1.cfg"), modFile("mp3_part2.cfg")}));
    EXPECT_EQ(temporariesIn(mod()), std::vector<std::string>{});
}

TEST_F(SaveFaults, TracksThatAreNotRegularFilesAreNamedAndTheOthersCopied) {
    fs::create_directories(add(root.file("music/folder.mp3")));
    ASSERT_EQ(::mkfifo(add(root.file("music/fifo.mp3")).c_str(), 0644), 0);
    add("/dev/null");
    track("fine.mp3", "song");
    saveFails({"folder.mp3: not a regular file)", "fifo.mp3: not a regular file)", "/dev/null: not a regular file)"});
    EXPECT_EQ(modFile("mp3s/fine.mp3"), "song");
}

TEST_F(SaveFaults, ASaveAgainCopiesOnlyTracksThatChanged) {
    const std::string source = track("a.mp3", "song");
    ASSERT_EQ(save(), SaveOutcome::Complete);
    const fs::path copy = mod() / "mp3s" / "a.mp3";
    EXPECT_EQ(fs::last_write_time(copy), fs::last_write_time(source)) << "a copy carries its source's time";

    // Same size and time: taken as current, so these bytes stay.
    const auto time = fs::last_write_time(copy);
    test::writeBytes(copy, "SONG");
    fs::last_write_time(copy, time);
    ASSERT_EQ(save(), SaveOutcome::Complete);
    EXPECT_EQ(view.progress, 1) << "a skipped copy still moves the progress on";
    EXPECT_EQ(test::readBytes(copy), "SONG");

    fs::last_write_time(source, time + std::chrono::seconds(5));
    ASSERT_EQ(save(), SaveOutcome::Complete);
    EXPECT_EQ(test::readBytes(copy), "song");

    // Café.mp3 and Cafe.mp3 are both copied as Cafe.mp3: of one size and time, they are still two songs.
    for (const auto& [name, song] : {std::pair{"Caf\u00E9.mp3", "one"}, std::pair{"Cafe.mp3", "two"}}) {
        restart();
        fs::last_write_time(track(name, song), time);
        ASSERT_EQ(save(), SaveOutcome::Complete);
        EXPECT_EQ(modFile("mp3s/Cafe.mp3"), song);
    }
}

TEST_F(SaveFaults, ASaveAsRootKeepsThePlayersFilesThePlayers) {
    if (!test::runningAsRoot())
        GTEST_SKIP() << "needs root: this case is what a save run as root does to the player's files";
    const std::string config = root.write("cstrike/userconfig.cfg", "bind x y\r\n");
    ASSERT_EQ(::chown(config.c_str(), test::NobodyId, test::NobodyId), 0);
    ::chmod(config.c_str(), 0640);
    ASSERT_EQ(::chown(modText().c_str(), test::NobodyId, test::NobodyId), 0);
    ::chmod(root.str().c_str(), 0755);
    const std::string music = readableTrack();
    ASSERT_EQ(save(), SaveOutcome::Complete) << messages();
    for (const char* file : {"userconfig.cfg", "mp3.cfg", "mp3s", "mp3s/a.mp3", "gfx", "gfx/shell",
                             "gfx/shell/kb_act.lst", ".jukewright.lock"}) {
        struct stat info {};
        ASSERT_EQ(::stat((mod() / file).c_str(), &info), 0) << file;
        EXPECT_EQ(info.st_uid, test::NobodyId) << file;
        EXPECT_EQ(info.st_gid, test::NobodyId) << file;
    }
    EXPECT_EQ(fs::status(config).permissions(), fs::perms(0640));

    // The player's own later save still works.
    fs::last_write_time(music, fs::file_time_type::clock::now() + std::chrono::seconds(5));
    const auto later = saveInChild();
    EXPECT_EQ(later.status, static_cast<int>(SaveOutcome::Complete)) << later.text;
}

// A player cannot read or write what another user protected, nor list a copies folder they may only
// write to, where every name is still checked first; as root this runs as nobody.
TEST_F(SaveFaults, FilesThisUserMayNotReadOrWriteAreNamedWithTheirCauseAndKept) {
    const std::string config = root.write("cstrike/userconfig.cfg", "bind x y\r\n");
    const std::string list = root.write("cstrike/gfx/shell/kb_act.lst", "\"a\" \"A\"\r\n");
    const std::string mine = root.write("cstrike/mp3s/a.mp3", "mine");
    for (const std::string& path : {config, list})
        ::chmod(path.c_str(), 0);
    ::chmod(mine.c_str(), 0666);
    openToNobody({root.path(), mod(), mod() / "gfx", mod() / "gfx" / "shell"});
    openToNobody({mod() / "mp3s"}, 0333);
    // Root's file in the player's folder: writable by its owner alone.
    const std::string roots = root.write("cstrike/mp3.cfg", "root's");
    ::chmod(roots.c_str(), 0644);
    readableTrack();
    const auto result = saveInChild();
    for (const std::string& path : {config, list, (mod() / "mp3s").string()})
        ::chmod(path.c_str(), 0755);
    EXPECT_EQ(result.status, static_cast<int>(SaveOutcome::Failed));
    EXPECT_THAT(result.text, HasSubstr("userconfig.cfg (Permission denied)"));
    EXPECT_THAT(result.text, HasSubstr("kb_act.lst (Permission denied)"));
    EXPECT_EQ(std::ranges::count(result.text, '\n'), test::runningAsRoot() ? 4 : 3) << result.text;
    if (test::runningAsRoot()) {
        EXPECT_THAT(result.text, HasSubstr("mp3.cfg (Permission denied)"));
        EXPECT_EQ(root.read("cstrike/mp3.cfg"), "root's");
    }
    EXPECT_EQ(root.read("cstrike/userconfig.cfg"), "bind x y\r\n");
    EXPECT_EQ(root.read("cstrike/gfx/shell/kb_act.lst"), "\"a\" \"A\"\r\n");
    EXPECT_EQ(test::readBytes(mine), "mine");
    EXPECT_EQ(modFile("mp3s/a2.mp3"), "song");
}

// Copies of a save killed before its last step stay ours, and the player's files stay theirs. Its
// strays go, but those of a running save stay.
TEST_F(SaveFaults, CopiesOfASaveKilledBeforeItsEndStayOursAndItsStraysGo) {
    struct DyingView : test::RecordingSaveView {
        using RecordingSaveView::RecordingSaveView;
        void setProgressValue(int value, std::string_view name) override {
            if (value == maximum)
                ::_exit(9);
            RecordingSaveView::setProgressValue(value, name);
        }
    };
    track("a.mp3", "song a");
    track("b.mp3", "song b");
    test::writeBytes(mod() / "mp3s/a.mp3", "the player's own a");
    const pid_t killed = test::startChild([&] {
        DyingView dying(modText());
        save(dying);
    });
    ASSERT_EQ(test::waitForChild(killed), 9);
    ASSERT_EQ(modFile("mp3s/a2.mp3"), "song a");
    const auto stray = [&](const std::string& folder, long owner) {
        return root.write("cstrike/" + folder + "a.mp3.jukewright-" + std::to_string(owner) + "-0123456789abcdef.tmp",
                          "half");
    };
    const std::string dead = stray("mp3s/", killed);
    const std::string deadConfig = stray("", killed);
    const std::string running = stray("mp3s/", ::getpid());
    // A copy in progress carries its source's old modification time; its change time is fresh.
    const std::string copying = stray("gfx/shell/", ::getpid());
    fs::last_write_time(copying, fs::file_time_type::clock::now() - std::chrono::hours(24 * 365));
    ASSERT_EQ(save(), SaveOutcome::Complete) << messages();
    EXPECT_THAT(modFile("mp3.cfg"), HasSubstr("mp3s/a2.mp3"));
    EXPECT_THAT(modFile("mp3.cfg"), HasSubstr("mp3 play mp3s/b.mp3;"));
    EXPECT_FALSE(fs::exists(mod() / "mp3s/b2.mp3"));
    EXPECT_EQ(modFile("mp3s/a.mp3"), "the player's own a");
    EXPECT_EQ(std::tuple(fs::exists(dead), fs::exists(deadConfig), fs::exists(copying), fs::exists(running)),
              std::tuple(false, false, true, true));
}

// Killed anywhere, a save leaves every file old or new and every copy whole, old or absent.
TEST_F(SaveFaults, ASaveKilledAtAnyPointLosesNothing) {
    const std::map<std::string, std::string> old = {{"gfx/shell/kb_act.lst", "\"+jump\" \"Jump\"\r\n"},
                                                    {"userconfig.cfg", "bind x y\r\n"},
                                                    {"mp3.cfg", "old script\r\n"},
                                                    {"mp3s/t0.mp3", "old copy"}};
    const auto song = [](int i) { return std::string(std::size_t{1} << 20, static_cast<char>('a' + i)); };
    for (int i = 0; i < 6; ++i)
        track("t" + std::to_string(i) + ".mp3", song(i));
    const auto reset = [&] {
        for (const auto& [file, bytes] : old)
            test::writeBytes(mod() / file, bytes);
    };
    reset();
    ASSERT_EQ(save(), SaveOutcome::Complete);
    std::map<std::string, std::string> fresh;
    for (const auto& [file, bytes] : old)
        fresh[file] = modFile(file);
    EXPECT_EQ(fresh["userconfig.cfg"], "bind x y\r\nexec mp3.cfg\r\n");

    // Kill points spread over the length of a whole save.
    const auto start = std::chrono::steady_clock::now();
    reset();
    fs::remove_all(mod() / "mp3s");
    test::waitForChild(test::startChild([&] { save(); }));
    const auto length = std::chrono::steady_clock::now() - start;
    std::mt19937 random(12345);
    for (int kill = 0; kill < 24; ++kill) {
        SCOPED_TRACE("cut at kill " + std::to_string(kill));
        reset();
        for (int i = 1; i < 6; ++i)
            fs::remove(mod() / ("mp3s/t" + std::to_string(i) + ".mp3"));
        const pid_t child = test::startChild([&] { save(); });
        std::this_thread::sleep_for(length * std::uniform_real_distribution<double>(0.0, 1.2)(random));
        ::kill(child, SIGKILL);
        test::waitForChild(child);
        for (const auto& [file, bytes] : old)
            EXPECT_TRUE(modFile(file) == bytes || modFile(file) == fresh[file]) << file;
        for (int i = 1; i < 6; ++i) {
            const fs::path copy = mod() / ("mp3s/t" + std::to_string(i) + ".mp3");
            EXPECT_TRUE(!fs::exists(copy) || test::readBytes(copy) == song(i)) << copy;
        }
    }
    ASSERT_EQ(save(), SaveOutcome::Complete);
    EXPECT_EQ(temporariesIn(mod()), std::vector<std::string>{});
}

// A full disk, by a file-size limit and, where the machine lets a test mount one, a small file system:
// the real cause is named and the old copy stays whole.
TEST_F(SaveFaults, AFullDiskIsNamedByItsCauseAndKeepsTheOldCopies) {
    const std::string source = track("big.mp3", "old copy");
    ASSERT_EQ(save(), SaveOutcome::Complete);
    test::writeBytes(source, std::string(std::size_t{3} << 20, 'b'));
    const std::pair<std::function<bool()>, const char*> disks[] = {
        {[] {
             ::signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{1 << 20, 1 << 20};
             return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
         },
         ": File too large)"},
        {[&] {
             return ::unshare(CLONE_NEWNS) == 0 && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                    ::mount("jukewright-test", modText().c_str(), "tmpfs", 0, "size=1m") == 0;
         },
         ": No space left on device)"},
    };
    constexpr int CannotMount = 77; // needs root and mount rights
    for (const auto& [fill, cause] : disks) {
        SCOPED_TRACE(cause);
        const auto result = test::runInChild([&](std::string& text) {
            if (!fill())
                return CannotMount;
            save();
            text = messages();
            return 0;
        });
        if (result.status == CannotMount)
            continue;
        EXPECT_THAT(result.text, HasSubstr("big.mp3 (copy of "));
        EXPECT_THAT(result.text, HasSubstr(cause));
        EXPECT_THAT(result.text, Not(HasSubstr("Input/output error")));
        EXPECT_EQ(modFile("mp3s/big.mp3"), "old copy");
        EXPECT_EQ(temporariesIn(mod()), std::vector<std::string>{});
    }
}

#endif
