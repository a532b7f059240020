#include "core/startup/startup.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <memory>

using namespace jukewright;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr const char* MusicFolderName = "windows music folder"; // only Windows has one
#else
constexpr const char* MusicFolderName = "music folder";
#endif

// The main window at start-up: every call in order as a line of text.
class RecordingStartUpView : public StartUpView {
public:
    void showMessage(const Message& message) override { events.push_back(message.title + ": " + message.text); }
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
};

class StartUp : public ::testing::Test {
protected:
    test::TempFolder home;
    std::string data = home.file("program");
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    RecordingStartUpView view;

    void SetUp() override {
        home.write("program/morvane_lanternsburn.mp3", "ID3 free track");
        home.write("program/HLFLIFE2.TTF", "font bytes");
        fs::create_directories(home.path() / "Music");
        fs::create_directories(home.path() / "fonts");
        fresh(home.file("Music"));
    }

    void fresh(const std::string& music) {
        state = std::make_unique<AppState>();
        state->MusicFolder = music;
        state->FontsFolder = home.file("fonts");
        view = {};
    }
};

} // namespace

TEST_F(StartUp, StoredLanguageChoosesTheSwitchAndAnythingElseIsEnglish) {
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

TEST_F(StartUp, FreeTrackIsOfferedOnceAsTheOnlyRowAndCopiedOnYes) {
    struct Case {
        const char* name;
        int flag;
        bool besideProgram, writable, yes;
        const char* music; // "": none could be had
        bool asked, copied;
        const char* message = nullptr;
    };
    const Case cases[] = {
        {"yes", 0, true, true, true, "Music", true, true},
        {"no", 0, true, true, false, "Music", true, false},
        {"offered before", 1, true, true, true, "Music", false, false},
        {"flag cannot be kept", 0, true, false, true, "Music", false, false},
        {"no music folder", 0, true, true, true, "", true, false, "music folder is not available"},
        {"music folder gone", 0, true, true, true, "no such folder", true, false, "no such folder"},
        {"track missing", 0, false, true, true, "Music", false, false},
    };
    const std::string ask = std::string("ask Copy Track: Do you want to copy the free track, 'Morvane - Lanterns "
                                        "Burn' to your ") +
                            MusicFolderName + "? with rows { \"morvane_lanternsburn.mp3\" }";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(home.path() / "Music" / "morvane_lanternsburn.mp3");
        if (!c.besideProgram)
            fs::remove(home.path() / "program" / "morvane_lanternsburn.mp3");
        fresh(*c.music ? home.file(c.music) : "");
        state->FreeTrackOffered = static_cast<std::int16_t>(c.flag);
        view.answer = c.yes;
        offerFreeTrack(*state, view, data, c.writable);
        std::vector<::testing::Matcher<std::string>> events;
        if (c.asked)
            events.push_back(ask);
        if (c.message)
            events.push_back(AllOf(StartsWith("Jukewright: "), HasSubstr(c.message)));
        EXPECT_THAT(view.events, ElementsAreArray(events));
        ASSERT_EQ(state->TrackCount, c.asked ? 1 : 0) << "the track stays in the list";
        EXPECT_EQ(state->TrackPaths[0], c.asked ? data + "\\morvane_lanternsburn.mp3" : "");
        EXPECT_EQ(state->FreeTrackOffered, c.asked ? 1 : c.flag);
        const fs::path copy = home.path() / "Music" / "morvane_lanternsburn.mp3";
        EXPECT_EQ(fs::exists(copy) ? test::readBytes(copy) : "none", c.copied ? "ID3 free track" : "none");
    }
}

// The third run finds a link to the player's notes at the settings path: the store leaves it alone,
// and start-up offers nothing either.
TEST_F(StartUp, FirstStartRunsItsStepsInOrderAndTheNextOneOffersNothing) {
    test::RecordingMessages messages;
    const std::string settings = home.file("settings.jst");
    const std::string notes = home.write("Documents/notes.txt", "rcon_password hunter2\n");
    const ::testing::Matcher<std::vector<std::string>> expected[] = {
        ElementsAre("English", HasSubstr("ask Copy Track")), ElementsAre("folder /games/cstrike", "English"),
        ElementsAre("English")};
    for (int run = 1; run <= 3; ++run) {
        SCOPED_TRACE(run);
        if (run == 3) {
            fs::remove(settings);
            test::placePlayersFile(notes, settings);
        }
        SettingsStore store(settings, messages);
        fresh(home.file("Music"));
        startFromSettings(*state, store, view, data);
        EXPECT_THAT(view.events, expected[run - 1]);
        EXPECT_EQ(home.read("fonts/HLFLIFE2.TTF"), run == 1 ? "font bytes" : "the player's own");
        EXPECT_EQ(messages.messages.size(), run == 3 ? 1u : 0u);
        state->ModFolders[0] = "/games/cstrike";
        state->ModFolderCount = 1;
        store.SaveExitSettings(*state);
        home.write("fonts/HLFLIFE2.TTF", "the player's own"); // copied only when missing
    }
    EXPECT_EQ(home.read("Documents/notes.txt"), "rcon_password hunter2\n");
}
