#include "core/library/music_scan.h"
#include "core/system/music_folder.h"
#include "support/child_process.h"
#include "support/fixtures.h"
#include "support/tagged_mp3.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <map>
#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

namespace fs = std::filesystem;

namespace {

// A reader for systems that cannot read tags: every file is named after its folders.
class NoTags : public TagReader {
public:
    TrackTags read(const std::string&) override { return {}; }
    bool works() const override { return false; }
};

// Each file the scan found, below the music folder, with the artist and album it is listed under.
std::map<std::string, std::string> scanned(const test::TempFolder& music, TagReader& reader,
                                           ScanCounts* counts = nullptr) {
    std::map<std::string, std::string> listed;
    const ScanCounts total = scanMusicFolder(music.str(), reader, [&](LibraryTrack track, const ScanCounts&) {
        const std::string relative = test::utf8Path(track.path).lexically_relative(music.path()).generic_string();
        EXPECT_TRUE(listed.emplace(relative, track.artist + " / " + track.album).second) << relative << " twice";
    });
    if (counts)
        *counts = total;
    return listed;
}

} // namespace

TEST(MusicScan, ListsEveryMp3BelowTheMusicFolderByItsFoldersAndLeavesTheRestOut) {
    const test::TempFolder music;
    music.write("Artist/Album/01.mp3", test::taggedMp3({}));
    music.write("Artist/Album/LOUD.MP3", test::taggedMp3({}));
    music.write("loose.mp3", test::taggedMp3({}));
    music.write("Artist/Album/Bonus/deep.mp3", test::taggedMp3({}));
    music.write("Artist/Album/cover.jpg", "not a track");
    music.write(".hidden/Artist/Album/x.mp3", test::taggedMp3({}));
    music.write("Artist/Album/._01.mp3", "resource fork");
    music.write("Artist/Album/text.mp3", "plain text under an MP3 name");
    fs::create_directories(music.path() / "Artist" / "Empty");

    NoTags reader;
    ScanCounts counts;
    EXPECT_THAT(scanned(music, reader, &counts),
                UnorderedElementsAre(Pair("Artist/Album/01.mp3", "Artist / Album"),
                                     Pair("Artist/Album/LOUD.MP3", "Artist / Album"),
                                     Pair("Artist/Album/text.mp3", "Artist / Album"),
                                     Pair("Artist/Album/Bonus/deep.mp3", "Unknown artist / Unknown album"),
                                     Pair("loose.mp3", "Unknown artist / Unknown album")));
    EXPECT_EQ(counts, (ScanCounts{5, 0}));
}

TEST(MusicScan, StopsWhenAsked) {
    const test::TempFolder music;
    for (int i = 0; i < 5; ++i)
        music.write("A/B/" + std::to_string(i) + ".mp3", "x");
    NoTags reader;
    std::stop_source stop;
    int found = 0;
    scanMusicFolder(
        music.str(), reader, [&](LibraryTrack, const ScanCounts&) { ++found, stop.request_stop(); }, stop.get_token());
    EXPECT_EQ(found, 1);
}

TEST(MusicScan, NamesWhyTheMusicFolderCannotBeListed) {
    const test::TempFolder music;
    const std::string file = music.write("file.mp3", "x");
    EXPECT_EQ(musicFolderProblem(music.str()), std::nullopt);
    EXPECT_EQ(musicFolderProblem(""), "This system names no music folder.");
    EXPECT_EQ(musicFolderProblem(music.str() + "/gone"), "The music folder " + music.str() + "/gone does not exist.");
    EXPECT_EQ(musicFolderProblem(file), "The music folder " + file + " is not a folder.");
}

TEST(MusicFolder, ReadsTheMusicFolderFromTheUserDirs) {
    const std::string dirs = "# written by xdg-user-dirs-update\n"
                             "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\r\n"
                             "XDG_MUSIC_DIRX=\"$HOME/Wrong\"\n"
                             "  XDG_MUSIC_DIR=\"$HOME/My \\\"Music\\\"\"  \n";
    EXPECT_EQ(userDirsFolder(dirs, "XDG_MUSIC_DIR", "/home/p"), "/home/p/My \"Music\"");
    EXPECT_EQ(userDirsFolder(dirs, "XDG_DESKTOP_DIR", "/home/p"), "/home/p/Desktop");
    EXPECT_EQ(userDirsFolder("XDG_MUSIC_DIR=\"/srv/music\"", "XDG_MUSIC_DIR", "/home/p"), "/srv/music");
    EXPECT_EQ(userDirsFolder("XDG_MUSIC_DIR=\"$HOMEWORK/x\"", "XDG_MUSIC_DIR", "/home/p"), "");
    EXPECT_EQ(userDirsFolder("XDG_MUSIC_DIR=\"music\"", "XDG_MUSIC_DIR", "/home/p"), "");
    EXPECT_EQ(userDirsFolder("XDG_MUSIC_DIR=\"$HOME/Music\"", "XDG_MUSIC_DIR", ""), "");
    EXPECT_EQ(userDirsFolder("", "XDG_MUSIC_DIR", "/home/p"), "");
}

#ifndef _WIN32

TEST(TagReader, ReadsTheArtistAlbumDiscAndTrackOfAnyFileAndNothingOfADamagedOne) {
    const test::TempFolder folder;
    const std::unique_ptr<TagReader> reader = makeTagReader();
    const struct {
        std::string bytes;
        TrackTags tags;
    } rows[] = {
        {test::taggedMp3({"Track Artist", "Album Artist", "Album", "3/12", "2/2", "Title"}),
         {"Album Artist", "Album", 2, 3}},
        {test::taggedMp3({"Track Artist", "", "Album", " 07", "", ""}), {"Track Artist", "Album", 0, 7}},
        {test::taggedMp3({"Motörhead", "", "Ace of Spades", "", "", ""}), {"Motörhead", "Ace of Spades", 0, 0}},
        {test::taggedMp3({}), {}},
        {"plain text under an MP3 name", {}},
        {test::taggedMp3({"A", "", "B", "1", "", ""}).substr(0, 20), {}},
        {"", {}},
    };
    int index = 0;
    for (const auto& row : rows) {
        const std::string path = folder.write(std::to_string(index++) + ".mp3", row.bytes);
        EXPECT_EQ(reader->read(path), row.tags) << path;
    }
    EXPECT_EQ(reader->read(folder.str() + "/gone.mp3"), TrackTags{});
    EXPECT_TRUE(reader->works());
}

TEST(MusicScan, TagsWinOverFoldersFieldByField) {
    const test::TempFolder music;
    music.write("Folder Artist/Folder Album/a.mp3", test::taggedMp3({"Tagged", "", "", "", "", ""}));
    music.write("Folder Artist/Folder Album/b.mp3", test::taggedMp3({"", "", "Tagged Album", "", "", ""}));
    music.write("Mix/c.mp3", test::taggedMp3({"Tagged", "", "", "", "", ""}));
    const std::unique_ptr<TagReader> reader = makeTagReader();
    EXPECT_THAT(scanned(music, *reader),
                UnorderedElementsAre(Pair("Folder Artist/Folder Album/a.mp3", "Tagged / Folder Album"),
                                     Pair("Folder Artist/Folder Album/b.mp3", "Folder Artist / Tagged Album"),
                                     Pair("Mix/c.mp3", "Tagged / Unknown album")));
}

// A link back up the tree is walked once; a link to a folder elsewhere is followed.
TEST(MusicScan, FollowsLinksToFoldersOnce) {
    const test::TempFolder music;
    const test::TempFolder elsewhere;
    music.write("A/B/1.mp3", "x");
    elsewhere.write("C/2.mp3", "x");
    fs::create_directory_symlink("../..", music.path() / "A" / "B" / "up");
    fs::create_directory_symlink(music.path() / "A", music.path() / "again");
    fs::create_directory_symlink(elsewhere.path() / "C", music.path() / "A" / "linked");
    NoTags reader;
    const auto listed = scanned(music, reader);
    EXPECT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed.count("A/linked/2.mp3") + listed.count("again/linked/2.mp3"), 1u);
}

TEST(MusicScan, SkipsAndCountsFoldersItCannotRead) {
    const test::TempFolder music;
    music.write("A/B/1.mp3", "x");
    music.write("Locked/C/2.mp3", "x");
    music.write("Shut/3.mp3", "x");
    for (const char* folder : {"", "/A", "/A/B", "/Locked/C"})
        ::chmod((music.str() + folder).c_str(), 0755);
    ::chmod(music.file("A/B/1.mp3").c_str(), 0644);
    ::chmod(music.file("Locked").c_str(), 0);
    ::chmod(music.file("Shut").c_str(), 0);
    // Root reads every folder: the scan runs with a player's rights.
    const test::ChildResult child = test::runInChild(
        [&](std::string& text) {
            NoTags reader;
            const ScanCounts counts = scanMusicFolder(
                music.str(), reader, [&](LibraryTrack track, const ScanCounts&) { text += track.path + "\n"; });
            text += std::to_string(counts.filesRead) + " read, " + std::to_string(counts.foldersSkipped) + " skipped";
            return 0;
        },
        test::runningAsRoot());
    ::chmod(music.file("Locked").c_str(), 0700);
    ::chmod(music.file("Shut").c_str(), 0700);
    EXPECT_EQ(child.status, 0) << child.text;
    EXPECT_EQ(child.text, music.file("A/B/1.mp3") + "\n1 read, 2 skipped");
}

#endif
