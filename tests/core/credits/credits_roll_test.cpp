#include "core/credits/credits_file.h"
#include "core/credits/credits_roll.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace jukewright;

namespace {

// The pairs a roll shows over the given number of ticks, each once while visible, as "role|name".
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

// The first pairs a file gives, as "role|name role|name ...".
std::string pairsOf(const std::string& path, int count) {
    CreditsFile file(path);
    std::string pairs;
    for (int i = 0; i < count; ++i) {
        const CreditPair pair = file.nextPair();
        pairs += (i ? " " : "") + pair.position + "|" + pair.name;
    }
    return pairs;
}

} // namespace

// A pair enters at 6450 - (375 + 1335) and leaves once its top is below 2250: the first hands over at
// tick 126, every later one 125 ticks after it entered (it enters already one step up).
TEST(CreditsRoll, RisesTwentyTwipsATickAndHandsOverBelowTheLimit) {
    test::TempFolder folder;
    CreditsFile file(folder.write("credits.txt", "Code\r\nAnn\r\nArt\r\nBob\r\n"));
    CreditsRoll roll(file);
    EXPECT_FALSE(roll.visible());
    EXPECT_EQ(roll.positionTop(), 4740);
    roll.tick();
    EXPECT_TRUE(roll.visible());
    EXPECT_EQ(roll.positionText() + "|" + roll.nameText(), "Code|Ann");
    EXPECT_EQ(roll.positionTop(), 4720);
    EXPECT_EQ(roll.nameTop(), 4720 + 375);
    int ticks = 1;
    for (; roll.visible(); ++ticks)
        roll.tick();
    EXPECT_EQ(ticks, 126);
    EXPECT_EQ(roll.positionTop(), 4720);
    EXPECT_EQ(roll.positionText(), "Code");
    roll.tick();
    EXPECT_TRUE(roll.visible());
    EXPECT_EQ(roll.positionText() + "|" + roll.nameText(), "Art|Bob");
}

TEST(CreditsRoll, ATopOfExactlyTheLimitMovesOnceMore) {
    test::TempFolder folder;
    CreditsFile file(folder.write("credits.txt", "Code\r\nAnn\r\n"));
    CreditsGeometry geometry;
    geometry.outerHeight = 2290 + geometry.positionHeight + geometry.nameHeight;
    CreditsRoll roll(file, geometry);
    std::vector<int> tops; // hidden: negative
    for (int i = 0; i < 5; ++i) {
        roll.tick();
        tops.push_back(roll.visible() ? roll.positionTop() : -roll.positionTop());
    }
    EXPECT_EQ(tops, (std::vector<int>{2270, 2250, 2230, -2270, 2250}));
}

TEST(CreditsRoll, ShowsThePairsInFileOrderAndStartsAgainAtTheEnd) {
    test::TempFolder folder;
    const std::vector<std::string> threeRounds = {"R1|N1", "R2|N2", "R3|N3", "R1|N1"};
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"R1\r\nN1\r\nR2\r\nN2\r\nR3\r\nN3\r\n", threeRounds},
        {"R1\r\nN1\r\nR2\r\nN2\r\nR3\r\nN3", threeRounds},
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
        EXPECT_EQ(shownPairs(roll, 1 + 125 * 4), expected) << bytes;
    }
}

TEST(CreditsFile, ShortAndBrokenFilesRollWhatThereIs) {
    test::TempFolder folder;
    const std::pair<std::string, std::string> rows[] = {
        {"Role\r\nName\r\n", "Role|Name Role|Name Role|Name Role|Name"},
        {"Only one line\r\n", "Only one line| Only one line| Only one line| Only one line|"},
        {"A\r\nB\r\nC\r\n", "A|B C| A|B C|"},
        {"", "| | | |"},
        {"\r\n", "| | | |"},
        {"A\r\nB\r\n\r\n", "A|B | A|B |"},
        {"Gr\xfc\xdf" // not UTF-8: read as Windows-1252
         "e\r\nM\xfcller\r\n",
         "Grüße|Müller Grüße|Müller Grüße|Müller Grüße|Müller"},
    };
    for (const auto& [bytes, expected] : rows)
        EXPECT_EQ(pairsOf(folder.write("credits.txt", bytes), 4), expected) << bytes;
    EXPECT_EQ(pairsOf(folder.file("missing.txt"), 2), "| |");
}

TEST(CreditsFile, StaysOpenUntilClosedAndEachOpeningStartsAtTheFirstPair) {
    test::TempFolder folder;
    const std::string path = folder.write("credits.txt", "R1\r\nN1\r\nR2\r\nN2\r\n");
    CreditsFile first(path);
    EXPECT_TRUE(first.isOpen());
    first.nextPair();
    first.close();
    EXPECT_FALSE(first.isOpen());
    EXPECT_EQ(pairsOf(path, 1), "R1|N1");
    EXPECT_FALSE(CreditsFile(folder.file("missing.txt")).isOpen());
}
