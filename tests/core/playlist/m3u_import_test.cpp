#include "core/playlist/m3u_import.h"
#include "core/playlist/playlist_import.h"
#include "support/playlist_folder.h"

#include <gmock/gmock.h>

using namespace jukewright;
using ::testing::ElementsAre;

namespace {

class M3uImport : public ::testing::Test, protected test::PlaylistFolder {
protected:
    void import(const std::vector<std::string>& rows, const char* end = "\r\n") {
        importPlaylistCommand(*state, view, playlist("Deep/Lists/mix.m3u", rows, end));
    }
};

} // namespace

TEST_F(M3uImport, ResolvesEachEntryAgainFromThePlaylistsFolder) {
    const std::string one = track("Music/one.mp3");
    for (const char* name : {"Music/two.mp3", "Deep/Lists/here.mp3", "x.mp3"})
        track(name);
    // "sub\..\x.mp3" holds one step: the folder moves up once and "sub" loses its three characters.
    import({"#EXTM3U", "#EXTINF:200,One", one, "#EXTINF:180,Two", "..\\..\\Music\\two.mp3", "#EXTINF:1,Here",
            "here.mp3", "#EXTINF:1,x", "sub\\..\\x.mp3"});
    EXPECT_THAT(paths(), ElementsAre(one, root() + "\\Music\\two.mp3", root() + "/Deep/Lists\\here.mp3",
                                     root() + "/Deep\\\\..\\x.mp3"));
    EXPECT_EQ(view.messages.size(), 0u);
}

TEST_F(M3uImport, TakesOnlyTheRowAfterEachExtinfRowThatNamesAnExistingMp3OfAFileThatStartsWithTheHeader) {
    for (const char* name : {"a.mp3", "b.MP3", "b.mp3 ", "Beyonc\xC3\xA9%20.mp3", "folder.mp3/inside.mp3"})
        track(std::string("Deep/Lists/") + name);
    // The second of two #EXTINF rows is the entry, so the "a.mp3" after it is none.
    import({"#EXTM3U", "a.mp3", "#EXTINF:1,1", "#EXTINF:1,2", "a.mp3", "#EXTINF:1,3", "b.MP3", "#EXTINF:1,4", "b.mp3 ",
            "#EXTINF:1,5", "missing.mp3", "#EXTINF:1,6", "folder.mp3", "#EXTINF:1,Beyonc\xE9", "Beyonc\xE9%20.mp3",
            "#EXTINF:1,8"});
    // A file that is not UTF-8 is read as Windows-1252; a relative entry keeps its percent signs.
    EXPECT_THAT(view.rows, ElementsAre("Beyonc\xC3\xA9%20.mp3"));
    for (const std::string header : {"#EXTM3U ", "#extm3u", "\xEF\xBB\xBF#EXTM3U", "#EXTINF:1,x"})
        import({header, "#EXTINF:1,a", "a.mp3"});
    import({});
    EXPECT_EQ(view.messages, std::vector<Message>(5, Message{NotExtendedM3uText, "Jukewright", MessageIcon::None}));
    // A carriage return alone ends a row everywhere, a line feed alone only where the system uses it.
    for (const char* end : {"\r", "\n"})
        import({"#EXTM3U", "#EXTINF:1,a", "a.mp3"}, end);
#ifdef _WIN32
    EXPECT_THAT(view.rows, ElementsAre("Beyonc\xC3\xA9%20.mp3", "a.mp3"));
#else
    EXPECT_THAT(view.rows, ElementsAre("Beyonc\xC3\xA9%20.mp3", "a.mp3", "a.mp3"));
#endif
}
