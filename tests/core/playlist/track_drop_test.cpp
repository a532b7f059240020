#include "core/playlist/track_drop.h"
#include "core/playlist/track_list.h"
#include "support/playlist_folder.h"

#include <gtest/gtest.h>

using namespace jukewright;

namespace {

class Drop : public ::testing::Test, protected test::PlaylistFolder {
protected:
    static Message refused(const std::string& rows) {
        return {RefusedDropText + rows, "Jukewright", MessageIcon::None};
    }
};

} // namespace

TEST(DropSorting, TakesTracksByTheirEndingAndPlaylistsByTheImportRule) {
    const std::vector<std::pair<std::string, DropAction>> cases = {
        {"/m/a.mp3", DropAction::AddTrack},        {"/m/B.MP3", DropAction::AddTrack},
        {"C:\\m\\c.Mp3", DropAction::AddTrack},    {"/m/.mp3", DropAction::AddTrack},
        {"/m/l.pls", DropAction::ImportPlaylist},  {"/m/l.m3u", DropAction::ImportPlaylist},
        {"/m/l.m3u8", DropAction::ImportPlaylist}, {"/m/L.PLS", DropAction::Refuse},
        {"/m/l.M3U", DropAction::Refuse},          {"/m/x.wav", DropAction::Refuse},
        {"/m/x.mp3.txt", DropAction::Refuse},      {"/m/mp3", DropAction::Refuse},
        {"/m/folder/", DropAction::Refuse},        {"", DropAction::Refuse},
    };
    std::vector<std::string> paths;
    std::vector<DroppedFile> expected;
    for (const auto& [path, action] : cases) {
        paths.push_back(path);
        expected.push_back({path, action});
    }
    EXPECT_EQ(sortDroppedFiles(paths), expected);
    EXPECT_FALSE(refusedDropMessage(sortDroppedFiles({"/m/a.mp3", "/m/l.pls"})));
}

TEST_F(Drop, AddsAndImportsInTheOrderDroppedAndNamesTheRefusedOnce) {
    const std::string a = track("Music/a.mp3");
    track("Music/b.mp3");
    const std::string pls = playlist("Music/list.pls", {"File1=b.mp3", "File2=gone.mp3"});
    const std::string m3u = playlist("Music/list.m3u", {"#EXTM3U", "#EXTINF:1,a", "a.mp3"});
    const std::string upper = playlist("Music/LIST.PLS", {"File1=b.mp3"});
    dropFilesCommand(*state, view, {pls, root() + "/Music/cover.jpg", a, "", m3u, upper, root() + "/Music/"});
    EXPECT_EQ(view.rows, (std::vector<std::string>{"b.mp3", "a.mp3", "a.mp3"}));
    EXPECT_EQ(paths()[1], a);
    EXPECT_EQ(view.messages,
              std::vector<Message>{refused("\ncover.jpg\n(not a local file)\nLIST.PLS\n" + root() + "/Music/")});
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
