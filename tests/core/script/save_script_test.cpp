#include "core/playlist/track_list.h"
#include "core/script/copy_names.h"
#include "core/script/save_script.h"
#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

class SaveScript : public ::testing::Test {
protected:
    SaveScript() { fs::create_directories(mod()); }

    fs::path mod() const { return music.path() / "cstrike"; }
    std::string modText() const { return mod().string(); }

    // A track file with the given name and content in the music folder.
    std::string track(const std::string& name, const std::string& content) {
        const std::string path = music.write("Music/" + name, content);
        test::RecordingPlaylistView rows;
        appendTrack(*state, rows, path);
        return path;
    }

    SaveOutcome save(test::RecordingSaveView& view) { return saveScriptCommand(*state, view, JUKEWRIGHT_DATA_DIR); }
    SaveOutcome save() { return save(view); }

    test::TempFolder music;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    test::RecordingSaveView view{modText()};
};

std::vector<std::string> messageTexts(const test::RecordingSaveView& view) {
    std::vector<std::string> texts;
    for (const auto& message : view.messages)
        texts.push_back(message.text);
    return texts;
}

} // namespace

TEST_F(SaveScript, WritesTheJukeboxIntoTheModFolder) {
    track("Blue Sky.mp3", "first");
    track("Rain-Dance (Live).mp3", "second");
    state->Mp3Volume = 50;
    ASSERT_EQ(save(), SaveOutcome::Complete);

    EXPECT_EQ(test::readBytes(mod() / "mp3.cfg"), test::fixtureBytes("two_tracks_mp3.cfg"));
    EXPECT_EQ(test::readBytes(mod() / "mp3s" / "BlueSky.mp3"), "first");
    EXPECT_EQ(test::readBytes(mod() / "mp3s" / "RainDanceLive.mp3"), "second");
    EXPECT_EQ(test::readBytes(mod() / "userconfig.cfg"), "exec mp3.cfg\r\n");
    EXPECT_THAT(test::readBytes(mod() / "gfx" / "shell" / "kb_act.lst"), HasSubstr("MP3 Player Controls"));
    EXPECT_TRUE(view.messages.empty());
    EXPECT_THAT(view.events, ElementsAre("hide hover images", "disable box", "stage generating", "show progress",
                                         "stage copying", "stage complete", "enable box"));
    EXPECT_EQ(view.caption, "Done");
    EXPECT_EQ(view.maximum, 2);
    EXPECT_EQ(view.progress, 2);
    EXPECT_THAT(view.folderList, ElementsAre(modText()));
    EXPECT_EQ(state->TrackCount, 2) << "saving leaves the playlist as it was";
}

TEST_F(SaveScript, ChecksRunInOrderBeforeAnythingIsWritten) {
    test::RecordingSaveView emptyBox("");
    EXPECT_EQ(save(emptyBox), SaveOutcome::Stopped);
    ASSERT_EQ(emptyBox.messages.size(), 1u) << "an empty playlist is reported even when the box is empty too";
    EXPECT_EQ(emptyBox.messages[0], (Message{"No items in playlist", "Jukewright - Error", MessageIcon::Stop}));

    track("a.mp3", "a");
    EXPECT_EQ(save(emptyBox), SaveOutcome::Stopped);
    EXPECT_EQ(emptyBox.messages.back(), (Message{"Please Enter a Mod Folder", "Jukewright", MessageIcon::None}));

    test::RecordingSaveView missing(modText() + "-missing\\");
    EXPECT_EQ(save(missing), SaveOutcome::Stopped);
    EXPECT_EQ(missing.messages.back().text, "Mod Folder can not be found, check you have typed the right path");
    EXPECT_EQ(missing.modFolder, modText() + "-missing") << "the trimmed text stays in the box";

    test::RecordingSaveView separatorOnly("/");
    EXPECT_EQ(save(separatorOnly), SaveOutcome::Stopped);
    EXPECT_EQ(separatorOnly.messages.back().text, ModFolderNotFoundText);

    EXPECT_TRUE(fs::is_empty(mod())) << "no check writes anything";
    EXPECT_TRUE(emptyBox.events.size() == 2 && missing.events.size() == 1);
}

TEST_F(SaveScript, OneTrailingSeparatorIsRemoved) {
    track("a.mp3", "a");
    for (const std::string suffix : {"\\", "/"}) {
        test::RecordingSaveView trailing(modText() + suffix);
        ASSERT_EQ(save(trailing), SaveOutcome::Complete);
        EXPECT_EQ(trailing.modFolder, modText());
    }
    EXPECT_EQ(state->ModFolderCount, 1);
    EXPECT_EQ(state->ModFolders[0], modText());
    test::RecordingSaveView twice(modText() + "//");
    ASSERT_EQ(save(twice), SaveOutcome::Complete);
    EXPECT_EQ(twice.modFolder, modText() + "/") << "only the last of two separators goes";
    EXPECT_TRUE(fs::exists(mod() / "mp3s" / "a.mp3"));
}

TEST_F(SaveScript, RemembersEachFolderOnceComparingCase) {
    track("a.mp3", "a");
    const fs::path other = music.path() / "CStrike";
    fs::create_directories(other);
    ASSERT_EQ(save(), SaveOutcome::Complete);
    ASSERT_EQ(save(), SaveOutcome::Complete);
    test::RecordingSaveView otherCase(other.string());
    save(otherCase);
    ASSERT_EQ(state->ModFolderCount, 2);
    EXPECT_EQ(state->ModFolders[0], modText());
    EXPECT_EQ(state->ModFolders[1], other.string());
    EXPECT_THAT(view.folderList, ElementsAre(modText()));
}

TEST_F(SaveScript, ReplacesOldFilesAndLeavesOthersAlone) {
    test::writeBytes(mod() / "mp3.cfg", "old script that is longer than nothing");
    test::writeBytes(mod() / "mp3s" / "BlueSky.mp3", "old copy");
    test::writeBytes(mod() / "mp3s" / "keep.mp3", "someone else's");
    track("Blue Sky.mp3", "new copy");
    ASSERT_EQ(save(), SaveOutcome::Complete);
    EXPECT_EQ(test::readBytes(mod() / "mp3s" / "BlueSky.mp3"), "new copy");
    EXPECT_EQ(test::readBytes(mod() / "mp3s" / "keep.mp3"), "someone else's");
    const AppState& s = *state;
    EXPECT_EQ(test::readBytes(mod() / "mp3.cfg"), scriptFileBytes(s, assignCopyNames(s)));
}

TEST_F(SaveScript, EachSaveWritesAFreshScript) {
    track("a.mp3", "a");
    ASSERT_EQ(save(), SaveOutcome::Complete);
    const std::string first = test::readBytes(mod() / "mp3.cfg");
    ASSERT_EQ(save(), SaveOutcome::Complete);
    EXPECT_EQ(test::readBytes(mod() / "mp3.cfg"), first);
}

TEST_F(SaveScript, CollidingNamesAreCopiedApart) {
    const std::string one = music.write("A/Blue Sky.mp3", "one");
    const std::string two = music.write("B/Blue-Sky.mp3", "two");
    test::RecordingPlaylistView rows;
    for (const auto& path : {one, two, one})
        appendTrack(*state, rows, path);
    ASSERT_EQ(save(), SaveOutcome::Complete);
    EXPECT_EQ(test::readBytes(mod() / "mp3s" / "BlueSky.mp3"), "one");
    EXPECT_EQ(test::readBytes(mod() / "mp3s" / "BlueSky2.mp3"), "two");
    EXPECT_THAT(view.copied, ElementsAre("BlueSky.mp3", "BlueSky2.mp3", "BlueSky.mp3"));
}

TEST_F(SaveScript, AnUnwritableScriptIsNamedAndEverythingElseIsDone) {
    fs::create_directories(mod() / "mp3.cfg"); // a folder where the script should go
    track("a.mp3", "a");
    EXPECT_EQ(save(), SaveOutcome::Failed);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, "Jukewright - Error");
    EXPECT_EQ(view.messages[0].icon, MessageIcon::Stop);
    EXPECT_THAT(view.messages[0].text, HasSubstr("These files could not be written:\n"));
    EXPECT_THAT(view.messages[0].text, HasSubstr("mp3.cfg ("));
    EXPECT_TRUE(view.modFolderEnabled);
    EXPECT_NE(view.caption, "Done");
    EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "stage complete"), 0);
    EXPECT_EQ(test::readBytes(mod() / "userconfig.cfg"), "exec mp3.cfg\r\n");
    EXPECT_TRUE(fs::exists(mod() / "gfx" / "shell" / "kb_act.lst"));
    EXPECT_TRUE(fs::exists(mod() / "mp3s" / "a.mp3"));
}

TEST_F(SaveScript, AMissingTrackIsNamedAndTheOthersAreCopied) {
    track("a.mp3", "a");
    test::RecordingPlaylistView rows;
    appendTrack(*state, rows, (music.path() / "Music" / "gone.mp3").string());
    track("c.mp3", "c");
    EXPECT_EQ(save(), SaveOutcome::Failed);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_THAT(view.messages[0].text, HasSubstr("gone.mp3"));
    EXPECT_TRUE(fs::exists(mod() / "mp3s" / "a.mp3"));
    EXPECT_TRUE(fs::exists(mod() / "mp3s" / "c.mp3"));
    EXPECT_TRUE(fs::exists(mod() / "mp3.cfg"));
    EXPECT_TRUE(view.modFolderEnabled);
}

TEST_F(SaveScript, ATrackFolderThatCannotBeMadeIsNamed) {
    test::writeBytes(mod() / "mp3s", "a file where the folder should be");
    track("a.mp3", "a");
    EXPECT_EQ(save(), SaveOutcome::Failed);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_THAT(view.messages[0].text, HasSubstr("a.mp3"));
}

TEST_F(SaveScript, AModWithoutKeyBindingListIsANoticeNotAFailure) {
    const fs::path ns = music.path() / "ns";
    fs::create_directories(ns);
    track("a.mp3", "a");
    test::RecordingSaveView nsView(ns.string());
    EXPECT_EQ(save(nsView), SaveOutcome::Complete);
    EXPECT_THAT(messageTexts(nsView),
                ElementsAre("kb_act.lst could not be found, please check you have entered the correct path"));
    EXPECT_EQ(nsView.caption, "Done");
    EXPECT_TRUE(fs::exists(ns / "mp3.cfg"));
}

TEST_F(SaveScript, AFullListStopsAfterItsMessageWithTheHooksInPlace) {
    test::RecordingPlaylistView rows;
    const std::string path = music.write("Music/a.mp3", "a");
    while (appendTrack(*state, rows, path)) {
    }
    ASSERT_EQ(state->TrackCount, AppState::MaxTracks);
    EXPECT_EQ(save(), SaveOutcome::Stopped);
    EXPECT_THAT(messageTexts(view), ElementsAre("Sorry playlists greater than 10000 items are not supported"));
    EXPECT_EQ(test::readBytes(mod() / "userconfig.cfg"), "exec mp3.cfg\r\n");
    EXPECT_TRUE(fs::exists(mod() / "gfx" / "shell" / "kb_act.lst"));
    EXPECT_FALSE(fs::exists(mod() / "mp3.cfg"));
    EXPECT_FALSE(fs::exists(mod() / "mp3s"));
    EXPECT_TRUE(view.modFolderEnabled);
}
