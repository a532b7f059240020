#include "core/browse/folder_tree.h"
#include "support/child_process.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace jukewright;

#ifndef _WIN32

TEST(BrowseStart, OpensInSteamsGameFoldersWhereTheyExistElseInTheWorkingFolder) {
    // files made below the home folder, where the browser opens
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{}, "<work>"},
        {{".steam/steam/steamapps/x"}, ".steam/steam/steamapps"},
        {{".local/share/Steam/steamapps/x", ".steam/steam/steamapps/x"}, ".local/share/Steam/steamapps"},
        {{".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/x"},
         ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps"},
        {{".steam/steam/x"}, "<work>"},
        {{".steam/steam/steamapps"}, "<work>"}, // a file where the folder would be
    };
    for (const auto& [files, expected] : rows) {
        test::TempFolder home;
        for (const std::string& file : files)
            home.write(file, "x");
        const std::string start = browseStartFolder(home.str(), "/work");
        EXPECT_EQ(start, expected == "<work>" ? "/work" : home.str() + "/" + expected);
    }
    EXPECT_EQ(browseStartFolder("", "/work"), "/work");
}

TEST(FolderList, ListsSubfoldersHiddenOnesIncludedSortedIgnoringCase) {
    test::TempFolder root;
    for (const char* file : {"beta/x", "Alpha/x", ".steam/x", "gamma/x", "file.txt", "AC\\DC/x"})
        root.write(file, "x");
    const FolderListing listing = listSubfolders(root.str());
    EXPECT_FALSE(listing.error);
    const std::string r = root.str() + "/";
    EXPECT_EQ(listing.subfolders,
              (std::vector<std::string>{r + ".steam", r + "AC\\DC", r + "Alpha", r + "beta", r + "gamma"}));
    EXPECT_TRUE(listSubfolders(root.file("missing")).error);
    EXPECT_TRUE(listSubfolders(root.file("file.txt")).error);
}

TEST(FolderList, AFolderThatCannotBeReadReportsWhy) {
    test::TempFolder root;
    root.write("locked/x", "x");
    ::chmod(root.str().c_str(), 0755);
    ::chmod(root.file("locked").c_str(), 0);
    // Root reads every folder: the listing runs with a player's rights.
    const test::ChildResult child = test::runInChild(
        [&](std::string& text) {
            const FolderListing listing = listSubfolders(root.file("locked"));
            if (!listing.error)
                return 1;
            const Message message = unreadableFolderMessage(root.file("locked"), listing.error);
            text = message.text;
            return message.icon == MessageIcon::Stop ? 0 : 2;
        },
        test::runningAsRoot());
    ::chmod(root.file("locked").c_str(), 0700);
    EXPECT_EQ(child.status, 0) << child.text;
    EXPECT_EQ(child.text, "This folder could not be opened:\n" + root.file("locked") + " (Permission denied)");
}

TEST(FolderList, ChainsAndLabelsRunFromTheRootDown) {
    EXPECT_EQ(folderChain("/home/ann/games"), (std::vector<std::string>{"/", "/home", "/home/ann", "/home/ann/games"}));
    EXPECT_EQ(folderChain("/home/ann/"), (std::vector<std::string>{"/", "/home", "/home/ann"}));
    EXPECT_EQ(folderChain("/"), (std::vector<std::string>{"/"}));
    EXPECT_EQ(folderLabel("/home/ann/"), "ann");
    EXPECT_EQ(folderLabel("/"), "/");
    EXPECT_EQ(folderLabel("/music/AC\\DC"), "AC\\DC");
}

TEST(DriveList, OffersTheRootTheHomeFolderAndMountedMedia) {
    const std::string table = "sysfs /sys sysfs rw 0 0\n"
                              "/dev/sda1 / ext4 rw 0 0\n"
                              "/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
                              "/dev/sr0 /run/media/ann/DISC iso9660 ro 0 0\n"
                              "/dev/sdc1 /mnt/games ext4 rw 0 0\n"
                              "/dev/sdc1 /mnt/games ext4 rw 0 0\n"
                              "tmpfs /run/user/1000 tmpfs rw 0 0\n"
                              "/dev/sdd1 /mediastore ext4 rw 0 0\n"
                              "/dev/sda2 /home ext4 rw 0 0\n";
    const auto points = parseMountPoints(table);
    EXPECT_EQ(points[2], "/media/ann/USB STICK");
    EXPECT_EQ(reachableRoots("/home/ann", points), (std::vector<std::string>{"/", "/home/ann", "/media/ann/USB STICK",
                                                                             "/run/media/ann/DISC", "/mnt/games"}));
    EXPECT_EQ(reachableRoots("", {}), (std::vector<std::string>{"/"}));
    const auto system = systemRoots("/home/ann");
    ASSERT_GE(system.size(), 2u);
    EXPECT_EQ(system[0], "/");
}

TEST(DriveList, AFolderBelongsToTheLongestRootThatStartsIt) {
    const std::vector<std::string> roots{"/", "/home/ann", "/media/ann/USB"};
    const std::pair<std::string, std::size_t> rows[] = {
        {"/etc", 0}, {"/home/ann", 1}, {"/home/ann/games", 1}, {"/home/anna", 0}, {"/media/ann/USB/cstrike", 2},
    };
    for (const auto& [folder, index] : rows)
        EXPECT_EQ(rootIndexFor(roots, folder), index) << folder;
}

#endif
