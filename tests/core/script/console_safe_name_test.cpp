#include "core/playlist/track_list.h"
#include "core/script/console_safe_name.h"
#include "core/script/copy_names.h"
#include "support/recording_views.h"

#include <gtest/gtest.h>
#include <memory>

using namespace jukewright;

namespace {

// The copy name of a name written only in a script that has no Latin form on this platform: ICU
// spells it in Latin letters, Windows drops it and the track's number names it.
std::string nonLatinCopyName([[maybe_unused]] const char* withIcu, [[maybe_unused]] int trackNumber) {
#ifdef _WIN32
    return "track" + std::to_string(trackNumber) + ".mp3";
#else
    return withIcu;
#endif
}

std::vector<std::string> copyNamesOf(const std::vector<std::string>& paths) {
    auto state = std::make_unique<AppState>();
    test::RecordingPlaylistView view;
    for (const auto& path : paths)
        appendTrack(*state, view, path);
    return assignScriptNames(*state).copy;
}

} // namespace

TEST(ConsoleSafeName, DropsRefusedCharactersOneByOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"Rain-Dance (Live).mp3", "RainDanceLive.mp3"},
        {"a b'c`d=e-f+g_h!i\"j\u00A3k$l%m^n&o*p(q)r.mp3", "abcdefghijklmnopqr.mp3"},
        {"x;y,z{w}v:u/a\\b?c<d>e|f.mp3", "xyzwvuabcdef.mp3"},
        {"tab\there\r\nbell\x07\x1F\x7F\u0085\u009F.mp3", "tabherebell.mp3"},
        {"\u00A3\u00E3.mp3", "\u00E3.mp3"}, // the pound sign goes whole, a neighbour sharing a byte stays
        {"\xA3x.mp3", "x.mp3"},             // a Windows-1252 name: 0xA3 is the pound sign there
        {"[Live] #2 @home~.01 \u65E5\u672C.mp3", "[Live]#2@home~.01\u65E5\u672C.mp3"},
        {"  --__((  ))", ""},
        {"Song.mp3...", "Song.mp3"},
        {". .", ""},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(ConvertSpaces(name), expected) << name;
    EXPECT_EQ(chatSafeName("Rain-Dance (Live), \"Encore\"; part\t2.mp3"), "Rain-Dance (Live), Encore part2.mp3");
}

// Different sources never share a copy name, while one source keeps one. Windows drops a final dot or
// space and Xash3D refuses "..": such a copy would not be found. Device names are kept apart too.
TEST(CopyNames, AreAsciiUniquePerSourceAndFitTheFileSystem) {
    const std::string long255(251, 'a'), notUtf8(196, '\xE9'), c115(115, 'c'), b100(100, 'b');
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{"/m/Bj\u00F6rk \u2013 J\u00F3ga (Live).mp3", "/m/\u041A\u0438\u043D\u043E.mp3", "/m/\u00BD Time?.mp3",
          "/m/Cafe\u0301.mp3"}, // decomposed, as some systems store names
         {"BjorkJogaLive.mp3", nonLatinCopyName("Kino.mp3", 2), "12Time.mp3", "Cafe.mp3"}},
        {{"/m/\u65E5\u672C.mp3", "/m/\U0001F600.mp3", "/m/. .", "/m/..mp3", "/m/.hidden.mp3"},
         {nonLatinCopyName("riben.mp3", 1), "track2.mp3", "track3.mp3", "track4.mp3", "track5.hidden.mp3"}},
        {{"/a/" + long255 + ".mp3", "/b/" + long255 + ".mp3", "/m/" + notUtf8 + ".mp3"},
         {std::string(116, 'a') + ".mp3", std::string(116, 'a') + "2.mp3", std::string(116, 'e') + ".mp3"}},
        {{"/m/" + std::string(130, 'b'), "/m/x.y" + std::string(200, 'z'),
          "/m/" + std::string(118, 'c') + ".." + std::string(30, 'd')},
         {std::string(120, 'b'), "x.y" + std::string(117, 'z'), std::string(118, 'c') + ".d"}},
        {{"C:\\A\\Blue Sky.mp3", "C:\\B\\blue-sky.mp3", "C:\\A\\Blue Sky.mp3", "C:\\C\\BLUESKY.mp3"},
         {"BlueSky.mp3", "bluesky2.mp3", "BlueSky.mp3", "BLUESKY3.mp3"}},
        {{"C:\\A\\x2.mp3", "C:\\A\\x.mp3", "C:\\B\\x.mp3"}, {"x2.mp3", "x.mp3", "x3.mp3"}},
        {{"C:\\A\\noext", "C:\\B\\noext", "C:\\A\\a.b.mp3", "C:\\B\\a.b.mp3"},
         {"noext", "noext2", "a.b.mp3", "a.b2.mp3"}},
        {{"C:\\a.mp3", "C:\\Music\\", "C:\\Music\\ -()", "C:\\Other\\ -()"},
         {"a.mp3", "track2.mp3", "track3.mp3", "track4.mp3"}},
        {{"/m/song.mp3.", "/m/a. .mp3", "/m/So... What.mp3", "/m/tune .mp3 ", "/m/ . . ",
          "/m/" + c115 + "." + std::string(20, 'd') + ".mp3",
          "/m/" + b100 + std::string(30, '.') + std::string(20, 'x') + " ."},
         {"song.mp3", "a.mp3", "So.What.mp3", "tune.mp3", "track5.mp3", c115 + ".mp3",
          b100 + "." + std::string(19, 'x')}},
        {{"/m/CON.mp3", "/m/nul", "/m/com1.live.mp3", "/m/aux .mp3", "/m/LPT9.mp3", "/m/COM0.mp3", "/m/console.mp3",
          "/m/prn2.mp3"},
         {"CON_.mp3", "nul_", "com1_.live.mp3", "aux_.mp3", "LPT9_.mp3", "COM0.mp3", "console.mp3", "prn2.mp3"}},
    };
    for (const auto& [paths, expected] : cases)
        EXPECT_EQ(copyNamesOf(paths), expected) << paths.front();
    // Every short name of a few pieces, and long names whose cut lands among dots and spaces.
    const std::string pieces[] = {"a", ".", " ", "-", "\u00E9"};
    std::vector<std::string> names = {"/m/"};
    for (std::size_t from = 0, length = 1; length <= 5; ++length) {
        const std::size_t to = names.size();
        for (std::size_t i = from; i < to; ++i)
            for (const auto& piece : pieces)
                names.push_back(names[i] + piece);
        from = to;
    }
    const std::string tails[] = {".",
                                 ". ",
                                 ".mp3.",
                                 " .mp3 ",
                                 ". .mp3",
                                 ".x. .",
                                 "." + std::string(20, 'e') + ".",
                                 std::string(30, '.') + std::string(20, 'x')};
    for (std::size_t stem = 100; stem <= 125; ++stem)
        for (const auto& tail : tails)
            names.push_back("/m/" + std::string(stem, 'c') + tail);
    for (const auto& name : copyNamesOf(names)) {
        EXPECT_FALSE(name.empty());
        EXPECT_FALSE(name.ends_with('.') || name.ends_with(' ')) << '"' << name << '"';
        EXPECT_EQ(name.find(".."), std::string::npos) << name;
        EXPECT_LE(name.size(), MaxCopyNameBytes) << name;
    }
}
