#include "core/integration/chat_text.h"
#include "core/integration/console_tokens.h"
#include "core/integration/game_console.h"
#include "core/playlist/track_list.h"
#include "core/script/copy_names.h"
#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Lines = std::vector<std::string>;

namespace {

class RecordingConsoleOutput : public ConsoleOutput {
public:
    void effect(const std::string& line) override { effects.push_back(line); }
    void notice(const std::string& line) override { notices.push_back(line); }
    Lines effects;
    Lines notices;
};

// A console on an empty mod folder; `effectsOf` runs one line as typed and returns what it did.
class GameConsoleTest : public ::testing::Test {
protected:
    Lines effectsOf(std::string_view line) {
        output.effects.clear();
        console.run(line);
        return output.effects;
    }

    test::TempFolder mod;
    RecordingConsoleOutput output;
    GameConsole console{mod.str(), output};
};

// A mod folder that holds a saved jukebox of the given tracks (MP3 volume 50, game volume 80), with
// userconfig.cfg running it and every copy in mp3s, started the way the game starts the mod.
class JukeboxInTheGame : public GameConsoleTest {
protected:
    void save(const Lines& paths) {
        auto state = std::make_unique<AppState>();
        test::RecordingPlaylistView view;
        for (const auto& path : paths)
            appendTrack(*state, view, path);
        state->Mp3Volume = 50;
        const Lines copyNames = assignCopyNames(*state);
        mod.write("mp3.cfg", scriptFileBytes(*state, copyNames));
        mod.write("userconfig.cfg", "exec mp3.cfg\r\n");
        for (const auto& name : copyNames)
            mod.write("mp3s/" + name, "mp3");
        startEffects = effectsOf("exec userconfig.cfg");
    }

    // The values that pressing `key` again and again sets.
    Lines stepsOf(const std::string& key, int presses) {
        Lines values;
        for (int i = 0; i < presses; ++i)
            for (const auto& effect : effectsOf(key))
                values.push_back(effect.substr(effect.find(' ') + 1));
        return values;
    }

    Lines startEffects;
};

const Lines ThreeTracks = {"C:\\Music\\Blue Sky.mp3", "D:\\Tunes\\Rain-Dance (Live).mp3", "C:\\Music\\Third.mp3"};

} // namespace

TEST_F(JukeboxInTheGame, LoadsWithoutPlayingAndSetsBothVolumes) {
    save(ThreeTracks);
    EXPECT_THAT(startEffects, ElementsAre("mp3volume 0.50", "volume 0.80", "echo Jukewright Script Loaded"));
    EXPECT_THAT(output.notices, IsEmpty());
}

TEST_F(JukeboxInTheGame, PlaysLoopsAndSkipsAroundTheList) {
    save(ThreeTracks);
    EXPECT_THAT(effectsOf("playtrack"), ElementsAre("mp3 play mp3s\\BlueSky.mp3"));
    EXPECT_THAT(effectsOf("looptrack"), ElementsAre("mp3 loop mp3s\\BlueSky.mp3"));
    EXPECT_THAT(effectsOf("nexttracks"),
                ElementsAre("echo Jukewright: next track", "mp3 play mp3s\\RainDanceLive.mp3"));
    EXPECT_THAT(effectsOf("nexttracks"), ElementsAre("echo Jukewright: next track", "mp3 play mp3s\\Third.mp3"));
    EXPECT_THAT(effectsOf("nexttracks"), ElementsAre("echo Jukewright: next track", "mp3 play mp3s\\BlueSky.mp3"));
    EXPECT_THAT(effectsOf("prevtrack"), ElementsAre("mp3 play mp3s\\Third.mp3", "echo Jukewright: previous track"));
    EXPECT_THAT(effectsOf("looptrack"), ElementsAre("mp3 loop mp3s\\Third.mp3"));
    EXPECT_THAT(output.notices, IsEmpty());
}

TEST_F(JukeboxInTheGame, AnnouncesTheCurrentTrackByItsDisplayName) {
    save(ThreeTracks);
    EXPECT_THAT(effectsOf("saytrack"), ElementsAre("say listening to Blue Sky.mp3 with Jukewright"));
    effectsOf("nexttracks");
    EXPECT_THAT(effectsOf("saytrack"), ElementsAre("say listening to Rain-Dance (Live).mp3 with Jukewright"));
    EXPECT_THAT(effectsOf("tsaytrack"), ElementsAre("say_team listening to Rain-Dance (Live).mp3 with Jukewright"));
    effectsOf("prevtrack");
    effectsOf("prevtrack");
    EXPECT_THAT(effectsOf("tsaytrack"), ElementsAre("say_team listening to Third.mp3 with Jukewright"));
}

TEST_F(JukeboxInTheGame, AnnouncementHoldsBackTheNextCommandsForTwentyFiveFrames) {
    save(ThreeTracks);
    output.effects.clear();
    console.addText("saytrack; playtrack");
    int frames = 0;
    for (; !console.idle() && frames < 100; ++frames)
        console.runFrame();
    EXPECT_EQ(frames, 26);
    EXPECT_THAT(output.effects,
                ElementsAre("say listening to Blue Sky.mp3 with Jukewright", "mp3 play mp3s\\BlueSky.mp3"));
}

TEST_F(JukeboxInTheGame, VolumeKeysStepAlongTheLadderAndStopAtBothEnds) {
    save(ThreeTracks);
    EXPECT_THAT(stepsOf("mp3volup", 3), ElementsAre("0.55", "0.60", "0.65"));
    EXPECT_EQ(stepsOf("mp3volup", 20).back(), "1.00");
    EXPECT_THAT(stepsOf("mp3volup", 2), ElementsAre("1.00", "1.00"));
    const Lines down = stepsOf("mp3voldown", 23);
    EXPECT_THAT(Lines(down.end() - 7, down.end()), ElementsAre("0.15", "0.13", "0.09", "0.05", "0.02", "0.00", "0.00"));
    EXPECT_THAT(stepsOf("gvoldown", 2), ElementsAre("0.75", "0.70"));
    EXPECT_THAT(stepsOf("gvolup", 8), ElementsAre("0.75", "0.80", "0.85", "0.90", "0.95", "1.00", "1.00", "1.00"));
    EXPECT_THAT(effectsOf("gvolup"), ElementsAre("volume 1.00"));
}

TEST_F(JukeboxInTheGame, NamesNeverRunCommandsOfTheirOwn) {
    save({"C:\\x\\Live\"; mp3 stop; say \"hi;quit.mp3", "C:\\x\\Part 1, {Live}.mp3"});
    EXPECT_THAT(effectsOf("playtrack"), ElementsAre("mp3 play mp3s\\Livemp3stopsayhiquit.mp3"));
    EXPECT_THAT(effectsOf("saytrack"), ElementsAre("say listening to Live mp3 stop say hiquit.mp3 with Jukewright"));
    EXPECT_THAT(effectsOf("nexttracks"), ElementsAre("echo Jukewright: next track", "mp3 play mp3s\\Part1Live.mp3"));
    EXPECT_THAT(effectsOf("looptrack"), ElementsAre("mp3 loop mp3s\\Part1Live.mp3"));
    EXPECT_THAT(effectsOf("tsaytrack"), ElementsAre("say_team listening to Part 1, {Live}.mp3 with Jukewright"));
    EXPECT_THAT(output.notices, IsEmpty()) << "every track plays its own copy";
}

TEST(ConsoleTokens, SplitLikeTheEngine) {
    const CommandTokens tokens = tokenizeCommand("  alias x \"a b;c\" d,e{f}(g)'h:i \"\" j//k // rest");
    EXPECT_THAT(tokens.argv, ElementsAre("alias", "x", "a b;c", "d", ",", "e", "{", "f", "}", "(", "g", ")", "'", "h",
                                         ":", "i", "", "j//k"));
    EXPECT_EQ(tokens.args, "x \"a b;c\" d,e{f}(g)'h:i \"\" j//k // rest");
    EXPECT_THAT(tokenizeCommand("echo \"a\\\"b\" \"open").argv, ElementsAre("echo", "a\\", "b\"", "open"));
    EXPECT_THAT(tokenizeCommand("// all comment").argv, IsEmpty());
    std::string many = "w";
    for (int i = 0; i < 100; ++i)
        many += " a";
    EXPECT_EQ(tokenizeCommand(many).argv.size(), MaxCommandTokens);
}

TEST_F(GameConsoleTest, SemicolonSplitsOnlyWhileTheQuotesAreBalanced) {
    EXPECT_THAT(effectsOf("echo a; echo b\recho c\necho d"), ElementsAre("echo a", "echo b", "echo c", "echo d"));
    EXPECT_THAT(effectsOf("echo \"a;b\"; echo c"), ElementsAre("echo \"a;b\"", "echo c"));
    EXPECT_THAT(effectsOf("echo a\"b; echo c"), ElementsAre("echo a\"b; echo c"));
    EXPECT_THAT(effectsOf("echo a // b; echo c"), ElementsAre("echo a // b", "echo c"));
    EXPECT_THAT(effectsOf("alias q \"echo a; echo b\"; q; echo c"), ElementsAre("echo a", "echo b", "echo c"));
}

TEST_F(GameConsoleTest, WordCharactersCutAnUnquotedPath) {
    EXPECT_THAT(effectsOf("mp3 play mp3s\\A,B.mp3"), ElementsAre("mp3 play mp3s\\A"));
    EXPECT_THAT(output.notices, ElementsAre("file not found: mp3s\\A"));
    mod.write("mp3s/A B.mp3", "mp3");
    output.notices.clear();
    EXPECT_THAT(effectsOf("MP3 LOOP \"mp3s\\A B.mp3\" extra; mp3 stop"),
                ElementsAre("mp3 loop mp3s\\A B.mp3", "mp3 stop"));
    EXPECT_THAT(output.notices, IsEmpty());
}

TEST_F(GameConsoleTest, CommandsComeBeforeAliasesAndNamesIgnoreCase) {
    EXPECT_THAT(effectsOf("alias say \"echo hijacked\"; say hi"), ElementsAre("say hi"));
    EXPECT_THAT(effectsOf("alias Foo \"echo 1\"; alias FOO \"echo 2\"; fOo"), ElementsAre("echo 2"));
    EXPECT_THAT(effectsOf("alias a \"echo one\"; alias b a; B"), ElementsAre("echo one"));
    EXPECT_THAT(effectsOf("bind x y; Volume 0.3; mp3volume 2"),
                ElementsAre("unknown command: bind", "volume 0.3", "mp3volume 2"));
}

TEST_F(GameConsoleTest, AliasNamesAndTextsHaveTheEnginesLimits) {
    const std::string longest(MaxAliasNameLength, 'n');
    effectsOf("alias " + longest + " \"echo fits\"; alias " + longest + "x \"echo no\"");
    EXPECT_THAT(output.notices, ElementsAre("alias name too long: " + longest + "x"));
    EXPECT_THAT(effectsOf(longest), ElementsAre("echo fits"));
    EXPECT_EQ(console.aliasText(longest + "x"), std::nullopt);
    effectsOf("alias big \"" + std::string(1100, 'x'));
    EXPECT_EQ(console.aliasText("big"), std::string(MaxCommandLength - 11, 'x')) << "the command stops at 1023 bytes";
    effectsOf("alias words a \"b c\" d");
    EXPECT_EQ(console.aliasText("words"), "a b c d");
    output.notices.clear();
    effectsOf("alias words");
    EXPECT_THAT(output.notices, ElementsAre("words : a b c d"));
}

TEST_F(GameConsoleTest, LongCommandIsCutAndItsRestRunsAsAFurtherCommand) {
    const Lines effects = effectsOf("echo " + std::string(1018, 'x') + "#" + std::string(20, 'y'));
    EXPECT_THAT(effects, ElementsAre("echo " + std::string(1018, 'x'), "unknown command: " + std::string(20, 'y')));
}

TEST_F(GameConsoleTest, BufferOverflowDropsTheText) {
    EXPECT_THAT(effectsOf(std::string(CommandBufferSize, 'x')), IsEmpty());
    EXPECT_THAT(output.notices, ElementsAre("command buffer overflow"));
    // The file just fits in the buffer; the text of the alias that runs first no longer does.
    effectsOf("alias more \"echo more\"");
    mod.write("full.cfg", "more\n" + std::string(CommandBufferSize - 9, ' '));
    output.notices.clear();
    EXPECT_THAT(effectsOf("exec full.cfg"), IsEmpty());
    EXPECT_THAT(output.notices, ElementsAre("command buffer overflow"));
}

TEST_F(GameConsoleTest, ExecRunsFilesFromTheModFolder) {
    mod.write("small.cfg", "echo one\r\necho two");
    EXPECT_THAT(effectsOf("exec small.cfg; echo after"), ElementsAre("echo one", "echo two", "echo after"));
    EXPECT_THAT(effectsOf("exec missing.cfg; echo after"), ElementsAre("echo after"));
    EXPECT_THAT(output.notices, ElementsAre("couldn't exec missing.cfg"));
}

TEST_F(GameConsoleTest, FileTooBigForTheBufferRunsLineByLine) {
    std::string big = "\r\n";
    Lines expected = {"echo after"};
    for (int i = 0; i < 2000; ++i) {
        big += "echo line " + std::to_string(i) + "\r\n\r\n";
        expected.push_back("echo line " + std::to_string(i));
    }
    mod.write("big.cfg", big);
    // As in the engine, what already waits in the buffer runs before the file's first line.
    EXPECT_EQ(effectsOf("exec big.cfg; echo after"), expected);
    EXPECT_THAT(output.notices, IsEmpty());
}

TEST_F(GameConsoleTest, LoopsAreStoppedAndTheConsoleGoesOn) {
    EXPECT_THAT(effectsOf("alias r r; r"), IsEmpty());
    EXPECT_THAT(output.notices, ElementsAre("alias loop stopped: r"));
    effectsOf("alias a b; alias b a; a");
    EXPECT_THAT(output.notices.back(), ::testing::MatchesRegex("alias loop stopped: [ab]"));
    const Lines waited = effectsOf("alias w \"echo tick; wait; w\"; w");
    EXPECT_EQ(waited.size(), static_cast<std::size_t>(MaxFramesPerBurst));
    EXPECT_EQ(output.notices.back(), "alias loop stopped: w");
    mod.write("self.cfg", "exec self.cfg");
    effectsOf("exec self.cfg");
    EXPECT_EQ(output.notices.back(), "exec loop stopped: self.cfg");
    mod.write("bigself.cfg", std::string(CommandBufferSize, ' ') + "\nexec bigself.cfg");
    effectsOf("exec bigself.cfg");
    EXPECT_EQ(output.notices.back(), "exec loop stopped: bigself.cfg");
    EXPECT_THAT(effectsOf("echo still here"), ElementsAre("echo still here"));
}

TEST_F(GameConsoleTest, WaitEndsTheFrame) {
    console.addText("echo a; wait; echo b; wait; wait; echo c");
    console.runFrame();
    EXPECT_THAT(output.effects, ElementsAre("echo a"));
    console.runFrame();
    console.runFrame();
    EXPECT_THAT(output.effects, ElementsAre("echo a", "echo b"));
    EXPECT_FALSE(console.idle());
    console.runFrame();
    EXPECT_THAT(output.effects, ElementsAre("echo a", "echo b", "echo c"));
    EXPECT_TRUE(console.idle());
}

TEST_F(GameConsoleTest, ChatTakesTheRawTextCutToWhatTheEngineSends) {
    EXPECT_THAT(effectsOf("say   hello, \"world\" // x"), ElementsAre("say hello, \"world\" // x"));
    EXPECT_THAT(effectsOf("say; say_team   ; echo"), ElementsAre("echo"));
    const std::string ascii(MaxChatTextBytes - 1, 'a');
    EXPECT_THAT(effectsOf("say " + ascii + "\xC3\xA9z"), ElementsAre("say " + ascii));
    EXPECT_THAT(effectsOf("say_team " + ascii + "z\xC3\xA9"), ElementsAre("say_team " + ascii + "z"));
    EXPECT_EQ(chatText("a\xFF"
                       "b\xE2\x82"
                       "c\xE2\x82\xAC"),
              "abc\xE2\x82\xAC");
}
