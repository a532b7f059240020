#include "core/mod_files/file_backup.h"
#include "support/fixtures.h"

#include <filesystem>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace jukewright;
namespace fs = std::filesystem;

// The first copy is the player's way back: nothing may ever replace it or write through it.
TEST(FileBackup, KeepsTheFirstCopyOnlyAndNeverWritesThroughALink) {
    test::TempFolder folder;
    const std::string file = folder.file("userconfig.cfg");
    EXPECT_FALSE(keepBackup(file));
    EXPECT_FALSE(fs::exists(backupPath(file))) << "no file, no copy";

    folder.write("userconfig.cfg", "mine\r\n");
    EXPECT_FALSE(keepBackup(file));
    folder.write("userconfig.cfg", "changed\r\n");
    EXPECT_FALSE(keepBackup(file));
    EXPECT_EQ(folder.read("userconfig.cfg.jukewright-backup"), "mine\r\n");

#ifndef _WIN32
    const std::string list = folder.write("kb_act.lst", "list");
    const std::string elsewhere = folder.write("elsewhere", "keep me");
    fs::create_symlink(elsewhere, backupPath(list));
    EXPECT_FALSE(keepBackup(list));
    EXPECT_EQ(folder.read("elsewhere"), "keep me");
    fs::create_directory(folder.path() / "folder.cfg");
    EXPECT_FALSE(keepBackup(folder.file("folder.cfg")));
    EXPECT_FALSE(fs::exists(backupPath(folder.file("folder.cfg"))));
#endif
}

#ifndef _WIN32
// A backup holds what the file holds (an rcon_password, say): it is no more open than the file.
TEST(FileBackup, TakesTheModeAndOwnerOfTheFileItCopies) {
    test::TempFolder folder;
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0644), fs::perms(0400)}) {
        SCOPED_TRACE(static_cast<int>(mode));
        const std::string file = folder.write("userconfig.cfg", "rcon_password secret\r\n");
        fs::remove(backupPath(file));
        fs::permissions(file, mode);
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
        }
        EXPECT_FALSE(keepBackup(file));
        EXPECT_EQ(fs::status(backupPath(file)).permissions(), mode);
        struct stat original {};
        struct stat backup {};
        ASSERT_EQ(::stat(file.c_str(), &original), 0);
        ASSERT_EQ(::stat(backupPath(file).c_str(), &backup), 0);
        EXPECT_EQ(backup.st_uid, original.st_uid);
        EXPECT_EQ(backup.st_gid, original.st_gid);
        fs::remove(file);
    }
}
#endif
