#include "core/playlist/track_drop.h"
#include "core/playlist/track_list.h"
#include "support/playlist_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace jukewright;

namespace {

class Drop : public ::testing::Test, protected test::PlaylistFolder {};

Message refused(const std::string& rows) {
    return {RefusedDropText + rows, "Jukewright", MessageIcon::None};
}

} // namespace

TEST(DropSorting, TakesTracksByTheirEndingAndPlaylistsByTheImportRule) {
    const std::vector<DroppedFile> expected = {
        {"/m/a.mp3", DropAction::AddTrack},        {"/m/B.MP3", DropAction::AddTrack},
        {"C:\\m\\c.Mp3", DropAction::AddTrack},    {"/m/.mp3", DropAction::AddTrack},
        {"/m/l.pls", DropAction::ImportPlaylist},  {"/m/l.m3u", DropAction::ImportPlaylist},
        {"/m/l.m3u8", DropAction::ImportPlaylist}, {"/m/L.PLS", DropAction::Refuse},
        {"/m/l.M3U", DropAction::Refuse},          {"/m/x.wav", DropAction::Refuse},
        {"/m/x.mp3.txt", DropAction::Refuse},      {"/m/mp3", DropAction::Refuse},
        {"/m/folder/", DropAction::Refuse},        {"", DropAction::Refuse},
    };
    std::vector<std::string> paths;
    for (const DroppedFile& file : expected)
        paths.push_back(file.path);
    EXPECT_EQ(sortDroppedFiles(paths), expected);
    EXPECT_FALSE(refusedDropMessage(sortDroppedFiles({"/m/a.mp3", "/m/l.pls"})));
}

TEST_F(Drop, AddsAndImportsInTheOrderDroppedAndNamesTheRefusedOnce) {
    const std::string a = track("Music/a.mp3");
    track("Music/b.mp3");
    const std::string pls = playlist("Music/list.pls", {"File1=b.mp3", "File2=gone.mp3"});
    const std::string m3u = playlist("Music/list.m3u", {"#EXTM3U", "#EXTINF:1,a", "a.mp3"});
    const std::string upper = playlist("Music/LIST.PLS", {"File1=b.mp3"});
    std::filesystem::create_directories(folder.path() / "Music" / "Covers");
    dropFilesCommand(*state, view, {pls, root() + "/Music/cover.jpg", a, "", m3u, upper, root() + "/Music/Covers/"});
    EXPECT_EQ(view.rows, (std::vector<std::string>{"b.mp3", "a.mp3", "a.mp3"}));
    EXPECT_EQ(paths()[1], a);
    EXPECT_EQ(view.messages,
              std::vector<Message>{refused("\ncover.jpg\n(not a local file)\nLIST.PLS\n" + root() + "/Music/Covers/")});
}

TEST_F(Drop, AFolderAddsItsMp3FilesDepthFirstEachFoldersFilesFirst) {
    for (const char* name :
         {"b.mp3", "A.MP3", "c.mp3", "Sub/z.mp3", "Sub/Deeper/d.mp3", "sub2/y.mp3", ".hidden/h.mp3", "cover.jpg"})
        track(std::string("Music/") + name);
    playlist("Music/list.pls", {"File1=b.mp3"});
#ifndef _WIN32
    // A link back up the tree: each real folder is walked once.
    std::filesystem::create_directory_symlink(folder.path() / "Music", folder.path() / "Music" / "Sub" / "loop");
#endif
    const std::string a = track("Single/a.mp3");
    dropFilesCommand(*state, view, {root() + "/Music", a});
    EXPECT_EQ(view.rows, (std::vector<std::string>{"A.MP3", "b.mp3", "c.mp3", "z.mp3", "d.mp3", "y.mp3", "a.mp3"}));
    // The dropped folder's text as given, its contents joined with the system's separator.
#ifdef _WIN32
    EXPECT_EQ(paths()[3], root() + "/Music\\Sub\\z.mp3");
#else
    EXPECT_EQ(paths()[3], root() + "/Music/Sub/z.mp3");
#endif
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Drop, AFullListStopsTheDropWithOneMessageAndStillNamesTheRefused) {
    for (int i = 0; i < AppState::MaxTracks - 1; ++i)
        appendTrack(*state, view, "/m/t.mp3");
    track("Music/b.mp3");
    const std::string pls = playlist("Music/list.pls", {"File1=b.mp3", "File2=b.mp3"});
    dropFilesCommand(*state, view, {"/m/a.mp3", pls, "/m/c.mp3", "/m/notes.txt"});
    EXPECT_EQ(state->TrackCount, AppState::MaxTracks);
    EXPECT_EQ(state->TrackPaths[AppState::MaxTracks - 1], "/m/a.mp3");
    EXPECT_EQ(view.messages,
              (std::vector<Message>{{PlaylistFullText, "Jukewright", MessageIcon::None}, refused("\nnotes.txt")}));
}
