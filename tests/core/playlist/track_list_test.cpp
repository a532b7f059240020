#include "core/playlist/track_list.h"
#include "support/recording_views.h"

#include <gmock/gmock.h>
#include <memory>
#include <tuple>

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class TrackList : public ::testing::Test {
protected:
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    test::RecordingPlaylistView view;

    void fill(int count) {
        state = std::make_unique<AppState>();
        view = {};
        for (int i = 0; i < count; ++i)
            appendTrack(*state, view, "C:\\Music\\T" + std::to_string(i));
    }

    // The names of the filled tracks, after checking each path moved with its name and every slot
    // at and above the count is empty again.
    std::vector<std::string> names() const {
        const auto count = static_cast<std::size_t>(state->TrackCount);
        for (std::size_t i = 0; i < AppState::MaxTracks; ++i) {
            const std::string& name = state->TrackNames[i];
            EXPECT_EQ(state->TrackPaths[i], i < count ? "C:\\Music\\" + name : name) << "slot " << i;
            EXPECT_TRUE(i < count || name.empty()) << "slot " << i;
        }
        return {state->TrackNames.begin(), state->TrackNames.begin() + state->TrackCount};
    }
};

} // namespace

TEST_F(TrackList, RemoveDropsEverySelectedRowAndSelectsTheRowAboveTheLastRemoved) {
    // tracks, selected rows, tracks kept, row selected afterwards
    const std::tuple<int, std::set<int>, std::vector<std::string>, int> cases[] = {
        {5, {1, 3}, {"T0", "T2", "T4"}, 1},
        {5, {3, 4}, {"T0", "T1", "T2"}, 2},
        {4, {0, 1, 2}, {"T3"}, 0}, // the place above the first row is the first row
        {3, {}, {"T0", "T1", "T2"}, 0},
        {1, {0}, {}, -1},
        {0, {0}, {}, -1},
    };
    for (const auto& [count, selected, kept, current] : cases) {
        SCOPED_TRACE(std::to_string(count) + " tracks, rows " + ::testing::PrintToString(selected));
        fill(count);
        view.selected = selected;
        removeTrackCommand(*state, view);
        EXPECT_EQ(names(), kept);
        EXPECT_EQ(view.rows, kept);
        EXPECT_EQ(view.current, current);
        EXPECT_EQ(view.hoverHides, 1);
    }
}

TEST_F(TrackList, AddStoresTheNameAsGivenUnlessBlankAndAFullListRefusesEveryAddAndCanLoseItsLastTrack) {
    for (const char* name : {"", "    ", "  /home/player/a.mp3 ", "  /home/player/a.mp3 ", "/music/Caf\xE9.mp3"})
        addTrackCommand(*state, view, name);
    EXPECT_THAT(std::vector(state->TrackPaths.begin(), state->TrackPaths.begin() + state->TrackCount),
                ElementsAre("  /home/player/a.mp3 ", "  /home/player/a.mp3 ", "/music/Caf\xE9.mp3"));
    EXPECT_THAT(view.rows, ElementsAre("a.mp3 ", "a.mp3 ", "Caf\xC3\xA9.mp3")) << "a name not in UTF-8 is Windows-1252";
    EXPECT_THAT(view.messages, IsEmpty());
    EXPECT_EQ(view.hoverHides, 5);
    fill(AppState::MaxTracks);
    addTrackCommand(*state, view, "C:\\Music\\one more.mp3");
    PlaylistFull full(view); // the command line adds all its files in one command
    for (const char* more : {"C:\\Music\\two.mp3", "C:\\Music\\three.mp3"})
        addTrackFile(*state, view, more, full);
    EXPECT_EQ(view.rowCount(), AppState::MaxTracks);
    EXPECT_EQ(view.messages, std::vector<Message>(2, Message{PlaylistFullText, "Jukewright", MessageIcon::None}));

    view.selected = {AppState::MaxTracks - 1};
    removeTrackCommand(*state, view);
    const auto kept = names();
    ASSERT_EQ(kept.size(), AppState::MaxTracks - 1u);
    EXPECT_EQ(kept.back(), "T9998");
    EXPECT_EQ(view.current, 9998);
}
