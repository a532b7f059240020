#include "core/playlist/m3u_import.h"
#include "core/playlist/playlist_file.h"
#include "core/playlist/playlist_import.h"
#include "support/playlist_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class ImportCommand : public ::testing::Test, protected test::PlaylistFolder {
protected:
    void import(const std::string& fileName) { importPlaylistCommand(*state, view, fileName); }

    void fill(int count) {
        for (int i = 0; i < count; ++i)
            appendTrack(*state, view, "C:\\Music\\T" + std::to_string(i) + ".mp3");
    }

    static Message error(const std::string& text) { return {text, "Jukewright - Error", MessageIcon::Stop}; }
};

} // namespace

TEST_F(ImportCommand, ChoosesTheImporterByTheExactEnding) {
    EXPECT_EQ(playlistKindOf("C:\\Lists\\a.pls"), PlaylistKind::Pls);
    EXPECT_EQ(playlistKindOf("C:\\Lists\\a.m3u"), PlaylistKind::ExtendedM3u);
    EXPECT_EQ(playlistKindOf("/home/player/a.m3u8"), PlaylistKind::ExtendedM3u);
    for (const char* other : {"LIST.PLS", "a.M3U", "a.m3u8 ", "a.pls ", "a.mp3", "pls", ".m3", ""})
        EXPECT_EQ(playlistKindOf(other), PlaylistKind::None) << other;
}

TEST_F(ImportCommand, RefusesAnyOtherFileByItsTrimmedName) {
    const std::string upper = playlist("Lists/LIST.PLS", {"File1=x.mp3"});
    track("Lists/x.mp3");
    import(upper);
    import("  " + root() + "/Lists/list.pls  ");
    import(root() + "/Lists/notes.txt");
    EXPECT_THAT(view.messages, ElementsAre(error("Error: a playlist file has not been selected: LIST.PLS"),
                                           error("Error: a playlist file has not been selected: list.pls"),
                                           error("Error: a playlist file has not been selected: notes.txt")));
    EXPECT_EQ(state->TrackCount, 0);
}

TEST_F(ImportCommand, ReadsM3u8ByTheExtendedM3uRules) {
    track("Lists/a.mp3");
    import(playlist("Lists/mix.m3u8", {"#EXTM3U", "#EXTINF:1,a", "a.mp3"}, "\n"));
    import(playlist("Lists/plain.m3u8", {"a.mp3"}, "\n"));
    EXPECT_THAT(view.rows, ElementsAre("a.mp3"));
    EXPECT_THAT(view.messages, ElementsAre(Message{NotExtendedM3uText, "Jukewright", MessageIcon::None}));
}

TEST_F(ImportCommand, CancelledDialogDoesNothing) {
    import("");
    import("     ");
    EXPECT_EQ(state->TrackCount, 0);
    EXPECT_THAT(view.messages, IsEmpty());
    EXPECT_EQ(view.hoverHides, 2);
}

TEST_F(ImportCommand, PlaylistThatCannotBeOpenedIsNamed) {
    std::filesystem::create_directories(folder.path() / "Lists" / "folder.m3u");
    fill(2);
    import(root() + "/Lists/missing.pls");
    import(root() + "/Lists/folder.m3u");
    EXPECT_THAT(view.messages, ElementsAre(error(std::string(PlaylistNotOpenedText) + "missing.pls"),
                                           error(std::string(PlaylistNotOpenedText) + "folder.m3u")));
    EXPECT_EQ(state->TrackCount, 2);
    EXPECT_EQ(view.rowCount(), 2);
}

TEST_F(ImportCommand, AppendsRowsWithoutTouchingTheSelection) {
    fill(3);
    view.selectRow(1);
    track("Lists/a.mp3");
    import(playlist("Lists/list.pls", {"File1=a.mp3"}));
    EXPECT_THAT(view.rows, ElementsAre("T0.mp3", "T1.mp3", "T2.mp3", "a.mp3"));
    EXPECT_EQ(view.current, 1);
}

TEST_F(ImportCommand, StopsAtAFullListAndSaysSoOnce) {
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"})
        track(std::string("Lists/") + name);
    const std::string pls = playlist("Lists/list.pls", {"File1=a.mp3", "File2=b.mp3", "File3=c.mp3", "File4=d.mp3"});
    const std::string m3u =
        playlist("Lists/list.m3u", {"#EXTM3U", "#EXTINF:1,a", "a.mp3", "#EXTINF:1,b", "b.mp3", "#EXTINF:1,c", "c.mp3"});
    fill(AppState::MaxTracks - 2);
    import(pls);
    EXPECT_EQ(state->TrackCount, AppState::MaxTracks);
    EXPECT_EQ(state->TrackPaths[9999], root() + "/Lists\\b.mp3");
    EXPECT_THAT(view.messages, ElementsAre(Message{PlaylistFullText, "Jukewright", MessageIcon::None}));

    view.messages.clear();
    import(m3u);
    EXPECT_EQ(state->TrackCount, AppState::MaxTracks);
    EXPECT_EQ(view.rowCount(), AppState::MaxTracks);
    EXPECT_THAT(view.messages, ElementsAre(Message{PlaylistFullText, "Jukewright", MessageIcon::None}));
}

TEST_F(ImportCommand, FullListStaysQuietWhenThePlaylistOffersNothing) {
    fill(AppState::MaxTracks);
    import(playlist("Lists/list.pls", {"File1=missing.mp3"}));
    EXPECT_THAT(view.messages, IsEmpty());
}
