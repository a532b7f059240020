#include "core/playlist/playlist_import.h"
#include "support/playlist_folder.h"

#include <gmock/gmock.h>

using namespace jukewright;
using ::testing::ElementsAre;

namespace {

class PlsImport : public ::testing::Test, protected test::PlaylistFolder {
protected:
    void import(const std::vector<std::string>& rows, const char* end = "\r\n") {
        importPlaylistCommand(*state, view, playlist("Lists/list.pls", rows, end));
    }
    std::string lists() const { return root() + "/Lists"; }
};

} // namespace

TEST_F(PlsImport, EveryEqualsSignOfAFileLineGivesACandidateAndExistingMp3sAreAppendedInLineOrderWithStepsUpKept) {
    const std::string one = track("Music/one.mp3");
    track("Lists/two.mp3");
    track("three.mp3");
    import({"[playlist]", "File2=" + one, "Title1=One", "File1=two.mp3", "File3=..\\three.mp3", "NumberOfEntries=3"});
    EXPECT_EQ(view.messages.size(), 0u);
    for (const char* name :
         {"x.mp3", "b.mp3", "sub/a=b.mp3", "s.MP3", "s.mp3 ", "dir.mp3/in.mp3", "\xE2\x82\xAC\xC3\xA9%20.mp3"})
        track(std::string("Lists/") + name);
    // A pattern that matches files is no track. The file is not UTF-8, so it is read as Windows-1252; a relative entry
    // keeps its percent signs.
    import({"File1=s.MP3", "File2=s.mp3 ", "File3=missing.mp3", "File4=dir.mp3", "File", "File=", "file5=x.mp3",
            " File7=x.mp3", "Title8=x.mp3", "File8=sub\\a=b.mp3", "Files=x.mp3", "File9=\x80\xE9%20.mp3",
            "File10=*.mp3", "File11=?.mp3"});
    EXPECT_THAT(paths(),
                ElementsAre(one, lists() + "\\two.mp3", lists() + "\\..\\three.mp3", lists() + "\\sub\\a=b.mp3",
                            lists() + "\\b.mp3", lists() + "\\x.mp3", lists() + "\\\xE2\x82\xAC\xC3\xA9%20.mp3"));
}

#ifdef _WIN32
TEST_F(PlsImport, DriveLetterEntriesAreAbsoluteAndUncEntriesAreJoinedToThePlaylistsFolder) {
    const std::string absolute = track("Music/one.mp3");
    track("Lists/server/share/two.mp3");
    import({"[playlist]", "File1=" + absolute, "File2=\\\\server\\share\\two.mp3", "File3=Z:\\nothing\\three.mp3",
            "File4=\\\\no-such-server\\share\\two.mp3"});
    ASSERT_EQ(absolute.substr(1, 2), ":\\");
    // The system reads the doubled separator of a joined UNC entry as one.
    EXPECT_THAT(paths(), ElementsAre(absolute, lists() + "\\\\\\server\\share\\two.mp3"));
}
#else
TEST_F(PlsImport, BothFormsTakePosixPathsAndLocalFileUrisAsAbsolute) {
    const std::string song = track("Music/Caf\xC3\xA9 50%.mp3");
    const std::string uri = root() + "/Music/Caf%C3%A9%2050%25.mp3";
    import({"File1=" + song, "File2=file://" + uri, "File3=file://localhost" + uri});
    importPlaylistCommand(*state, view,
                          playlist("Lists/mix.m3u", {"#EXTM3U", "#EXTINF:1,a", song, "#EXTINF:1,b", "file://" + uri,
                                                     "#EXTINF:1,c", "FILE://LOCALHOST" + uri}));
    EXPECT_THAT(paths(), ElementsAre(song, song, song, song, song, song));
}
#endif
