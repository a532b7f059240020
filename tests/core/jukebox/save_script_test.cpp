#include "core/jukebox/jukebox_removal.h"
#include "core/script/copy_names.h"
#include "core/script/script_parts.h"
#include "core/script/script_text.h"
#include "core/system/native_path.h"
#include "support/mod_folder_save.h"

#include <gmock/gmock.h>

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

using SaveScript = test::ModFolderSave;

TEST_F(SaveScript, WritesTheJukeboxIntoTheModFolder) {
    track("Blue Sky.mp3", "first");
    track("Rain-Dance (Live).mp3", "second");
    state->Mp3Volume = 50;
    ASSERT_EQ(save(), SaveOutcome::Complete);

    EXPECT_EQ(modFile("mp3.cfg"), test::twoTrackScript());
    EXPECT_EQ(modFile("mp3s/BlueSky.mp3"), "first");
    EXPECT_EQ(modFile("mp3s/RainDanceLive.mp3"), "second");
    EXPECT_EQ(modFile("userconfig.cfg"), "exec mp3.cfg\r\n");
    EXPECT_THAT(modFile("gfx/shell/kb_act.lst"), HasSubstr("MP3 Player Controls"));
    EXPECT_TRUE(view.messages.empty());
    EXPECT_THAT(view.events, ElementsAre("hide hover images", "disable box", "stage generating", "show progress",
                                         "stage copying", "stage complete", "enable box"));
    EXPECT_EQ(view.caption, "Done");
    EXPECT_EQ(view.maximum, 2);
    EXPECT_EQ(view.progress, 2);
    EXPECT_EQ(state->TrackCount, 2) << "saving leaves the playlist as it was";
}

TEST_F(SaveScript, ChecksRunInOrderBeforeAnythingIsWritten) {
    test::RecordingSaveView emptyBox("");
    EXPECT_EQ(save(emptyBox), SaveOutcome::Stopped);
    EXPECT_THAT(emptyBox.messages,
                ElementsAre(Message{"No items in playlist", "Jukewright - Error", MessageIcon::Stop}));

    track("a.mp3", "a");
    EXPECT_EQ(save(emptyBox), SaveOutcome::Stopped);
    EXPECT_EQ(emptyBox.messages.back(), (Message{"Please Enter a Mod Folder", "Jukewright", MessageIcon::None}));

    for (const std::string& box : {modText() + "-missing\\", std::string("/")}) {
        test::RecordingSaveView missing(box);
        EXPECT_EQ(save(missing), SaveOutcome::Stopped);
        EXPECT_THAT(missing.messages, ElementsAre(Message{"Mod Folder can not be found, check you have typed the "
                                                          "right path",
                                                          "Jukewright", MessageIcon::None}));
        EXPECT_EQ(missing.modFolder, box.substr(0, box.size() - 1)) << "the trimmed text stays in the box";
    }

    test::RecordingPlaylistView rows;
    while (appendTrack(*state, rows, state->TrackPaths[0])) {
    }
    EXPECT_EQ(save(), SaveOutcome::Stopped);
    EXPECT_THAT(view.messages, ElementsAre(Message{"Sorry playlists greater than 10000 items are not supported",
                                                   "Jukewright", MessageIcon::None}));
    EXPECT_TRUE(view.modFolderEnabled);
    EXPECT_TRUE(fs::is_empty(mod())) << "no check writes anything";
}

TEST_F(SaveScript, RemovesOneTrailingSeparatorAndRemembersEachFolderOnce) {
    track("a.mp3", "a");
    for (const std::string suffix : {"", "\\", "/"}) {
        test::RecordingSaveView trailing(modText() + suffix);
        ASSERT_EQ(save(trailing), SaveOutcome::Complete);
        EXPECT_EQ(trailing.modFolder, modText());
    }
    test::RecordingSaveView twice(modText() + "//");
    ASSERT_EQ(save(twice), SaveOutcome::Complete);
    EXPECT_EQ(twice.modFolder, modText() + "/") << "only the last of two separators goes";
    const fs::path otherCase = root.path() / "CStrike";
    fs::create_directories(otherCase);
    test::RecordingSaveView other(otherCase.string());
    ASSERT_EQ(save(other), SaveOutcome::Complete);
    EXPECT_THAT(other.folderList, ElementsAre(otherCase.string()));
#ifndef _WIN32 // there "CStrike" is the folder above, with its list
    // A mod with no key-binding list gets a notice, and the save is still complete.
    EXPECT_THAT(other.messages, ElementsAre(Message{"kb_act.lst could not be found, please check you have entered "
                                                    "the correct path",
                                                    "Jukewright", MessageIcon::None}));
#endif
    EXPECT_EQ(other.caption, "Done");
    ASSERT_EQ(state->ModFolderCount, 3);
    EXPECT_THAT(std::vector(state->ModFolders.begin(), state->ModFolders.begin() + 3),
                ElementsAre(modText(), modText() + "/", otherCase.string()));
}

TEST_F(SaveScript, ReplacesOldFilesAndKeepsCopiesOfCollidingNamesApart) {
    test::writeBytes(mod() / "mp3.cfg", std::string(9000, 'x'));
    track("A/Blue Sky.mp3", "one");
    track("B/Blue-Sky.mp3", "two");
    track("A/Blue Sky.mp3", "one");
    ASSERT_EQ(save(), SaveOutcome::Complete);
    EXPECT_EQ(modFile("mp3s/BlueSky.mp3"), "one");
    EXPECT_EQ(modFile("mp3s/BlueSky2.mp3"), "two");
    EXPECT_THAT(view.copied, ElementsAre("BlueSky.mp3", "BlueSky2.mp3", "BlueSky.mp3"));
    EXPECT_TRUE(modFile("mp3.cfg").starts_with("\r\nalias track1 \"mp3 play " + std::string(ScriptTrackFolder) +
                                               "BlueSky.mp3;"));
    EXPECT_THAT(modFile("mp3.cfg"), ::testing::Not(HasSubstr("xxx")));
}

TEST_F(SaveScript, NamesEachFileItCouldNotWriteAndDoesTheRest) {
    fs::create_directories(mod() / "mp3.cfg"); // as root nothing is read-only: a folder blocks the file
    track("a.mp3", "a");
    add(root.file("music/gone.mp3"));
    track("c.mp3", "c");
    saveFails({"mp3.cfg (", "gone.mp3"});
    EXPECT_EQ(modFile("userconfig.cfg"), "exec mp3.cfg\r\n");
    EXPECT_TRUE(fs::exists(mod() / "gfx" / "shell" / "kb_act.lst"));
    EXPECT_EQ(modFile("mp3s/a.mp3"), "a");
    EXPECT_EQ(modFile("mp3s/c.mp3"), "c");
    // A track folder that cannot be made.
    fs::remove_all(mod() / "mp3s");
    test::writeBytes(mod() / "mp3s", "a file where the folder should be");
    fs::remove(mod() / "mp3.cfg");
    saveFails({"a.mp3", "gone.mp3", "c.mp3"});
}

TEST_F(SaveScript, PartsLayoutWritesPartsAndNoPartOfAnEarlierSaveStays) {
    for (int k = 1; k <= 200; ++k)
        track("Song number " + std::to_string(k) + ".mp3", "x");
    // What an earlier, larger save left, and files that merely look like parts.
    for (const char* name :
         {"mp3_part40.cfg", "mp3_part7.cfg", "mp3_part01.cfg", "MP3_PART90.cfg", "mp3_part2.cfg.bak"})
        test::writeBytes(mod() / name, "alias stale \"echo stale\"\r\n");
    fs::create_directories(mod() / "mp3_part80.cfg");

    state->Layout = ScriptLayout::Parts;
    ASSERT_EQ(save(), SaveOutcome::Complete);
    EXPECT_TRUE(view.messages.empty());
    // The parts name the copies with "/" on every system.
    const ScriptNames names = assignScriptNames(*state);
    const std::string single = scriptFileBytes(*state, names);
    const auto files = splitScript(scriptFileBytes(*state, names, PortableScriptTrackFolder));
    ASSERT_GT(files.size(), 3u);
    for (const ScriptFile& file : files)
        EXPECT_EQ(modFile(file.name), file.bytes) << file.name;
    const int parts = static_cast<int>(files.size()) - 1;
    ASSERT_LT(parts, 40);
    for (int n = parts + 1; n < 80; ++n)
        EXPECT_FALSE(fs::exists(mod() / scriptPartName(n))) << n;
    for (const char* kept : {"mp3_part01.cfg", "MP3_PART90.cfg", "mp3_part2.cfg.bak", "mp3_part80.cfg"})
        EXPECT_TRUE(fs::exists(mod() / kept)) << kept;

    // Back to one file, too large for Xash3D-based engines, which the save says once it is done.
    state->Layout = ScriptLayout::SingleFile;
    ASSERT_EQ(save(), SaveOutcome::Complete);
    EXPECT_EQ(modFile("mp3.cfg"), single);
    for (int n = 1; n <= parts; ++n)
        EXPECT_FALSE(fs::exists(mod() / scriptPartName(n))) << n;
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, "Jukewright");
    for (const char* text :
         {"Xash3D-based engines", "\"Xash3D-compatible script\" in the Tools menu", "--engine xash3d"})
        EXPECT_THAT(view.messages[0].text, HasSubstr(text));
    ASSERT_GE(view.events.size(), 3u);
    EXPECT_THAT(std::vector<std::string>(view.events.end() - 3, view.events.end()),
                ElementsAre("stage complete", "message: " + view.messages[0].text, "enable box"));

    // A removal deletes every part and leaves what merely looks like one.
    state->Layout = ScriptLayout::Parts;
    ASSERT_EQ(save(), SaveOutcome::Complete);
    const RemovalReport report = removeJukebox(modText(), false);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_THAT(report.done, ::testing::Contains(::testing::StartsWith("deleted mp3_part1.cfg, mp3_part2.cfg")));
    for (int n = 0; n <= parts; ++n)
        EXPECT_FALSE(fs::exists(mod() / (n ? scriptPartName(n) : "mp3.cfg"))) << n;
    EXPECT_TRUE(fs::exists(mod() / "mp3_part2.cfg.bak"));
}

#ifdef _WIN32
// settings.jst stores folders in the ANSI code page, which has no sign for U+2318.
TEST_F(SaveScript, DoesNotRememberAFolderTheCodePageCannotHold) {
    track("a.mp3", "a");
    const fs::path place = root.path() / L"Mod \u2318";
    fs::create_directories(place);
    test::RecordingSaveView unstorable(pathUtf8(place));
    ASSERT_EQ(save(unstorable), SaveOutcome::Complete);
    EXPECT_TRUE(unstorable.folderList.empty());
    EXPECT_EQ(state->ModFolderCount, 0);
    EXPECT_THAT(unstorable.messages.back().text, HasSubstr("cannot be remembered for the next start"));
}
#endif
