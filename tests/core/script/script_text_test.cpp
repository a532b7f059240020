#include "core/playlist/track_list.h"
#include "core/script/copy_names.h"
#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

using namespace jukewright;
using ::testing::HasSubstr;

namespace {

std::unique_ptr<AppState> stateWith(const std::vector<std::string>& paths, int mp3Volume = 50, int gameVolume = 80) {
    auto state = std::make_unique<AppState>();
    test::RecordingPlaylistView view;
    for (const auto& path : paths)
        appendTrack(*state, view, path);
    state->Mp3Volume = static_cast<std::int16_t>(mp3Volume);
    state->GameVolume = static_cast<std::int16_t>(gameVolume);
    return state;
}

std::string scriptOf(const AppState& state) {
    return scriptFileBytes(state, assignCopyNames(state));
}

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "every line ends with CR LF, the last one included";
    return lines;
}

std::string lineStarting(const std::string& bytes, const std::string& prefix) {
    for (const auto& line : linesOf(bytes))
        if (line.starts_with(prefix))
            return line;
    return {};
}

std::vector<std::string> numberedTracks(int count) {
    std::vector<std::string> paths;
    for (int k = 1; k <= count; ++k)
        paths.push_back("C:\\Music\\Song " + std::to_string(k) + ".mp3");
    return paths;
}

} // namespace

TEST(ScriptText, TwoTrackExampleIsExactToTheByte) {
    const auto state = stateWith({"C:\\Music\\Blue Sky.mp3", "D:\\Tunes\\Rain-Dance (Live).mp3"});
    const std::string bytes = scriptOf(*state);
    EXPECT_EQ(bytes, test::fixtureBytes("two_tracks_mp3.cfg"));
    EXPECT_EQ(bytes.size(), 5214u);
}

TEST(ScriptText, HasSixLinesPerTrackAndSixtySevenMore) {
    for (int count : {1, 2, 7, 12}) {
        const auto state = stateWith(numberedTracks(count));
        EXPECT_EQ(linesOf(scriptOf(*state)).size(), static_cast<std::size_t>(6 * count + 67)) << count << " tracks";
    }
}

TEST(ScriptText, BlocksAreSeparatedByExactlyOneEmptyLine) {
    const auto state = stateWith(numberedTracks(3));
    const auto lines = linesOf(scriptOf(*state));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "") << "the file starts with CR LF";
    EXPECT_EQ(lines.back(), "echo Jukewright Script Loaded");
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_FALSE(lines[i].empty() && lines[i - 1].empty()) << "two empty lines in a row at line " << i + 1;
    EXPECT_EQ(lines[lines.size() - 2], "");
    EXPECT_TRUE(lines[lines.size() - 3].starts_with("alias spamwait \"wait;"));
}

TEST(ScriptText, SingleTrackPointsNextAndPreviousAtItself) {
    const auto bytes = scriptOf(*stateWith({"C:\\a.mp3"}));
    EXPECT_EQ(lineStarting(bytes, "alias nexttrack1 "),
              "alias nexttrack1 \"alias looptrack lptrack1; alias playtrack track1; alias saytrack saytrack1; alias "
              "tsaytrack tsaytrack1; echo Jukewright: next track; playtrack;\"");
    EXPECT_EQ(lineStarting(bytes, "alias prevtrack1 "),
              "alias prevtrack1 \"alias looptrack lptrack1; alias playtrack track1; playtrack; alias saytrack "
              "saytrack1; alias tsaytrack tsaytrack1; echo Jukewright: previous track;\"");
}

TEST(ScriptText, NextAndPreviousWrapAtTheEndsOfTheList) {
    const auto bytes = scriptOf(*stateWith(numberedTracks(12)));
    EXPECT_THAT(lineStarting(bytes, "alias nexttrack12 "), HasSubstr("alias playtrack track1;"));
    EXPECT_THAT(lineStarting(bytes, "alias prevtrack1 "), HasSubstr("alias playtrack track12;"));
    EXPECT_THAT(lineStarting(bytes, "alias nexttrack5 "), HasSubstr("alias saytrack saytrack6;"));
    EXPECT_THAT(lineStarting(bytes, "alias prevtrack5 "), HasSubstr("alias tsaytrack tsaytrack4;"));
    EXPECT_EQ(lineStarting(bytes, "alias track10 "),
              "alias track10 \"mp3 play mp3s\\Song10.mp3; alias nexttracks nexttrack10; alias prevtrack prevtrack10\"");
    EXPECT_EQ(
        lineStarting(bytes, "alias lptrack10 "),
        "alias lptrack10 \"mp3 loop mp3s\\Song10.mp3; alias nexttracks nexttrack10; alias prevtrack prevtrack10\"");
}

TEST(ScriptText, WrapRulesGiveTrackNumbers) {
    EXPECT_EQ(loopVars(0, 4, 2), 2);
    EXPECT_EQ(loopVars(4, 4, 2), 1);
    EXPECT_EQ(loopVarsNeg(0, 4, 1), 5);
    EXPECT_EQ(loopVarsNeg(3, 4, 1), 3);
    EXPECT_EQ(loopVars(9998, 9998, 2), 1);
    EXPECT_EQ(loopVarsNeg(0, 9998, 1), 9999);
}

TEST(ScriptText, VolumesOffTheLadderAreWrittenAsStored) {
    const auto bytes = scriptOf(*stateWith({"C:\\a.mp3"}, 37, 0));
    const auto lines = linesOf(bytes);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "vol37"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "gvol0"), lines.end());
    EXPECT_EQ(lineStarting(bytes, "alias vol100 "),
              "alias vol100 \"mp3volume 1.00; alias mp3volup vol100; alias mp3voldown vol95;\"");
    EXPECT_EQ(lineStarting(bytes, "alias gvol0 "),
              "alias gvol0 \"volume 0.00; alias gvolup gvol2; alias gvoldown gvol0;\"");
    EXPECT_EQ(lineStarting(bytes, "alias gvol9 "),
              "alias gvol9 \"volume 0.09; alias gvolup gvol13; alias gvoldown gvol5;\"");
}

TEST(ScriptText, ChatLinesKeepTheDisplayNameButNothingThatEndsTheCommand) {
    const auto bytes = scriptOf(*stateWith({"C:\\Music\\Rock; \"Live\", {Part 1}.mp3"}));
    EXPECT_EQ(lineStarting(bytes, "alias saytrack1 "),
              "alias saytrack1 \"say listening to Rock Live, {Part 1}.mp3 with Jukewright;spamwait\"");
    EXPECT_EQ(
        lineStarting(bytes, "alias track1 "),
        "alias track1 \"mp3 play mp3s\\RockLivePart1.mp3; alias nexttracks nexttrack1; alias prevtrack prevtrack1\"");
}

TEST(ScriptText, CollidingNamesPlayTheirOwnCopies) {
    const auto bytes = scriptOf(*stateWith({"C:\\A\\Blue Sky.mp3", "C:\\B\\Blue-Sky.mp3", "C:\\A\\Blue Sky.mp3"}));
    EXPECT_THAT(lineStarting(bytes, "alias track1 "), HasSubstr("mp3s\\BlueSky.mp3;"));
    EXPECT_THAT(lineStarting(bytes, "alias track2 "), HasSubstr("mp3s\\BlueSky2.mp3;"));
    EXPECT_THAT(lineStarting(bytes, "alias track3 "), HasSubstr("mp3s\\BlueSky.mp3;"));
}
