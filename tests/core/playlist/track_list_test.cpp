#include "core/playlist/track_list.h"
#include "support/recording_views.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class TrackList : public ::testing::Test {
protected:
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    test::RecordingPlaylistView view;

    // Tracks T0 .. T<count-1>, shown in the list as the window shows them.
    void fill(int count) {
        for (int i = 0; i < count; ++i)
            appendTrack(*state, view, "C:\\Music\\T" + std::to_string(i));
    }

    std::vector<std::string> paths() const {
        return {state->TrackPaths.begin(), state->TrackPaths.begin() + state->TrackCount};
    }

    std::vector<std::string> names() const {
        return {state->TrackNames.begin(), state->TrackNames.begin() + state->TrackCount};
    }

    // The tables above the count must be empty again after any change.
    void expectEmptyFrom(int first) const {
        for (int i = first; i < AppState::MaxTracks; ++i) {
            ASSERT_EQ(state->TrackPaths[static_cast<std::size_t>(i)], "") << "slot " << i;
            ASSERT_EQ(state->TrackNames[static_cast<std::size_t>(i)], "") << "slot " << i;
        }
    }

    void removeRows(std::set<int> rows) {
        view.selected = std::move(rows);
        removeTrackCommand(*state, view);
    }
};

} // namespace

TEST_F(TrackList, AddStoresThePathItsNameAndARow) {
    addTrackCommand(*state, view, "C:\\Music\\song.mp3");
    EXPECT_EQ(state->TrackCount, 1);
    EXPECT_EQ(state->TrackPaths[0], "C:\\Music\\song.mp3");
    EXPECT_EQ(state->TrackNames[0], "song.mp3");
    EXPECT_THAT(view.rows, ElementsAre("song.mp3"));
    EXPECT_THAT(view.messages, IsEmpty());
    EXPECT_EQ(view.hoverHides, 1);
}

TEST_F(TrackList, AddKeepsSurroundingSpacesAndDuplicates) {
    addTrackCommand(*state, view, "  /home/player/a.mp3 ");
    addTrackCommand(*state, view, "  /home/player/a.mp3 ");
    EXPECT_THAT(paths(), ElementsAre("  /home/player/a.mp3 ", "  /home/player/a.mp3 "));
    EXPECT_THAT(view.rows, ElementsAre("a.mp3 ", "a.mp3 "));
}

TEST_F(TrackList, AddTreatsAnEmptyOrAllSpaceNameAsCancelled) {
    addTrackCommand(*state, view, "");
    addTrackCommand(*state, view, "    ");
    EXPECT_EQ(state->TrackCount, 0);
    EXPECT_THAT(view.rows, IsEmpty());
    EXPECT_THAT(view.messages, IsEmpty());
}

TEST_F(TrackList, NameThatIsNotUtf8IsShownAsWindows1252) {
    addTrackCommand(*state, view, "/music/Caf\xE9.mp3");
    EXPECT_EQ(state->TrackPaths[0], "/music/Caf\xE9.mp3") << "the path keeps its bytes";
    EXPECT_EQ(state->TrackNames[0], "Caf\xC3\xA9.mp3");
}

TEST_F(TrackList, FullListRefusesTheAddOnceWithAMessage) {
    fill(AppState::MaxTracks);
    view.messages.clear();
    addTrackCommand(*state, view, "C:\\Music\\one more.mp3");
    EXPECT_EQ(state->TrackCount, AppState::MaxTracks);
    EXPECT_EQ(state->TrackPaths.size(), static_cast<std::size_t>(AppState::MaxTracks));
    EXPECT_EQ(view.rowCount(), AppState::MaxTracks);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], (Message{PlaylistFullText, "Jukewright", MessageIcon::None}));
}

TEST_F(TrackList, RemovingTheMiddleRowSelectsTheRowAbove) {
    fill(3);
    removeRows({1});
    EXPECT_THAT(paths(), ElementsAre("C:\\Music\\T0", "C:\\Music\\T2"));
    EXPECT_THAT(view.rows, ElementsAre("T0", "T2"));
    EXPECT_EQ(view.current, 0);
    EXPECT_EQ(state->TrackCount, 2);
    expectEmptyFrom(2);
    EXPECT_EQ(view.hoverHides, 1);
}

TEST_F(TrackList, RemovingTheFirstRowSelectsTheNewFirstRow) {
    fill(2);
    removeRows({0});
    EXPECT_THAT(view.rows, ElementsAre("T1"));
    EXPECT_EQ(view.current, 0);
}

TEST_F(TrackList, RemovingSeveralRowsSelectsAboveThePlaceOfTheLastRemoved) {
    fill(5);
    removeRows({1, 3});
    EXPECT_THAT(names(), ElementsAre("T0", "T2", "T4"));
    EXPECT_THAT(view.rows, ElementsAre("T0", "T2", "T4"));
    EXPECT_EQ(view.current, 1);
    expectEmptyFrom(3);

    state = std::make_unique<AppState>();
    view = {};
    fill(5);
    removeRows({3, 4});
    EXPECT_THAT(names(), ElementsAre("T0", "T1", "T2"));
    EXPECT_EQ(view.current, 2);
    expectEmptyFrom(3);
}

TEST_F(TrackList, RemovingTheFirstRowsSelectsTheFirstRow) {
    fill(4);
    removeRows({0, 1, 2});
    EXPECT_THAT(names(), ElementsAre("T3"));
    EXPECT_EQ(view.current, 0) << "the place above would be negative";
}

TEST_F(TrackList, RemovingWithNothingSelectedRemovesNothingAndSelectsTheFirstRow) {
    fill(3);
    removeRows({});
    EXPECT_THAT(names(), ElementsAre("T0", "T1", "T2"));
    EXPECT_THAT(view.rows, ElementsAre("T0", "T1", "T2"));
    EXPECT_EQ(view.current, 0);
}

TEST_F(TrackList, RemovingTheOnlyTrackLeavesNothingSelected) {
    fill(1);
    removeRows({0});
    EXPECT_EQ(state->TrackCount, 0);
    EXPECT_THAT(view.rows, IsEmpty());
    EXPECT_EQ(view.current, -1);
    expectEmptyFrom(0);
}

TEST_F(TrackList, RemovingFromAnEmptyListDoesNothing) {
    removeRows({0});
    EXPECT_EQ(state->TrackCount, 0);
    EXPECT_EQ(view.current, -1);
    EXPECT_EQ(view.hoverHides, 1);
}

TEST_F(TrackList, RemovingTheLastTrackOfAFullListEmptiesTheLastSlot) {
    fill(AppState::MaxTracks);
    removeRows({AppState::MaxTracks - 1});
    EXPECT_EQ(state->TrackCount, AppState::MaxTracks - 1);
    EXPECT_EQ(state->TrackPaths[9998], "C:\\Music\\T9998");
    EXPECT_EQ(state->TrackPaths[9999], "");
    EXPECT_EQ(state->TrackNames[9999], "");
    EXPECT_EQ(view.rowCount(), AppState::MaxTracks - 1);
    EXPECT_EQ(view.current, 9998);
}

TEST_F(TrackList, RemovingEverySecondTrackKeepsTheOthersInOrder) {
    fill(10);
    removeRows({0, 2, 4, 6, 8});
    EXPECT_THAT(names(), ElementsAre("T1", "T3", "T5", "T7", "T9"));
    EXPECT_EQ(view.current, 3) << "row 8 less five removed";
    expectEmptyFrom(5);
}
