#include "core/library/media_library.h"

#include <gmock/gmock.h>

using namespace jukewright;
using ::testing::ElementsAre;

namespace {

std::vector<std::string> albumNames(const std::vector<AlbumRow>& rows) {
    std::vector<std::string> names;
    for (const AlbumRow& row : rows)
        names.push_back(row.album + " / " + row.artist);
    return names;
}

} // namespace

// Tags win; a missing one takes its folder only at Music/Artist/Album/, else it is unknown.
TEST(MediaLibrary, MissingTagsTakeTheArtistAndAlbumFoldersOnlyTwoFoldersDown) {
    const struct {
        std::vector<std::string> folders;
        TrackTags tags;
        const char* artist;
        const char* album;
    } rows[] = {
        {{"Folder Artist", "Folder Album"}, {"Tagged", "Tagged Album"}, "Tagged", "Tagged Album"},
        {{"Folder Artist", "Folder Album"}, {"", "Tagged Album"}, "Folder Artist", "Tagged Album"},
        {{"Folder Artist", "Folder Album"}, {"Tagged", ""}, "Tagged", "Folder Album"},
        {{"Folder Album"}, {}, "Unknown artist", "Unknown album"},
        {{"Music", "Folder Artist", "Folder Album"}, {}, "Unknown artist", "Unknown album"},
    };
    for (const auto& row : rows) {
        const LibraryTrack track = libraryTrack("x.mp3", row.folders, row.tags);
        EXPECT_EQ(track.artist, row.artist) << row.folders.size();
        EXPECT_EQ(track.album, row.album) << row.folders.size();
    }
}

TEST(MediaLibrary, GroupsByArtistAndAlbumIgnoringCaseAndPlaysInTrackOrder) {
    MediaLibrary library;
    for (const LibraryTrack& track : std::vector<LibraryTrack>{
             {"/m/b/2.mp3", "beta", "Live", 1, 2},
             {"/m/a/z.mp3", "Alpha", "Greatest", 0, 0},
             {"/m/b/1.mp3", "Beta", "live", 1, 1},
             {"/m/a/d2.mp3", "alpha", "greatest", 2, 1},
             {"/m/a/d1.mp3", "Alpha", "Greatest", 1, 9},
             {"/m/a/b.mp3", "Alpha", "Greatest", 0, 0},
             {"/m/g/x.mp3", "Gamma", "Live", 0, 0},
         })
        library.add(track);

    EXPECT_THAT(library.artists(), ElementsAre("Alpha", "beta", "Gamma")) << "each once, as first met, sorted";
    EXPECT_THAT(albumNames(library.albums("beta")), ElementsAre("Live / beta"));
    EXPECT_THAT(albumNames(library.albums(AllArtists)), ElementsAre("Greatest / Alpha", "Live / beta", "Live / Gamma"));
    EXPECT_THAT(library.tracks("Alpha", "Greatest"),
                ElementsAre("/m/a/d1.mp3", "/m/a/d2.mp3", "/m/a/b.mp3", "/m/a/z.mp3"))
        << "disc and number first, then the unnumbered by file name";
    EXPECT_THAT(library.tracks("beta"), ElementsAre("/m/b/1.mp3", "/m/b/2.mp3"));
    EXPECT_EQ(library.tracks(AllArtists).size(), 7u);
}
