#include "core/playlist/track_list.h"
#include "core/script/console_safe_name.h"
#include "core/script/copy_names.h"
#include "support/recording_views.h"

#include <gtest/gtest.h>
#include <memory>

using namespace jukewright;

TEST(ConsoleSafeName, DropsEachOfTheRefusedCharacters) {
    EXPECT_EQ(ConvertSpaces("Blue Sky.mp3"), "BlueSky.mp3");
    EXPECT_EQ(ConvertSpaces("Rain-Dance (Live).mp3"), "RainDanceLive.mp3");
    EXPECT_EQ(ConvertSpaces("a b'c`d=e-f+g_h!i\"j\u00A3k$l%m^n&o*p(q)r.mp3"), "abcdefghijklmnopqr.mp3");
    EXPECT_EQ(ConvertSpaces("x;y,z{w}v:u.mp3"), "xyzwvu.mp3");
    EXPECT_EQ(ConvertSpaces("tab\there\r\nbell\x07\x7F\u0085.mp3"), "tabherebell.mp3");
    EXPECT_EQ(ConvertSpaces("  --__((  ))"), "");
    EXPECT_EQ(ConvertSpaces(""), "");
}

TEST(ConsoleSafeName, KeepsEverythingElseUnchanged) {
    for (const char* name : {"track.01.mp3", "[Live] #2 @home ~mix.mp3", "Ünïcödé.mp3", "日本語.mp3", "Ω.mp3"}) {
        const std::string expected = name;
        std::string withoutSpaces;
        for (char c : expected)
            if (c != ' ')
                withoutSpaces += c;
        EXPECT_EQ(ConvertSpaces(name), withoutSpaces);
    }
}

TEST(ConsoleSafeName, PoundSignGoesAsOneCharacter) {
    EXPECT_EQ(ConvertSpaces("\u00A3\u00A35.mp3"), "5.mp3");
    // A neighbour sharing one of its bytes is not touched.
    EXPECT_EQ(ConvertSpaces("\u00E3.mp3"), "\u00E3.mp3");
    // A Windows-1252 name (0xA3 is the pound sign there) is read as such.
    EXPECT_EQ(ConvertSpaces("\xA3x.mp3"), "x.mp3");
}

TEST(ConsoleSafeName, ChatNameOnlyLosesWhatEndsACommand) {
    EXPECT_EQ(chatSafeName("Rain-Dance (Live), \"Encore\"; part\t2.mp3"), "Rain-Dance (Live), Encore part2.mp3");
}

namespace {

std::vector<std::string> copyNamesOf(const std::vector<std::string>& paths) {
    auto state = std::make_unique<AppState>();
    test::RecordingPlaylistView view;
    for (const auto& path : paths)
        appendTrack(*state, view, path);
    return assignCopyNames(*state);
}

} // namespace

TEST(CopyNames, DifferentSourcesNeverShareAName) {
    EXPECT_EQ(copyNamesOf({"C:\\A\\Blue Sky.mp3", "C:\\B\\blue-sky.mp3", "C:\\C\\BLUESKY.mp3", "C:\\D\\Blue_Sky.mp3"}),
              (std::vector<std::string>{"BlueSky.mp3", "bluesky2.mp3", "BLUESKY3.mp3", "BlueSky4.mp3"}));
}

TEST(CopyNames, TheSameSourceKeepsOneName) {
    EXPECT_EQ(copyNamesOf({"C:\\A\\x.mp3", "C:\\B\\x.mp3", "C:\\A\\x.mp3", "C:\\B\\x.mp3"}),
              (std::vector<std::string>{"x.mp3", "x2.mp3", "x.mp3", "x2.mp3"}));
}

TEST(CopyNames, NumbersSkipNamesAlreadyTaken) {
    EXPECT_EQ(copyNamesOf({"C:\\A\\x2.mp3", "C:\\A\\x.mp3", "C:\\B\\x.mp3", "C:\\C\\x.mp3"}),
              (std::vector<std::string>{"x2.mp3", "x.mp3", "x3.mp3", "x4.mp3"}));
    EXPECT_EQ(copyNamesOf({"C:\\A\\noext", "C:\\B\\noext", "C:\\A\\a.b.mp3", "C:\\B\\a.b.mp3"}),
              (std::vector<std::string>{"noext", "noext2", "a.b.mp3", "a.b2.mp3"}));
}

TEST(CopyNames, NameOfDroppedCharactersOnlyBecomesTrackNumber) {
    EXPECT_EQ(copyNamesOf({"C:\\a.mp3", "C:\\Music\\", "C:\\Music\\ -()", "C:\\Other\\ -()"}),
              (std::vector<std::string>{"a.mp3", "track2.mp3", "track3.mp3", "track4.mp3"}));
}
