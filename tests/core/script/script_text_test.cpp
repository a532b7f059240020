#include "core/playlist/track_list.h"
#include "core/script/copy_names.h"
#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <gmock/gmock.h>
#include <memory>

using namespace jukewright;
using ::testing::Contains;

namespace {

std::string scriptBytes(const std::vector<std::string>& paths, int mp3Volume = 50, int gameVolume = 80) {
    auto state = std::make_unique<AppState>();
    test::RecordingPlaylistView view;
    for (const auto& path : paths)
        appendTrack(*state, view, path);
    state->Mp3Volume = static_cast<std::int16_t>(mp3Volume);
    state->GameVolume = static_cast<std::int16_t>(gameVolume);
    return scriptFileBytes(*state, assignScriptNames(*state));
}

// Volumes off the ladder, which are written as stored.
std::vector<std::string> scriptLines(const std::vector<std::string>& paths) {
    const std::string bytes = scriptBytes(paths, 37, 0);
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

} // namespace

TEST(ScriptText, TwoTrackExampleIsExactToTheByteAndOddTracksAndVolumesGetTheirLines) {
    EXPECT_EQ(scriptBytes({"C:\\Music\\Blue Sky.mp3", "D:\\Tunes\\Rain-Dance (Live).mp3"}), test::twoTrackScript());
    // A single track is its own next and previous, volumes are written as stored, names
    // never end a command list, and chat names are printable ASCII, transliterated and cut.
    const std::string longName(300, 'n');
#ifdef _WIN32
    const std::string cyrillicName = " .mp3"; // Cyrillic has no Latin form on Windows
#else
    const std::string cyrillicName = "Kino .mp3";
#endif
    struct Case {
        std::vector<std::string> paths, lines;
    };
    const Case cases[] = {
        {{"C:\\a.mp3"},
         {"alias nexttrack1 \"alias looptrack lptrack1; alias playtrack track1; alias saytrack saytrack1; alias "
          "tsaytrack tsaytrack1; echo Jukewright: next track; playtrack;\"",
          "alias prevtrack1 \"alias looptrack lptrack1; alias playtrack track1; playtrack; alias saytrack "
          "saytrack1; alias tsaytrack tsaytrack1; echo Jukewright: previous track;\"",
          "vol37", "gvol0", "alias vol100 \"mp3volume 1.00; alias mp3volup vol100; alias mp3voldown vol95;\"",
          "alias gvol9 \"volume 0.09; alias gvolup gvol13; alias gvoldown gvol5;\""}},
        {{"C:\\Music\\Rock; \"Live\", {Side 1}.mp3"},
         {"alias saytrack1 \"say listening to Rock Live, {Side 1}.mp3 with Jukewright;spamwait\"",
          "alias track1 \"mp3 play " + std::string(ScriptTrackFolder) +
              "RockLiveSide1.mp3; alias nexttracks nexttrack1; alias prevtrack prevtrack1\""}},
        {{"/m/Bj\u00F6rk \u2013 J\u00F3ga (Live).mp3", "/m/\u041A\u0438\u043D\u043E \U0001F600.mp3",
          "/m/" + longName + ".mp3"},
         {"alias saytrack1 \"say listening to Bjork - Joga (Live).mp3 with Jukewright;spamwait\"",
          "alias tsaytrack2 \"say_team listening to " + cyrillicName + " with Jukewright;spamwait\"",
          "alias saytrack3 \"say listening to " + longName.substr(0, 200) + " with Jukewright;spamwait\""}},
    };
    for (const Case& c : cases) {
        const auto lines = scriptLines(c.paths);
        for (const std::string& line : c.lines)
            EXPECT_THAT(lines, Contains(line));
        for (const auto& line : lines)
            EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return c >= ' ' && c <= '~'; })) << line;
    }
}
