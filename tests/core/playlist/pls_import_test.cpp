#include "core/playlist/playlist_import.h"
#include "support/playlist_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
namespace fs = std::filesystem;

namespace {

class PlsImport : public ::testing::Test, protected test::PlaylistFolder {
protected:
    void import(const std::string& playlistPath) { importPlaylistCommand(*state, view, playlistPath); }
    std::string lists() const { return root() + "/Lists"; }
};

// Runs a test body with the working folder moved, so that a drive-letter path such as "C:\Music"
// can name a real file on a system without drive letters.
class WorkingFolder {
public:
    explicit WorkingFolder(const fs::path& folder) : m_previous(fs::current_path()) { fs::current_path(folder); }
    ~WorkingFolder() { fs::current_path(m_previous); }

private:
    fs::path m_previous;
};

} // namespace

TEST_F(PlsImport, AppendsAbsoluteAndRelativeEntriesInLineOrder) {
    const std::string one = track("Music/one.mp3");
    track("Lists/two.mp3");
    import(
        playlist("Lists/list.pls", {"[playlist]", "File2=" + one, "Title1=One", "File1=two.mp3", "NumberOfEntries=2"}));
    EXPECT_THAT(paths(), ElementsAre(one, lists() + "\\two.mp3"));
    EXPECT_THAT(view.rows, ElementsAre("one.mp3", "two.mp3"));
    EXPECT_THAT(view.messages, IsEmpty());
}

#ifndef _WIN32
TEST_F(PlsImport, KeepsADriveLetterEntryAsItStands) {
    track("C:/Music/one.mp3");
    track("Lists/C:/Music/one.mp3");
    const std::string list = playlist("Lists/list.pls", {"[playlist]", "File1=C:\\Music\\one.mp3"});
    const WorkingFolder here(folder.path());
    import(list);
    EXPECT_THAT(paths(), ElementsAre("C:\\Music\\one.mp3")) << "not joined to the playlist's folder";
}
#endif

TEST_F(PlsImport, LeavesStepsUpInTheJoinedPath) {
    track("two.mp3");
    track("Lists/sub/three.mp3");
    import(playlist("Lists/list.pls", {"File1=..\\two.mp3", "File2=sub\\..\\sub\\three.mp3"}));
    EXPECT_THAT(paths(), ElementsAre(lists() + "\\..\\two.mp3", lists() + "\\sub\\..\\sub\\three.mp3"));
    EXPECT_THAT(view.rows, ElementsAre("two.mp3", "three.mp3"));
}

TEST_F(PlsImport, TakesOnlyExistingFilesEndingExactlyInMp3) {
    track("Lists/three.wav");
    track("Lists/song.MP3");
    track("Lists/song.mp3 ");
    fs::create_directories(folder.path() / "Lists" / "folder.mp3");
    track("Lists/kept.mp3");
    import(playlist("Lists/list.pls", {"File3=three.wav", "File4=song.MP3", "File5=song.mp3 ", "File6=missing.mp3",
                                       "File7=folder.mp3", "File8=kept.mp3"}));
    EXPECT_THAT(view.rows, ElementsAre("kept.mp3"));
}

TEST_F(PlsImport, EveryEqualsSignGivesACandidate) {
    track("Lists/sub/a=b.mp3");
    track("Lists/b.mp3");
    import(playlist("Lists/list.pls", {"File5=sub\\a=b.mp3"}));
    EXPECT_THAT(paths(), ElementsAre(lists() + "\\sub\\a=b.mp3", lists() + "\\b.mp3"));
}

TEST_F(PlsImport, ReadsOnlyLinesStartingWithCapitalFile) {
    track("Lists/x.mp3");
    import(playlist("Lists/list.pls",
                    {"File", "File=", "file1=x.mp3", "FILE1=x.mp3", " File1=x.mp3", "Title1=x.mp3", "Files=x.mp3"}));
    EXPECT_THAT(view.rows, ElementsAre("x.mp3")) << "only \"Files=\" starts with \"File\"";
}

TEST_F(PlsImport, CarriageReturnsAloneEndLines) {
    track("Lists/a.mp3");
    track("Lists/b.mp3");
    import(playlist("Lists/list.pls", {"[playlist]", "File1=a.mp3", "File2=b.mp3"}, "\r"));
    EXPECT_THAT(view.rows, ElementsAre("a.mp3", "b.mp3"));
}

TEST_F(PlsImport, LineFeedsAloneEndLinesOnlyWhereTheSystemUsesThem) {
    track("Lists/a.mp3");
    track("Lists/b.mp3");
    import(playlist("Lists/list.pls", {"[playlist]", "File1=a.mp3", "File2=b.mp3"}, "\n"));
#ifdef _WIN32
    EXPECT_THAT(view.rows, IsEmpty()) << "one single line that starts with \"[playlist]\"";
#else
    EXPECT_THAT(view.rows, ElementsAre("a.mp3", "b.mp3"));
#endif
}

TEST_F(PlsImport, ReadsAFileThatIsNotUtf8AsWindows1252) {
    const std::string cafe = track("Lists/Caf\xC3\xA9 \xE2\x82\xAC.mp3");
    import(playlist("Lists/list.pls", {"[playlist]", "File1=Caf\xE9 \x80.mp3"}));
    EXPECT_THAT(paths(), ElementsAre(lists() + "\\Caf\xC3\xA9 \xE2\x82\xAC.mp3"));
    EXPECT_THAT(view.rows, ElementsAre("Caf\xC3\xA9 \xE2\x82\xAC.mp3"));
}

#ifndef _WIN32
TEST_F(PlsImport, TakesPosixAndLocalFileUriEntriesAsAbsolute) {
    const std::string song = track("Music/My Song.mp3");
    import(playlist("Lists/list.pls", {"File1=" + song, "File2=file://" + root() + "/Music/My%20Song.mp3",
                                       "File3=file://localhost" + root() + "/Music/My%20Song.mp3"}));
    EXPECT_THAT(paths(), ElementsAre(song, song, song));
}
#endif
