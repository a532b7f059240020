#include "core/startup/startup.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace fs = std::filesystem;

namespace {

// Only Windows has a "windows music folder".
#ifdef _WIN32
constexpr const char* OfferedFreeTrack =
    "Do you want to copy the free track, 'Morvane - Lanterns Burn' to your windows music folder?";
#else
constexpr const char* OfferedFreeTrack =
    "Do you want to copy the free track, 'Morvane - Lanterns Burn' to your music folder?";
#endif

// The main window at start-up: every call in order as a line of text.
class RecordingStartUpView : public StartUpView {
public:
    void showMessage(const Message& message) override {
        messages.push_back(message);
        events.push_back("message");
    }
    void appendModFolderRow(const std::string& folder) override { events.push_back("folder " + folder); }
    void switchToEnglish() override { events.push_back("English"); }
    void switchToGerman() override { events.push_back("German"); }
    PlaylistView& trackList() override { return list; }
    bool askYesNo(const std::string& text, const std::string& title) override {
        events.push_back("ask " + title + ": " + text + " with rows " + ::testing::PrintToString(list.rows));
        return answer;
    }

    test::RecordingPlaylistView list;
    bool answer = false;
    std::vector<std::string> events;
    std::vector<Message> messages;
};

const std::string TrackBytes = "ID3 free track";
const std::string FontBytes = "font bytes";

class StartUp : public ::testing::Test {
protected:
    test::TempFolder home;
    std::string data = home.file("program");
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    RecordingStartUpView view;

    void SetUp() override {
        home.write("program/morvane_lanternsburn.mp3", TrackBytes);
        home.write("program/HLFLIFE2.TTF", FontBytes);
        fs::create_directories(home.path() / "Music");
        fs::create_directories(home.path() / "fonts");
        state->MusicFolder = home.file("Music");
        state->FontsFolder = home.file("fonts");
    }

    bool inMusic() const { return fs::exists(home.path() / "Music" / "morvane_lanternsburn.mp3"); }
};

} // namespace

TEST_F(StartUp, StoredLanguageChoosesTheSwitchAndAnythingElseIsEnglish) {
    // stored, switch run, language afterwards
    const std::tuple<int, const char*, int> cases[] = {
        {2, "German", 2}, {1, "English", 1}, {0, "English", 1}, {7, "English", 1}, {-1, "English", 1}};
    for (const auto& [stored, language, after] : cases) {
        SCOPED_TRACE(stored);
        view.events.clear();
        state->Language = static_cast<std::int16_t>(stored);
        applyStartLanguage(*state, view);
        EXPECT_THAT(view.events, ElementsAre(language));
        EXPECT_EQ(state->Language, after);
    }
}

TEST_F(StartUp, FreeTrackIsShownAsTheOnlyRowBeforeTheQuestionAndCopiedOnYes) {
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        fs::remove(home.path() / "Music" / "morvane_lanternsburn.mp3");
        state = std::make_unique<AppState>();
        state->MusicFolder = home.file("Music");
        view = {};
        view.answer = yes;
        offerFreeTrack(*state, view, data, true);
        EXPECT_THAT(view.events, ElementsAre(std::string("ask Copy Track: ") + OfferedFreeTrack +
                                             " with rows { \"morvane_lanternsburn.mp3\" }"));
        EXPECT_EQ(state->TrackCount, 1);
        EXPECT_EQ(state->TrackPaths[0], data + "\\morvane_lanternsburn.mp3");
        EXPECT_EQ(state->FreeTrackOffered, 1);
        EXPECT_EQ(inMusic(), yes);
        if (yes) {
            EXPECT_EQ(home.read("Music/morvane_lanternsburn.mp3"), TrackBytes);
        }
    }
}

TEST_F(StartUp, FreeTrackIsNotOfferedWhenOfferedBeforeMissingOrWhenTheFlagCannotBeKept) {
    // flag stored, track beside the program, settings file writable
    const std::tuple<int, bool, bool> cases[] = {{1, true, true}, {0, false, true}, {0, true, false}};
    for (const auto& [flag, present, writable] : cases) {
        SCOPED_TRACE(::testing::Message() << flag << present << writable);
        view = {};
        state->FreeTrackOffered = static_cast<std::int16_t>(flag);
        if (!present)
            fs::remove(home.path() / "program" / "morvane_lanternsburn.mp3");
        offerFreeTrack(*state, view, data, writable);
        EXPECT_THAT(view.events, IsEmpty());
        EXPECT_EQ(state->TrackCount, 0);
        EXPECT_EQ(state->FreeTrackOffered, flag) << "the flag keeps its value";
    }
}

TEST_F(StartUp, FailedCopyAfterYesIsReported) {
    // music folder, text of the message
    const std::pair<std::string, const char*> cases[] = {
        {"", "music folder is not available"},
        {home.file("no such folder"), "no such folder"},
    };
    for (const auto& [music, text] : cases) {
        SCOPED_TRACE(music);
        state = std::make_unique<AppState>();
        state->MusicFolder = music;
        view = {};
        view.answer = true;
        offerFreeTrack(*state, view, data, true);
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_THAT(view.messages[0].text, HasSubstr(text));
        EXPECT_EQ(view.messages[0].title, "Jukewright");
        EXPECT_EQ(state->TrackCount, 1) << "the track stays in the list";
    }
}

TEST_F(StartUp, FontIsCopiedOnlyWhenMissing) {
    copyFontWhenMissing(*state, data);
    EXPECT_EQ(home.read("fonts/HLFLIFE2.TTF"), FontBytes);
    home.write("fonts/HLFLIFE2.TTF", "the player's own");
    copyFontWhenMissing(*state, data);
    EXPECT_EQ(home.read("fonts/HLFLIFE2.TTF"), "the player's own");

    state->FontsFolder.clear(); // a fonts folder that could not be had: no copy to "/HLFLIFE2.TTF"
    fs::remove(home.path() / "fonts" / "HLFLIFE2.TTF");
    copyFontWhenMissing(*state, data);
    EXPECT_FALSE(fs::exists(home.path() / "fonts" / "HLFLIFE2.TTF"));
}

TEST_F(StartUp, FirstStartRunsItsStepsInOrderAndTheNextOneOffersNothing) {
    test::RecordingMessages messages;
    const std::string settings = home.file("settings.jst");
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        SettingsStore store(settings, messages);
        const std::string music = state->MusicFolder, fonts = state->FontsFolder;
        state = std::make_unique<AppState>();
        state->MusicFolder = music;
        state->FontsFolder = fonts;
        view = {};
        startFromSettings(*state, store, view, data);
        if (run == 1) {
            EXPECT_THAT(view.events, ElementsAre("English", HasSubstr("ask Copy Track")));
        } else {
            EXPECT_THAT(view.events, ElementsAre("folder /games/cstrike", "English"));
        }
        EXPECT_TRUE(fs::exists(home.path() / "fonts" / "HLFLIFE2.TTF"));
        state->ModFolders[0] = "/games/cstrike";
        state->ModFolderCount = 1;
        store.SaveExitSettings(*state);
    }
    EXPECT_THAT(messages.messages, IsEmpty());
}

// The settings store leaves such a file alone; start-up then offers nothing either.
TEST_F(StartUp, ALinkToThePlayersNotesOffersNothing) {
    const std::string notes = home.write("Documents/notes.txt", "rcon_password hunter2\n");
    test::placePlayersFile(notes, home.path() / "settings.jst");
    test::RecordingMessages messages;
    SettingsStore store(home.file("settings.jst"), messages);
    startFromSettings(*state, store, view, data);
    EXPECT_THAT(view.events, ElementsAre("English"));
    EXPECT_EQ(home.read("Documents/notes.txt"), "rcon_password hunter2\n");
    EXPECT_EQ(messages.messages.size(), 1u);
}
