#include "core/playlist/playlist_import.h"
#include "support/playlist_folder.h"

#include <gtest/gtest.h>

using namespace jukewright;

namespace {

class ImportCommand : public ::testing::Test, protected test::PlaylistFolder {
protected:
    void import(const std::string& fileName) { importPlaylistCommand(*state, view, fileName); }
    void fill(int count) {
        for (int i = 0; i < count; ++i)
            appendTrack(*state, view, "C:\\Music\\T" + std::to_string(i) + ".mp3");
    }
    static Message stop(const std::string& text) { return {text, "Jukewright - Error", MessageIcon::Stop}; }
};

} // namespace

TEST_F(ImportCommand, ImportsByTheExactEndingOfTheChosenNameAndSaysWhyItImportsNothing) {
    fill(3);
    view.selectRow(1);
    track("Lists/x.mp3");
    track("Lists/folder.m3u/x.mp3");
    const std::vector<std::string> m3u = {"#EXTM3U", "#EXTINF:1,x", "x.mp3"};
    for (const std::string& name : std::vector<std::string>{
             "", "     ", "  " + playlist("Lists/list.pls", {"File1=x.mp3"}) + "  ",
             playlist("Lists/LIST.PLS", {"File1=x.mp3"}), playlist("Lists/mix.M3U", m3u), root() + "/Lists/missing.pls",
             root() + "/Lists/folder.m3u", playlist("Lists/mix.m3u8", m3u),
             playlist("Lists/gone.pls", {"[playlist]", "File1=gone.mp3", "File2=lost.mp3"}),
             playlist("Lists/gone.m3u", {"#EXTM3U", "#EXTINF:1,gone", "gone.mp3"}),
             playlist("Lists/empty.pls", {"[playlist]", "NumberOfEntries=0"})})
        import(name);
    const std::string refused = "Error: a playlist file has not been selected: ";
    const std::string unopened = "Error: the playlist could not be opened: ";
    EXPECT_EQ(
        view.messages,
        (std::vector{stop(refused + "list.pls"), stop(refused + "LIST.PLS"), stop(refused + "mix.M3U"),
                     stop(unopened + "missing.pls"), stop(unopened + "folder.m3u"),
                     Message{"None of the 2 tracks of gone.pls could be found.", "Jukewright", MessageIcon::None},
                     Message{"None of the 1 tracks of gone.m3u could be found.", "Jukewright", MessageIcon::None}}));
    EXPECT_EQ(view.rows, (std::vector<std::string>{"T0.mp3", "T1.mp3", "T2.mp3", "x.mp3"})) << "from the .m3u8 file";
    EXPECT_EQ(view.current, 1) << "the selection stays";
    EXPECT_EQ(view.hoverHides, 11);
}

TEST_F(ImportCommand, StopsAtAFullListAndSaysSoOncePerCommand) {
    track("Lists/a.mp3");
    fill(AppState::MaxTracks - 1);
    import(playlist("Lists/list.pls", {"File1=a.mp3", "File2=a.mp3", "File3=a.mp3"}));
    EXPECT_EQ(state->TrackPaths[AppState::MaxTracks - 1], root() + "/Lists\\a.mp3");
    import(playlist("Lists/list.m3u", {"#EXTM3U", "#EXTINF:1,a", "a.mp3"}));
    import(playlist("Lists/none.pls", {"File1=missing.mp3"}));
    EXPECT_EQ(state->TrackCount, AppState::MaxTracks);
    // A playlist of missing tracks refuses nothing: it says that it found none.
    const Message fullMessage{PlaylistFullText, "Jukewright", MessageIcon::None};
    EXPECT_EQ(view.messages, (std::vector<Message>{fullMessage,
                                                   fullMessage,
                                                   {"None of the 1 tracks of none.pls could be found.", "Jukewright",
                                                    MessageIcon::None}}));
}
