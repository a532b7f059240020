#include "core/credits/credits_file.h"
#include "core/credits/credits_roll.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace jukewright;

namespace {

// The pairs a roll shows, in order, over the given number of ticks (each pair once while visible).
std::vector<std::string> shownPairs(CreditsRoll& roll, int ticks) {
    std::vector<std::string> shown;
    for (int i = 0; i < ticks; ++i) {
        roll.tick();
        const std::string pair = roll.positionText() + "|" + roll.nameText();
        if (roll.visible() && (shown.empty() || shown.back() != pair))
            shown.push_back(pair);
        else if (!roll.visible())
            shown.push_back("-");
    }
    std::erase(shown, std::string("-"));
    return shown;
}

std::vector<CreditPair> pairsOf(const std::string& path, int count) {
    CreditsFile file(path);
    std::vector<CreditPair> pairs;
    for (int i = 0; i < count; ++i)
        pairs.push_back(file.nextPair());
    return pairs;
}

// A pair enters at 6450 - (375 + 1335) and leaves once its top is below 2250: the first hands over at
// tick 126, every later one 125 ticks after it entered (it enters already one step up).
constexpr int FirstHandOver = 126;
constexpr int ticksShowing(int pairs) {
    return 1 + 125 * pairs;
}

} // namespace

TEST(CreditsRoll, RisesTwentyTwipsATickAndHandsOverBelowTheLimit) {
    test::TempFolder folder;
    CreditsFile file(folder.write("credits.txt", "Code\r\nAnn\r\nArt\r\nBob\r\n"));
    CreditsRoll roll(file);
    EXPECT_FALSE(roll.visible()); // nothing before the first tick
    EXPECT_EQ(roll.positionTop(), 4740);

    roll.tick();
    EXPECT_TRUE(roll.visible());
    EXPECT_EQ(roll.positionText(), "Code");
    EXPECT_EQ(roll.nameText(), "Ann");
    EXPECT_EQ(roll.positionTop(), 4720);
    EXPECT_EQ(roll.nameTop(), 4720 + 375);

    int ticks = 1;
    while (roll.visible()) {
        roll.tick();
        ++ticks;
    }
    // Hidden for one tick once the top is below the limit; the next pair enters already one step up.
    EXPECT_EQ(ticks, FirstHandOver);
    EXPECT_EQ(roll.positionTop(), 4720);
    EXPECT_EQ(roll.positionText(), "Code");
    roll.tick();
    EXPECT_TRUE(roll.visible());
    EXPECT_EQ(roll.positionText(), "Art");
    EXPECT_EQ(roll.nameText(), "Bob");
}

TEST(CreditsRoll, ATopOfExactlyTheLimitMovesOnceMore) {
    test::TempFolder folder;
    CreditsFile file(folder.write("credits.txt", "Code\r\nAnn\r\n"));
    CreditsGeometry geometry;
    geometry.outerHeight = 2290 + geometry.positionHeight + geometry.nameHeight;
    CreditsRoll roll(file, geometry);
    std::vector<int> tops;
    std::vector<bool> visible;
    for (int i = 0; i < 5; ++i) {
        roll.tick();
        tops.push_back(roll.positionTop());
        visible.push_back(roll.visible());
    }
    EXPECT_EQ(tops, (std::vector<int>{2270, 2250, 2230, 2270, 2250}));
    EXPECT_EQ(visible, (std::vector<bool>{true, true, true, false, true}));
}

TEST(CreditsRoll, ShowsThePairsInFileOrderAndStartsAgainAtTheEnd) {
    test::TempFolder folder;
    // file bytes, pairs shown over four rounds
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"R1\r\nN1\r\nR2\r\nN2\r\nR3\r\nN3\r\n", {"R1|N1", "R2|N2", "R3|N3", "R1|N1"}},
        {"R1\r\nN1\r\nR2\r\nN2\r\nR3\r\nN3", {"R1|N1", "R2|N2", "R3|N3", "R1|N1"}}, // no final line end
#ifdef _WIN32
        {"R1\nN1\nR2\nN2\n", std::vector<std::string>(4, "R1\nN1\nR2\nN2\n|")}, // a lone LF ends no row here
#else
        {"R1\nN1\nR2\nN2\n", {"R1|N1", "R2|N2", "R1|N1", "R2|N2"}},
#endif
        {"R1\rN1\rR2\rN2\r", {"R1|N1", "R2|N2", "R1|N1", "R2|N2"}},
    };
    for (const auto& [bytes, expected] : rows) {
        CreditsFile file(folder.write("credits.txt", bytes));
        CreditsRoll roll(file);
        EXPECT_EQ(shownPairs(roll, ticksShowing(4)), expected) << bytes;
    }
}

TEST(CreditsFile, ShortAndBrokenFilesRollWhatThereIs) {
    test::TempFolder folder;
    // file bytes, the first four pairs read
    const std::pair<std::string, std::vector<CreditPair>> rows[] = {
        {"Role\r\nName\r\n", {{"Role", "Name"}, {"Role", "Name"}, {"Role", "Name"}, {"Role", "Name"}}},
        {"Only one line\r\n",
         {{"Only one line", ""}, {"Only one line", ""}, {"Only one line", ""}, {"Only one line", ""}}},
        {"A\r\nB\r\nC\r\n", {{"A", "B"}, {"C", ""}, {"A", "B"}, {"C", ""}}},
        {"", {{}, {}, {}, {}}},
        {"\r\n", {{}, {}, {}, {}}},
        {"A\r\nB\r\n\r\n", {{"A", "B"}, {"", ""}, {"A", "B"}, {"", ""}}},
        // a file not in UTF-8 is read as Windows-1252
        {"Gr\xfc\xdf"
         "e\r\nM\xfcller\r\n",
         {{"Grüße", "Müller"}, {"Grüße", "Müller"}, {"Grüße", "Müller"}, {"Grüße", "Müller"}}},
    };
    for (const auto& [bytes, expected] : rows) {
        const auto pairs = pairsOf(folder.write("credits.txt", bytes), 4);
        EXPECT_EQ(pairs, expected) << bytes;
    }
    EXPECT_EQ(pairsOf(folder.file("missing.txt"), 2), (std::vector<CreditPair>{{}, {}}));
}

TEST(CreditsFile, StaysOpenUntilClosedAndEachOpeningStartsAtTheFirstPair) {
    test::TempFolder folder;
    const std::string path = folder.write("credits.txt", "R1\r\nN1\r\nR2\r\nN2\r\nR3\r\nN3\r\n");
    CreditsFile first(path);
    EXPECT_TRUE(first.isOpen());
    first.nextPair();
    first.nextPair();
    first.close();
    EXPECT_FALSE(first.isOpen());
    CreditsFile second(path);
    EXPECT_EQ(second.nextPair(), (CreditPair{"R1", "N1"}));
    EXPECT_FALSE(CreditsFile(folder.file("missing.txt")).isOpen());
}
