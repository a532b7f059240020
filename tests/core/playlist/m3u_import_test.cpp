#include "core/playlist/m3u_import.h"
#include "core/playlist/playlist_import.h"
#include "support/playlist_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class M3uImport : public ::testing::Test, protected test::PlaylistFolder {
protected:
    void import(const std::string& playlistPath) { importPlaylistCommand(*state, view, playlistPath); }

    void expectHeaderMessageOnly() {
        EXPECT_EQ(state->TrackCount, 0);
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0], (Message{NotExtendedM3uText, "Jukewright", MessageIcon::None}));
    }
};

} // namespace

TEST_F(M3uImport, AppendsAnnouncedEntriesResolvingStepsUp) {
    const std::string one = track("Music/one.mp3");
    track("Music/two.mp3");
    import(playlist("Lists/mix.m3u", {"#EXTM3U", "#EXTINF:200,One", one, "#EXTINF:180,Two", "..\\Music\\two.mp3"}));
    EXPECT_THAT(paths(), ElementsAre(one, root() + "\\Music\\two.mp3"));
    EXPECT_THAT(view.rows, ElementsAre("one.mp3", "two.mp3"));
    EXPECT_THAT(view.messages, IsEmpty());
}

TEST_F(M3uImport, IgnoresEntriesWithoutAnExtinfLine) {
    const std::string one = track("Music/one.mp3");
    track("Music/two.mp3");
    track("Lists/three.mp3");
    import(playlist("Lists/mix.m3u", {"#EXTM3U", one, "..\\Music\\two.mp3", "#EXTALB:x", "three.mp3", ""}));
    EXPECT_EQ(state->TrackCount, 0);
    EXPECT_THAT(view.messages, IsEmpty());
}

TEST_F(M3uImport, RequiresTheExactHeaderRow) {
    const std::string one = track("Music/one.mp3");
    for (const std::string header : {"#EXTM3U ", "#extm3u", " #EXTM3U", "\xEF\xBB\xBF#EXTM3U", "", "#EXTINF:1,x"}) {
        view.messages.clear();
        import(playlist("Lists/mix.m3u", {header, "#EXTINF:200,One", one}));
        expectHeaderMessageOnly();
    }
    view.messages.clear();
    import(folder.write("Lists/empty.m3u", ""));
    expectHeaderMessageOnly();
}

TEST_F(M3uImport, TakesTheRowAfterExtinfWhateverItHolds) {
    const std::string two = track("Music/two.mp3");
    const std::string three = track("Music/three.mp3");
    import(playlist("Lists/mix.m3u",
                    {"#EXTM3U", "#EXTINF:200,One", "#EXTINF:180,Two", two, "#EXTINF:170,Three", three, "#EXTINF:1,x"}));
    EXPECT_THAT(paths(), ElementsAre(three)) << "the second #EXTINF was the first entry, so " << two << " was not one";
}

TEST_F(M3uImport, TakesOnlyExistingFilesEndingExactlyInMp3) {
    std::filesystem::create_directories(folder.path() / "Lists" / "folder.mp3");
    track("Lists/two.MP3");
    track("Lists/two.mp3 ");
    track("Lists/ok.mp3");
    import(playlist("Lists/mix.m3u", {"#EXTM3U", "#EXTINF:1,a", "two.MP3", "#EXTINF:1,b", "two.mp3 ", "#EXTINF:1,c",
                                      "missing.mp3", "#EXTINF:1,d", "folder.mp3", "#EXTINF:1,e", "ok.mp3"}));
    EXPECT_THAT(view.rows, ElementsAre("ok.mp3"));
}

TEST_F(M3uImport, EachEntryStartsAgainFromThePlaylistsFolder) {
    track("Deep/up.mp3");
    track("Deep/Lists/here.mp3");
    import(playlist("Deep/Lists/mix.m3u", {"#EXTM3U", "#EXTINF:1,a", "..\\up.mp3", "#EXTINF:1,b", "here.mp3"}));
    EXPECT_THAT(paths(), ElementsAre(root() + "/Deep\\up.mp3", root() + "/Deep/Lists\\here.mp3"));
}

TEST_F(M3uImport, AStepUpInsideAnEntryCountsAndCutsTheFront) {
    // "sub\..\x.mp3" holds one step: the folder moves up once and "sub" loses its three characters.
    track("a/x.mp3");
    import(playlist("a/b/Lists/mix.m3u", {"#EXTM3U", "#EXTINF:1,a", "sub\\..\\x.mp3"}));
    EXPECT_THAT(paths(), ElementsAre(root() + "/a/b\\\\..\\x.mp3"));
    EXPECT_THAT(view.rows, ElementsAre("x.mp3"));
}

TEST_F(M3uImport, CarriageReturnsAloneEndRows) {
    track("Lists/a.mp3");
    import(playlist("Lists/mix.m3u", {"#EXTM3U", "#EXTINF:1,a", "a.mp3"}, "\r"));
    EXPECT_THAT(view.rows, ElementsAre("a.mp3"));
}

TEST_F(M3uImport, LineFeedsAloneEndRowsOnlyWhereTheSystemUsesThem) {
    track("Lists/a.mp3");
    import(playlist("Lists/mix.m3u", {"#EXTM3U", "#EXTINF:1,a", "a.mp3"}, "\n"));
#ifdef _WIN32
    expectHeaderMessageOnly();
#else
    EXPECT_THAT(view.rows, ElementsAre("a.mp3"));
    EXPECT_THAT(view.messages, IsEmpty());
#endif
}

TEST_F(M3uImport, ReadsAFileThatIsNotUtf8AsWindows1252) {
    track("Lists/Beyonc\xC3\xA9.mp3");
    import(playlist("Lists/mix.m3u", {"#EXTM3U", "#EXTINF:1,Beyonc\xE9", "Beyonc\xE9.mp3"}));
    EXPECT_THAT(view.rows, ElementsAre("Beyonc\xC3\xA9.mp3"));
}

#ifndef _WIN32
TEST_F(M3uImport, TakesPosixAndLocalFileUriEntriesAsAbsolute) {
    const std::string song = track("Music/Caf\xC3\xA9 50%.mp3");
    const std::string uriPath = root() + "/Music/Caf%C3%A9%2050%25.mp3";
    import(playlist("Lists/mix.m3u", {"#EXTM3U", "#EXTINF:1,a", song, "#EXTINF:1,b", "file://" + uriPath, "#EXTINF:1,c",
                                      "FILE://LOCALHOST" + uriPath}));
    EXPECT_THAT(paths(), ElementsAre(song, song, song));
    EXPECT_THAT(view.rows, ElementsAre("Caf\xC3\xA9 50%.mp3", "Caf\xC3\xA9 50%.mp3", "Caf\xC3\xA9 50%.mp3"));
}

TEST_F(M3uImport, LeavesPercentEscapesOutsideLocalUrisAlone) {
    const std::string literal = track("Lists/My%20Song.mp3");
    track("Lists/My Song.mp3");
    import(playlist("Lists/mix.m3u", {"#EXTM3U", "#EXTINF:1,a", "My%20Song.mp3", "#EXTINF:1,b",
                                      "file://server" + root() + "/Lists/My%20Song.mp3"}));
    EXPECT_THAT(paths(), ElementsAre(root() + "/Lists\\My%20Song.mp3"));
}
#endif
