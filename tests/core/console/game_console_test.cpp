#include "core/console/console_tokenizer.h"
#include "core/console/game_console.h"
#include "support/fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jukewright;
using namespace std::string_literals;
using ::testing::ElementsAre;
using Lines = std::vector<std::string>;

namespace {

class GameConsoleTest : public ::testing::Test, public ConsoleOutput {
protected:
    void effect(const std::string& line) override { effects.push_back(line); }
    void notice(const std::string& line) override { notices.push_back(line); }
    void expectEffects(const std::vector<std::pair<std::string, Lines>>& rows) {
        for (const auto& [line, expected] : rows) {
            effects.clear();
            console.run(line);
            EXPECT_EQ(effects, expected) << line;
        }
    }
    test::TempFolder mod;
    Lines effects, notices;
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
