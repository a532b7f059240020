#include "core/system/file_backup.h"
#include "support/fixtures.h"

#include <filesystem>
#include <gtest/gtest.h>

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
