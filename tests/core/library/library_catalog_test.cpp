#include "core/library/library_catalog.h"
#include "core/playlist/track_list.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <condition_variable>
#include <gmock/gmock.h>
#include <mutex>
#include <sstream>

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Tags written plainly in the file, "Artist|Album|disc|track", so that the catalog's tests run on
// any system; `works` says whether the system can read tags at all.
class PlainTags : public TagReader {
public:
    explicit PlainTags(bool works) : m_works(works) {}
    TrackTags read(const std::string& path) override {
        if (!m_works)
            return {};
        std::istringstream text(test::readBytes(test::utf8Path(path)));
        TrackTags tags;
        std::string disc, track;
        std::getline(text, tags.artist, '|');
        std::getline(text, tags.album, '|');
        std::getline(text, disc, '|');
        std::getline(text, track, '|');
        tags.disc = leadingNumber(disc);
        tags.track = leadingNumber(track);
        return tags;
    }
    bool works() const override { return m_works; }

private:
    bool m_works;
};

// A window's part: it is told news waits, then takes it on its own thread.
class CatalogWindow {
public:
    explicit CatalogWindow(bool tagsWork = true)
        : catalog([tagsWork] { return std::make_unique<PlainTags>(tagsWork); }, [this] { told(); }) {}

    // Takes news until the scan ends; answers how many takes changed the lists.
    int waitForScan() {
        int changes = 0;
        while (catalog.scanning()) {
            std::unique_lock lock(m_mutex);
            m_arrived.wait_for(lock, std::chrono::milliseconds(50), [this] { return m_told; });
            m_told = false;
            lock.unlock();
            changes += catalog.takeNews() ? 1 : 0;
        }
        return changes;
    }

    LibraryCatalog catalog;

private:
    void told() {
        const std::lock_guard lock(m_mutex);
        m_told = true;
        m_arrived.notify_one();
    }

    std::mutex m_mutex;
    std::condition_variable m_arrived;
    bool m_told = false;
};

void writeLibrary(const test::TempFolder& music) {
    music.write("x/2.mp3", "beta|live|1|2");
    music.write("x/1.mp3", "Beta|Live|1|1");
    music.write("y/a.mp3", "Alpha|Greatest|0|0");
    music.write("y/b.mp3", "Alpha|Greatest|0|3");
    music.write("z/c.mp3", "Gamma|Live|0|0");
}

} // namespace

TEST(LibraryCatalog, ListsArtistsAndTheSelectedArtistsAlbumsAndAddsThemInOrder) {
    const test::TempFolder music;
    writeLibrary(music);
    CatalogWindow window;
    // The scan names files with the system's own separators.
    window.catalog.open(test::nativeText(music.str()));
    const auto file = [&](const char* name) { return test::nativeText(music.file(name)); };
    EXPECT_GT(window.waitForScan(), 0);

    EXPECT_THAT(window.catalog.artistRows(), ElementsAre("(All artists)", "Alpha", "Beta", "Gamma"));
    EXPECT_EQ(window.catalog.selectedArtistRow(), 0);
    EXPECT_THAT(window.catalog.albumRows(), ElementsAre("Greatest (Alpha)", "Live (Beta)", "Live (Gamma)"));
    EXPECT_THAT(window.catalog.albumTracks(1), ElementsAre(file("x/1.mp3"), file("x/2.mp3")));
    EXPECT_EQ(window.catalog.statusLine(), "5 files read.");

    window.catalog.selectArtist(1);
    EXPECT_THAT(window.catalog.albumRows(), ElementsAre("Greatest"));
    EXPECT_THAT(window.catalog.albumTracks(0), ElementsAre(file("y/b.mp3"), file("y/a.mp3")));
    EXPECT_THAT(window.catalog.artistTracks(2), ElementsAre(file("x/1.mp3"), file("x/2.mp3")));
    EXPECT_THAT(window.catalog.albumTracks(1), IsEmpty());
    EXPECT_THAT(window.catalog.artistTracks(9), IsEmpty());

    window.catalog.selectArtist(42);
    EXPECT_EQ(window.catalog.selectedArtistRow(), 0);
}

// Opening again shows what was read unless the music folder changed; Refresh reads it anew and keeps
// the artist picked.
TEST(LibraryCatalog, ScansAgainOnlyForAnotherFolderOrRefresh) {
    const test::TempFolder music;
    writeLibrary(music);
    CatalogWindow window;
    window.catalog.open(music.str());
    window.waitForScan();
    window.catalog.selectArtist(3);

    music.write("w/d.mp3", "Delta|New|0|0");
    window.catalog.open(music.str());
    EXPECT_FALSE(window.catalog.scanning());
    EXPECT_EQ(window.catalog.artistRows().size(), 4u);

    window.catalog.refresh(music.str());
    window.waitForScan();
    EXPECT_THAT(window.catalog.artistRows(), ElementsAre("(All artists)", "Alpha", "Beta", "Delta", "Gamma"));
    EXPECT_EQ(window.catalog.selectedArtistRow(), 4) << "still Gamma";

    const test::TempFolder other;
    other.write("o.mp3", "Omega|One|0|0");
    window.catalog.open(other.str());
    window.waitForScan();
    EXPECT_THAT(window.catalog.artistRows(), ElementsAre("(All artists)", "Omega"));
    EXPECT_EQ(window.catalog.selectedArtistRow(), 0);
}

TEST(LibraryCatalog, SaysWhyItListsNothingOrWhyItNamesByFolders) {
    const test::TempFolder music;
    CatalogWindow window;
    window.catalog.open(music.str() + "/gone");
    window.waitForScan();
    EXPECT_THAT(window.catalog.artistRows(), IsEmpty());
    EXPECT_THAT(window.catalog.albumRows(), IsEmpty());
    EXPECT_EQ(window.catalog.statusLine(), "The music folder " + music.str() + "/gone does not exist.");

    CatalogWindow untagged(false);
    music.write("Artist/Album/1.mp3", "Tagged|Other|1|1");
    untagged.catalog.open(music.str());
    untagged.waitForScan();
    EXPECT_THAT(untagged.catalog.artistRows(), ElementsAre("(All artists)", "Artist"));
    EXPECT_EQ(untagged.catalog.statusLine(), std::string("1 file read. ") + TagsUnreadableText);
}

TEST(LibraryCatalog, StatusLineCountsFilesAndSkippedFolders) {
    EXPECT_EQ(scanStatusLine({0, 0}, true, false), "Reading the music folder: 0 files read...");
    EXPECT_EQ(scanStatusLine({1, 1}, false, false), "1 file read, 1 folder could not be read and skipped.");
    EXPECT_EQ(scanStatusLine({20000, 3}, true, false),
              "Reading the music folder: 20000 files read, 3 folders could not be read and skipped...");
}

// Tracks from the library go in as added tracks do: a file gone since is left out, a full list is
// named once.
TEST(LibraryCatalog, AddedTracksSkipGoneFilesAndNameAFullListOnce) {
    const test::TempFolder music;
    const std::string one = music.write("1.mp3", "x");
    const std::string two = music.write("2.mp3", "x");
    AppState state;
    test::RecordingPlaylistView view;
    addTrackFilesCommand(state, view, {one, music.file("gone.mp3"), two});
    EXPECT_EQ(state.TrackCount, 2);
    EXPECT_EQ(state.TrackPaths[1], two);
    EXPECT_THAT(view.messages, IsEmpty());

    addTrackFilesCommand(state, view, std::vector<std::string>(AppState::MaxTracks - 3, one));
    EXPECT_THAT(view.messages, IsEmpty());
    addTrackFilesCommand(state, view, {one, two, one});
    EXPECT_EQ(state.TrackCount, AppState::MaxTracks);
    EXPECT_EQ(view.messages.size(), 1u);
}
