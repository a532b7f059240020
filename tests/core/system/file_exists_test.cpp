#include "core/system/file_exists.h"
#include "support/fixtures.h"

#include <filesystem>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace jukewright;
namespace fs = std::filesystem;

namespace {

class FileExistence : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string at(const std::string& relative) const { return folder.str() + "/" + relative; }
    void file(const std::string& relative) const { folder.write(relative, "x"); }
    void directory(const std::string& relative) const { fs::create_directories(folder.path() / relative); }
};

} // namespace

TEST_F(FileExistence, TellsFilesFromFolders) {
    file("Music/song.mp3");
    EXPECT_TRUE(FileExists(at("Music/song.mp3")));
    EXPECT_TRUE(FolderExists(at("Music/song.mp3"))) << "a file also passes the folder check";
    EXPECT_FALSE(FileExists(at("Music")));
    EXPECT_TRUE(FolderExists(at("Music")));
    EXPECT_FALSE(FileExists(at("Music/other.mp3")));
    EXPECT_FALSE(FolderExists(at("Other")));
}

TEST_F(FileExistence, TakesBackslashesAsSeparators) {
    file("Music/Lists/song.mp3");
    EXPECT_TRUE(FileExists(folder.str() + "\\Music\\Lists\\..\\Lists\\song.mp3"));
    EXPECT_TRUE(FolderExists(folder.str() + "\\Music"));
}

TEST_F(FileExistence, HiddenMeansTheLastComponentStartsWithADot) {
    file(".hidden.mp3");
    directory(".config");
    file(".steam/steam/song.mp3");
    EXPECT_FALSE(FileExists(at(".hidden.mp3")));
    EXPECT_FALSE(FolderExists(at(".config")));
    EXPECT_TRUE(FileExists(at(".steam/steam/song.mp3"))) << "a hidden folder on the way does not matter";
    EXPECT_TRUE(FolderExists(at(".steam/steam")));
}

TEST_F(FileExistence, WildcardsInTheLastComponentMatchLikeADirectoryQuery) {
    file("Music/ab.mp3");
    file("Music/.hidden.ogg");
    directory("Music/Folder.wav");
    EXPECT_TRUE(FileExists(at("Music/*.mp3")));
    EXPECT_TRUE(FileExists(at("Music/a?.mp3")));
    EXPECT_TRUE(FileExists(at("Music/*")));
    EXPECT_TRUE(FileExists(at("Music/a*b.mp3")));
    EXPECT_FALSE(FileExists(at("Music/?.mp3"))) << "? stands for exactly one character";
    EXPECT_FALSE(FileExists(at("Music/ab?.mp3")));
    EXPECT_FALSE(FileExists(at("Music/*.ogg"))) << "hidden entries are not seen";
    EXPECT_FALSE(FileExists(at("Music/*.wav"))) << "only a folder matches";
    EXPECT_TRUE(FolderExists(at("Music/*.wav")));
    EXPECT_FALSE(FileExists(at("Other/*.mp3")));
    EXPECT_FALSE(FileExists(at("Mus*/ab.mp3"))) << "only the last component is a pattern";
}

TEST_F(FileExistence, SquareBracketsAreOrdinaryCharacters) {
    file("Song [Live].mp3");
    file("Song L.mp3");
    EXPECT_TRUE(FileExists(at("Song [Live].mp3")));
    EXPECT_FALSE(FileExists(at("Song [L].mp3")));
    EXPECT_TRUE(FileExists(at("Song [*].mp3")));
    EXPECT_FALSE(FileExists(at("Song [A-Z]*.mp3")));
}

TEST_F(FileExistence, TrailingSeparatorStandsForTheFolderContents) {
    file("Full/song.mp3");
    directory("Empty");
    directory("OnlyFolders/Sub");
    file("OnlyHidden/.song.mp3");
    EXPECT_TRUE(FileExists(at("Full/")));
    EXPECT_TRUE(FileExists(folder.str() + "\\Full\\"));
    EXPECT_FALSE(FileExists(at("Empty/")));
    EXPECT_FALSE(FileExists(at("OnlyFolders/")));
    EXPECT_FALSE(FileExists(at("OnlyHidden/")));
    EXPECT_TRUE(FolderExists(at("Empty/")));
    EXPECT_TRUE(FolderExists(at("OnlyFolders/")));
    EXPECT_FALSE(FolderExists(at("Missing/")));
    EXPECT_FALSE(FolderExists(at("Full/song.mp3/")));
}

TEST_F(FileExistence, EveryErrorIsFalse) {
    file("song.mp3");
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FolderExists(""));
    EXPECT_FALSE(FileExists(at("song.mp3/inside.mp3")));
    EXPECT_FALSE(FileExists(at("song.mp3") + std::string(1, '\0') + ".ogg")) << "a NUL never shortens the name";
    EXPECT_FALSE(FolderExists(at(std::string(5000, 'n'))));
    EXPECT_FALSE(FileExists(at(std::string(300, 'n') + "/*.mp3")));
}

#ifndef _WIN32
TEST_F(FileExistence, OnlyOrdinaryFilesCount) {
    ASSERT_EQ(::mkfifo(at("pipe.mp3").c_str(), 0600), 0);
    EXPECT_FALSE(FileExists(at("pipe.mp3")));
    EXPECT_FALSE(FolderExists(at("pipe.mp3")));
    EXPECT_FALSE(FileExists(at("pipe.*")));
}
#endif
