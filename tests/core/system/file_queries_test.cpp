#include "core/system/file_queries.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>
#include <tuple>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace jukewright;

TEST(FileExistence, AnswersForVisibleOrdinaryFilesFoldersAndPatternsInTheLastComponent) {
    test::TempFolder root;
    for (const char* file :
         {"Music/ab.mp3", "Music/.hidden.ogg", "Music/Folder.wav/x.mp3", ".hidden.mp3", ".config/x",
          ".steam/steam/song.mp3", "Song [Live].mp3", "OnlyFolders/Sub/x.mp3", "OnlyHidden/.song.mp3"})
        root.write(file, "x");
#ifndef _WIN32
    root.write("Music/AC\\DC - Back.mp3", "x"); // on POSIX a backslash is part of a name
    ASSERT_EQ(::mkfifo(root.file("pipe.mp3").c_str(), 0600), 0);
#endif
    // path below the folder, FileExists, FolderExists
    const std::tuple<std::string, bool, bool> rows[] = {
        {"Music/ab.mp3", true, true}, // a file also passes the folder check
        {"Music", false, true},
        {"Music\\Folder.wav\\..\\ab.mp3", true, true},
        {".hidden.mp3", false, false},
        {".config", false, false},
        {".steam/steam/song.mp3", true, true}, // a hidden folder on the way does not matter
        {"Music/*.mp3", true, true},
        {"Music\\a?.mp3", true, true},
        {"Music/?.mp3", false, false},
        {"Music/*.ogg", false, false}, // hidden entries are not seen
        {"Music/*.wav", false, true},
        {"Mus*/ab.mp3", false, false}, // only the last component is a pattern
        {"Song [*].mp3", true, true},  // "[" is an ordinary character
        {"Music\\", true, true},       // a trailing separator stands for the folder's contents
        {"OnlyFolders/", false, true},
        {"OnlyHidden/", false, true},
        {"Music/ab.mp3/inside.mp3", false, false},
        {std::string("Music/ab.mp3") + '\0' + ".ogg", false, false}, // a NUL never shortens the name
        {std::string(5000, 'n'), false, false},
        {std::string(300, 'n') + "/*.mp3", false, false},
#ifndef _WIN32
        {"Music/AC\\DC - Back.mp3", true, true},
        {"Music\\AC\\DC - Back.mp3", false, false},
        {"pipe.mp3", false, false},
        {"pipe.*", false, false},
#endif
    };
    for (const auto& [path, file, folder] : rows) {
        EXPECT_EQ(FileExists(root.str() + "/" + path), file) << path;
        EXPECT_EQ(FolderExists(root.str() + "/" + path), folder) << path;
    }
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FolderExists(""));
}
