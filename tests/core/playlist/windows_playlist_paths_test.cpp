// Playlist entries as only Windows writes them: drive letters and UNC paths.
#ifdef _WIN32

#include "core/playlist/playlist_import.h"
#include "support/playlist_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using ::testing::ElementsAre;

class WindowsPlaylistPaths : public ::testing::Test, protected test::PlaylistFolder {};

TEST_F(WindowsPlaylistPaths, DriveLetterEntriesAreAbsoluteAndUncEntriesAreJoinedToThePlaylistsFolder) {
    const std::string absolute = track("Music/one.mp3");
    track("Lists/server/share/two.mp3");
    importPlaylistCommand(
        *state, view,
        playlist("Lists/mix.pls", {"[playlist]", "File1=" + absolute, "File2=\\\\server\\share\\two.mp3",
                                   "File3=Z:\\nothing\\three.mp3", "File4=\\\\no-such-server\\share\\two.mp3"}));
    ASSERT_EQ(absolute.substr(1, 2), ":\\");
    // The system reads the doubled separator of a joined UNC entry as one.
    EXPECT_THAT(paths(), ElementsAre(absolute, root() + "/Lists\\\\\\server\\share\\two.mp3"));
}

#endif
