#include "core/console/console_tokenizer.h"
#include "core/console/game_console.h"
#include "core/jukebox/jukebox_check.h"
#include "core/mod_files/userconfig_hook.h"
#include "core/playlist/track_list.h"
#include "core/script/copy_names.h"
#include "core/script/script_parts.h"
#include "core/script/script_text.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <gmock/gmock.h>
#include <memory>

using namespace jukewright;
using namespace std::string_literals;
using ::testing::ElementsAre;
using Lines = std::vector<std::string>;

namespace {

struct Recorder : ConsoleOutput {
    void effect(const std::string& line) override { effects.push_back(line); }
    void notice(const std::string& line) override { notices.push_back(line); }
    Lines effects, notices;
};

// What one console did with the line, effects first, then "notice: " and each notice.
Lines runIn(const test::TempFolder& mod, const EngineRules& rules, const std::string& line) {
    Recorder out;
    GameConsole console(mod.str(), out, rules);
    console.run(line);
    for (const std::string& notice : out.notices)
        out.effects.push_back("notice: " + notice);
    return out.effects;
}

// A jukebox of 200 tracks (volumes 95 and 5) hooked into userconfig.cfg, every copy in mp3s.
class JukeboxInBothEngines : public ::testing::Test {
protected:
    JukeboxInBothEngines() {
        test::RecordingPlaylistView view;
        for (int k = 1; k <= Tracks; ++k)
            appendTrack(*state, view, "/music/Song number " + std::to_string(k) + ".mp3");
        state->Mp3Volume = 95;
        state->GameVolume = 5;
        names = assignScriptNames(*state);
        for (const auto& name : names.copy)
            mod.write("mp3s/" + name, "mp3");
        EXPECT_EQ(HookUserConfig(mod.str()), std::nullopt);
    }

    void write(ScriptLayout layout) {
        trackFolder = layout == ScriptLayout::Parts ? PortableScriptTrackFolder : ScriptTrackFolder;
        const std::string single = scriptFileBytes(*state, names, trackFolder);
        const auto files =
            layout == ScriptLayout::Parts ? splitScript(single) : std::vector<ScriptFile>{{"mp3.cfg", single}};
        for (const ScriptFile& file : files)
            mod.write(file.name, file.bytes);
    }

    void expectEveryAliasWorks(const EngineRules& rules) {
        const std::string echo = &rules == &Xash3DRules ? "echo Jukewright: " : "echo Jukewright : ";
        Recorder out;
        GameConsole console(mod.str(), out, rules);
        console.run("exec userconfig.cfg");
        ASSERT_EQ(out.effects, (Lines{"mp3volume 0.95", "volume 0.05", "echo Jukewright Script Loaded"}));
        const auto copy = [&](int n) { return std::string(trackFolder) + names.copy[static_cast<std::size_t>(n - 1)]; };
        const auto play = [&](int n) { return "mp3 play " + copy(n); };
        const auto chat = [&](int n) { return names.chat[static_cast<std::size_t>(n - 1)]; };
        const auto expect = [&](const std::string& line, const Lines& effects) {
            out.effects.clear();
            console.run(line);
            EXPECT_EQ(out.effects, effects) << line;
        };
        expect("playtrack", {play(1)});
        for (int n = 2; n <= Tracks + 1; ++n) {
            const int k = (n - 1) % Tracks + 1;
            expect("nexttracks; saytrack; tsaytrack",
                   {echo + "next track", play(k), "say listening to " + chat(k) + " with Jukewright",
                    "say_team listening to " + chat(k) + " with Jukewright"});
        }
        for (int n = Tracks; n >= 1; --n)
            expect("prevtrack; looptrack", {play(n), echo + "previous track", "mp3 loop " + copy(n)});
        expect("track200; lptrack7", {play(200), "mp3 loop " + copy(7)});
        expect("mp3volup; mp3volup; mp3voldown; gvoldown; gvoldown; gvoldown; gvolup",
               {"mp3volume 1.00", "mp3volume 1.00", "mp3volume 0.95", "volume 0.02", "volume 0.00", "volume 0.00",
                "volume 0.02"});
        EXPECT_EQ(out.notices, Lines{});
    }

    static constexpr int Tracks = 200;
    test::TempFolder mod;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    ScriptNames names;
    std::string_view trackFolder = ScriptTrackFolder;
};

class GameConsoleTest : public ::testing::Test, public Recorder {
protected:
    void expectEffects(const std::vector<std::pair<std::string, Lines>>& rows) {
        for (const auto& [line, expected] : rows) {
            effects.clear();
            console.run(line);
            EXPECT_EQ(effects, expected) << line;
        }
    }
    test::TempFolder mod;
    GameConsole console{mod.str(), *this};
};

} // namespace

TEST_F(GameConsoleTest, LinesAreSplitAndRunLikeTheEngineRunsThem) {
    EXPECT_THAT(tokenizeCommand("  x \"a b;c\" d,e{f}(g)'h:i \"\" j//k // rest").argv,
                ElementsAre("x", "a b;c", "d", ",", "e", "{", "f", "}", "(", "g", ")", "'", "h", ":", "i", "", "j//k"));
    EXPECT_THAT(tokenizeCommand("echo \"a\\\"b\" \"open").argv, ElementsAre("echo", "a\\", "b\"", "open"));
    EXPECT_EQ(tokenizeCommand(std::string(100, ',')).argv.size(), 80u);
    const std::string name(31, 'n'), chat(116, 'a');
    // 1,018 bytes of words short enough to be arguments, to fill a command of 1,023 bytes.
    const std::string words = std::string(500, 'x') + " " + std::string(500, 'y') + " " + std::string(16, 'z');
    expectEffects({
        {"echo a // b; echo b\recho c\necho d", {"echo a", "echo b echo c", "echo d"}},
        {"echo \"a;b\"; echo a\"b; echo c", {"echo a;b", "echo a\"b; echo c"}},
        {"mp3 play mp3s\\A,B.mp3", {"mp3 play mp3s\\A"}},
        {"bind x y; Volume 0.3; mp3volume 2", {"unknown command: bind", "volume 0.3", "mp3volume 2"}},
        {"alias " + name + " \"echo a\"; alias " + name + "x \"echo b\"; " + name + "; " + name + "x",
         {"echo a", "unknown command: " + name + "x"}},
        {"echo " + words + "#yy", {"echo " + words, "unknown command: yy"}},
        {"say   hello, \"world\" // x; say; say_team   ; echo", {"say hello, \"world\" // x", "echo"}},
        {"say " + chat + "\xC3\xA9z; say_team " + chat + "z\xC3\xA9", {"say " + chat + "\xC3"}},
    });
    EXPECT_THAT(notices, ElementsAre("file not found: mp3s\\A", "alias name too long: " + name + "x"));
}

TEST_F(GameConsoleTest, WaitsFilesAndLoopsRunAcrossFramesWithinTheEnginesBounds) {
    console.addText("echo a; wait; echo b; wait; wait; echo c");
    std::vector<std::size_t> effectsPerFrame;
    for (; !console.idle(); effectsPerFrame.push_back(effects.size()))
        console.runFrame();
    EXPECT_THAT(effectsPerFrame, ElementsAre(1u, 2u, 2u, 3u));
    std::string big;
    Lines bigEffects = {"echo after"};
    for (int i = 0; i < 2000; ++i)
        big += "\r\n" + bigEffects.emplace_back("echo line " + std::to_string(i)) + "\r\n";
    mod.write("big.cfg", big);
    mod.write("small.cfg", "echo one\r\necho two");
    mod.write("full.cfg", "more\n" + std::string(CommandBufferSize - 9, ' '));
    mod.write("self.cfg", "exec self.cfg");
    mod.write("bigself.cfg", std::string(CommandBufferSize, ' ') + "\nexec bigself.cfg");
    // As in the engine, what already waits in the buffer runs before the first line of a big file;
    // full.cfg just fits in the buffer, but then the text of the alias that it runs first no longer does.
    expectEffects({
        {"exec small.cfg; echo after", {"echo one", "echo two", "echo after"}},
        {"exec big.cfg; echo after", bigEffects},
        {std::string(CommandBufferSize, 'x'), {}},
        {"alias more \"echo more\"; exec full.cfg", {}},
        {"alias r r; r", {}},
        {"exec self.cfg", {}},
        {"exec bigself.cfg", {}},
        {"alias w \"echo tick; wait; w\"; w", Lines(MaxFramesPerBurst, "echo tick")},
        {"echo still here", {"echo still here"}},
    });
    EXPECT_THAT(notices,
                ElementsAre("command buffer overflow", "command buffer overflow", "alias loop stopped: r",
                            "exec loop stopped: self.cfg", "exec loop stopped: bigself.cfg", "alias loop stopped: w"));
}

TEST_F(GameConsoleTest, ConfigFilesRunAsTheEnginesTokenizerAndChatMakeThem) {
    const std::string longWord(600, 'w');
    std::string padding; // makes the file too large for the command buffer
    while (padding.size() <= CommandBufferSize)
        padding += "// padding\n";
    mod.write("sub/x.cfg", "echo sub");
    const std::string chat(122, 'c');
    const struct {
        std::string file;
        Lines effects;
        Lines notices = {};
        std::string typed = "";
    } rows[] = {
        {"echo Jukewright: next track\necho a,b{c}(d)'e' // gone\necho \"\" x\necho \"\"\necho\tone\t\ttwo",
         {"echo Jukewright : next track", "echo a , b { c } ( d ) ' e '", "echo  x", "echo", "echo one two"}},
        {"alias big \"" + longWord + "\"\nalias kept \"echo kept\"\nalias kept\necho a " + longWord + " b",
         {"echo a", "echo end"},
         {},
         "big; kept; echo end"},
        {"\xC3\xA9"
         "cho skipped\necho caf\xC3\xA9 \xE2\x80\x94 x\n\xEF\xBB\xBF"
         "echo mark inside",
         {"unknown command: cho", "echo caf\xC3\xA9 x", "echo mark inside"}},
        {"echo a\tb\necho caf\xC3\xA9s \xC3\xA9 x\n" + padding,
         {"echo a", "unknown command: b", "echo caf", "unknown command: s", "unknown command: x"}},
        {"say \"quoted text\"\nsay \"open\nsay \"  \"\nsay \"\"\nsay \xC3\xA9t\xC3\xA9\nsay_team ...\nsay \"\xC3\xA9\"",
         {"say quoted text", "say ope", "say   ", "say t\xC3\xA9", "say_team ...", "say \xC3\xA9"}},
        // The command goes to the server cut at 127 bytes, where the game's code names it exactly.
        {"SAY hi\nSay hi\nsay " + chat + "\xC3\xA9\nsay " + chat + "xx\xC3\xA9\nsay_team " + chat,
         {"unknown command: SAY", "unknown command: Say", "say " + chat.substr(0, 117),
          "say_team " + chat.substr(0, 110)}},
        {"echo a\recho b\r\necho c", {"echo a echo b", "echo c"}},
        {"cmd say hi\ncmd foo\ncmd mp3 play x\ncmdlist\nstuffcmds\ncmd",
         {"say hi", "unknown command: foo", "unknown command: mp3"}},
        {"volume 0.3\n\"volume 0.5\"\n\"mp3volume 1\"\n\"volumes 1\"",
         {"volume 0.3", "unknown command: volumes 1"},
         {"\"volume\" is \"0.3\""}},
        // "alias" alone lists every alias, those of the rows above too.
        {"volume 0.3\nvolume\nalias a \"echo 1\"\nalias",
         {"volume 0.3"},
         {"\"volume\" is \"0.3\"", "big : ", "kept : ", "a : echo 1"}},
        {"exec x.txt\nexec my.music.cfg\nexec noext\nexec sub/x.cfg\nexec sub/X.CFG.rc\necho after",
         {"echo sub", "echo after"},
         {"exec x.txt: not a .cfg or .rc file", "exec my.music.cfg: not a .cfg or .rc file",
          "exec noext: not a .cfg or .rc file", "exec sub/X.CFG.rc: not a .cfg or .rc file",
          "exec ../up.cfg: invalid path", "exec sub\\x.cfg: invalid path", "exec c:x.cfg: invalid path",
          "exec ~/x.cfg: invalid path", "exec /x.cfg: invalid path"},
         "exec ../up.cfg; exec sub\\x.cfg; exec \"c:x.cfg\"; exec ~/x.cfg; exec /x.cfg"},
        {"echo a\n\0echo b\n"s + padding, {"echo a", "echo b"}},
    };
    for (const auto& row : rows) {
        mod.write("row.cfg", row.file);
        effects.clear();
        notices.clear();
        console.run("exec row.cfg");
        if (!row.typed.empty())
            console.run(row.typed);
        EXPECT_EQ(effects, row.effects) << row.file.substr(0, 60);
        EXPECT_EQ(notices, row.notices) << row.file.substr(0, 60);
    }
}

TEST(XashConsole, FollowsItsOwnRulesWhereTheEnginesDiffer) {
    // The largest file, final line end included, that a typed exec puts into the empty buffer.
    constexpr std::size_t LargestExec = 32767;
    test::TempFolder mod;
    mod.write("mp3s/a.mp3", "mp3");
    mod.write("media/Intro.mp3", "mp3");
    mod.write("nofinal.cfg", "echo nofinal\r\n" + std::string(LargestExec - 14, '/'));
    mod.write("nulbyte.cfg", "echo a\0 hidden\necho b"s);
    mod.write("bom.cfg", "\xEF\xBB\xBF"
                         "echo bom");
    mod.write("fits.cfg", "echo fits\r\n" + std::string(LargestExec - 11 - 2, '/') + "\r\n");
    mod.write("over.cfg", "echo over\r\n" + std::string(LargestExec - 11 - 1, '/') + "\r\n");
    // A line of 2,047 bytes in 70 words; Half-Life cuts it after 1,023 bytes.
    const std::string word(29, 'w');
    std::string words;
    for (int i = 0; i < 68; ++i)
        words += " " + word;
    const std::string longest = "echo" + words + " ab";
    const std::string cut = "echo" + words.substr(0, 1019);
    const std::string shorter = longest.substr(0, 2046);
    const std::string longWord(600, 'w');
    struct Row {
        std::string line;
        Lines goldSrc;
        Lines xash;
    };
    const Row rows[] = {
        {"echo Jukewright: next track", {"echo Jukewright : next track"}, {"echo Jukewright: next track"}},
        {"echo \"a\\\"b\" c", {"echo a\\ b\" c"}, {"echo a\"b c"}},
        {"echo \"x;y\"; echo z", {"echo x;y", "echo z"}, {"echo x;y", "echo z"}},
        {"echo a // b; echo c", {"echo a", "echo c"}, {"echo a"}},
        {"echo a//b; echo c", {"echo a//b", "echo c"}, {"echo a//b", "echo c"}},
        {"echo \"q\\\";\"; echo r", {"echo q\\", "unknown command: ; echo r"}, {"echo q\";", "echo r"}},
        {"alias echo \"say hi\"; echo there", {"echo there"}, {"say hi"}},
        {"alias mp3volume \"echo mine\"; mp3volume 0.5", {"mp3volume 0.5"}, {"echo mine"}},
        {longest, {cut, "unknown command: " + word}, {}},
        {shorter, {cut, "unknown command: " + word}, {shorter}},
        {longest + "c; echo next", {cut, "unknown command: " + word, "echo next"}, {"echo next"}},
        {"echo a(b)c", {"echo a ( b ) c"}, {"echo a(b)c"}},
        {"echo a " + longWord + " b", {"echo a"}, {"echo a " + longWord + " b"}},
        {"echo \xC3\xA9t\xC3\xA9", {"echo t\xC3\xA9"}, {"echo \xC3\xA9t\xC3\xA9"}},
        {"/echo typed", {"unknown command: /echo"}, {"echo typed"}},
        {"\\echo typed", {"unknown command: \\echo"}, {"echo typed"}},
        {"alias Foo \"echo 1\"; alias FOO \"echo 2\"; foo; alias Foo \"echo 3\"; FOO",
         {"echo 2", "echo 3"},
         {"echo 1", "echo 3"}},
        {"say 100% sure", {"say 100% sure"}, {"say 100. sure"}},
        {"cmd say hi; cmd mp3 play x", {"say hi", "unknown command: mp3"}, {"say hi", "unknown command: mp3"}},
        {"mp3 play; mp3 loop",
         {"notice: usage: mp3 play|loop PATH, mp3 stop", "notice: usage: mp3 play|loop PATH, mp3 stop"},
         {"mp3 stop", "mp3 stop"}},
        {"mp3 play MP3S/A; mp3 loop intro",
         {"mp3 play MP3S/A", "mp3 loop intro", "notice: file not found: MP3S/A", "notice: file not found: intro"},
         {"mp3 play MP3S/A", "mp3 loop intro"}},
        {"mp3 play mp3s/../mp3s/a.mp3; mp3 play \"c:a.mp3\"",
         {"mp3 play mp3s/../mp3s/a.mp3", "mp3 play c:a.mp3", "notice: file not found: c:a.mp3"},
         {"mp3 play mp3s/../mp3s/a.mp3", "mp3 play c:a.mp3", "notice: file not found: mp3s/../mp3s/a.mp3",
          "notice: file not found: c:a.mp3"}},
        {"exec FITS", {"notice: exec FITS: not a .cfg or .rc file"}, {"echo fits"}},
        {"exec nofinal.cfg", {"echo nofinal"}, {"notice: command buffer overflow"}},
        {"exec nulbyte.cfg", {"echo a"}, {"echo a", "echo b"}},
        {"exec bom.cfg",
         {"echo bom"},
         {"unknown command: \xEF\xBB\xBF"
          "echo"}},
        {"mp3 play mp3s\\a.mp3",
         {"mp3 play mp3s\\a.mp3"},
         {"mp3 play mp3s\\a.mp3", "notice: file not found: mp3s\\a.mp3"}},
        {"exec fits.cfg", {"echo fits"}, {"echo fits"}},
        // A wait past the bound of frames ends at the bound, and the rest still runs.
        {"echo a; wait 99999; echo b", {"echo a", "echo b"}, {"echo a", "echo b"}},
        {"exec over.cfg", {"echo over"}, {"notice: command buffer overflow"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(runIn(mod, GoldSrcRules, row.line), row.goldSrc) << row.line.substr(0, 60);
        EXPECT_EQ(runIn(mod, Xash3DRules, row.line), row.xash) << row.line.substr(0, 60);
    }
}

TEST(XashConsole, WaitWaitsTheFramesItIsGiven) {
    const std::pair<const char*, int> rows[] = {
        {"wait", 1}, {"wait 3", 3}, {"wait 0", 0}, {"wait x", 0}, {"wait -2", 0}};
    for (const auto& [wait, frames] : rows) {
        for (const EngineRules* rules : {&GoldSrcRules, &Xash3DRules}) {
            test::TempFolder mod;
            Recorder out;
            GameConsole console(mod.str(), out, *rules);
            console.addText(std::string("echo a; ") + wait + "; echo b");
            const int expected = rules == &Xash3DRules ? frames : 1;
            int frame = 0;
            for (; out.effects.size() < 2 && frame < 10; ++frame)
                console.runFrame();
            EXPECT_EQ(out.effects, (Lines{"echo a", "echo b"})) << wait;
            EXPECT_EQ(frame, expected + 1) << wait << (rules == &Xash3DRules ? " in Xash3D" : " in Half-Life");
            EXPECT_TRUE(console.idle());
        }
    }
}

TEST_F(JukeboxInBothEngines, ASingleFileLoadsInHalfLifeOnlyAndPartsInBoth) {
    write(ScriptLayout::SingleFile);
    ASSERT_GT(mod.read("mp3.cfg").size(), MaxPortableScriptBytes);
    expectEveryAliasWorks(GoldSrcRules);

    EXPECT_EQ(runIn(mod, Xash3DRules, "exec userconfig.cfg; playtrack"),
              (Lines{"unknown command: playtrack", "notice: command buffer overflow"}));

    write(ScriptLayout::Parts);
    ASSERT_TRUE(mod.read("mp3_part3.cfg").size() > 0);
    expectEveryAliasWorks(GoldSrcRules);
    expectEveryAliasWorks(Xash3DRules);
}

// The hook row's LF still waits in the buffer, so the largest script Xash3D runs is one byte short.
TEST(XashConsole, TheLargestScriptTheCheckPassesIsTheLargestTheHookRuns) {
    for (const std::size_t size : {MaxPortableScriptBytes, MaxPortableScriptBytes + 1}) {
        test::TempFolder mod;
        mod.write("userconfig.cfg", std::string(UserConfigHookRow) + "\r\n");
        std::string script = "alias playtrack \"echo played\"\r\n";
        while (script.size() + 100 < size)
            script += std::string(98, '/') + "\r\n";
        script += std::string(size - script.size() - 2, '/') + "\r\n";
        mod.write("mp3.cfg", script);
        Recorder out;
        GameConsole xash(mod.str(), out, Xash3DRules);
        xash.run("exec userconfig.cfg");
        const bool runs = xash.aliasText("playtrack").has_value();
        EXPECT_EQ(runs, size <= MaxPortableScriptBytes) << size;
        const auto results = checkJukebox(mod.str(), Engine::Xash3D);
        const auto sizeResult = std::ranges::find(results, std::string("size"), &CheckResult::kind);
        ASSERT_NE(sizeResult, results.end());
        EXPECT_EQ(sizeResult->severity == CheckSeverity::Ok, runs) << size << ": " << sizeResult->text;
    }
}
