#include "core/credits/credits_file.h"
#include "core/credits/credits_roll.h"
#include "support/fixtures.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace jukewright;

namespace {

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

// Each tick's top of the roll (negative while hidden) and its pair.
std::vector<std::string> ticked(CreditsRoll& roll, int ticks) {
    std::vector<std::string> seen;
    for (int i = 0; i < ticks; ++i) {
        roll.tick();
        const int top = roll.visible() ? roll.positionTop() : -roll.positionTop();
        seen.push_back(std::to_string(top) + " " + roll.positionText() + "|" + roll.nameText());
    }
    return seen;
}

} // namespace

// A pair enters at 6450 - (375 + 1335) and leaves once its top is below 2250: the first is hidden at
// tick 126, and the next enters already one step up.
TEST(CreditsRoll, RisesTwentyTwipsATickAndHandsOverBelowTheLimitOnly) {
    test::TempFolder folder;
    CreditsFile file(folder.write("credits.txt", "Code\r\nAnn\r\nArt\r\nBob\r\n"));
    CreditsRoll roll(file);
    EXPECT_FALSE(roll.visible());
    EXPECT_EQ(roll.positionTop(), 4740);
    const std::vector<std::string> seen = ticked(roll, 127);
    EXPECT_EQ(std::vector(seen.begin(), seen.begin() + 2),
              (std::vector<std::string>{"4720 Code|Ann", "4700 Code|Ann"}));
    EXPECT_EQ(std::vector(seen.end() - 3, seen.end()),
              (std::vector<std::string>{"2240 Code|Ann", "-4720 Code|Ann", "4700 Art|Bob"}));
    EXPECT_EQ(std::ranges::count_if(seen, [](const std::string& s) { return s[0] == '-'; }), 1);
    EXPECT_EQ(roll.nameTop(), 4700 + 375);
    // A top of exactly the limit moves once more.
    CreditsFile pair(folder.write("pair.txt", "Code\r\nAnn\r\n"));
    CreditsGeometry geometry;
    geometry.outerHeight = 2290 + geometry.positionHeight + geometry.nameHeight;
    CreditsRoll exact(pair, geometry);
    EXPECT_EQ(ticked(exact, 5), (std::vector<std::string>{"2270 Code|Ann", "2250 Code|Ann", "2230 Code|Ann",
                                                          "-2270 Code|Ann", "2250 Code|Ann"}));
}

TEST(CreditsFile, ShortAndBrokenFilesRollWhatThereIsAndEachOpeningStartsAtTheFirstPair) {
    test::TempFolder folder;
    const std::pair<std::string, std::string> rows[] = {
        {"Role\r\nName\r\n", "Role|Name Role|Name Role|Name Role|Name"},
        {"R1\r\nN1\r\nR2\r\nN2\r\nR3\r\nN3", "R1|N1 R2|N2 R3|N3 R1|N1"},
#ifdef _WIN32
        {"R1\nN1\nR2\nN2\n",
         "R1\nN1\nR2\nN2\n| R1\nN1\nR2\nN2\n| R1\nN1\nR2\nN2\n| R1\nN1\nR2\nN2\n|"}, // a lone LF ends no row here
#else
        {"R1\nN1\nR2\nN2\n", "R1|N1 R2|N2 R1|N1 R2|N2"},
#endif
        {"R1\rN1\rR2\rN2\r", "R1|N1 R2|N2 R1|N1 R2|N2"},
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
    EXPECT_FALSE(CreditsFile(folder.file("missing.txt")).isOpen());
    CreditsFile first(folder.write("credits.txt", "R1\r\nN1\r\nR2\r\nN2\r\n"));
    EXPECT_TRUE(first.isOpen());
    first.nextPair();
    first.close();
    EXPECT_FALSE(first.isOpen());
    EXPECT_EQ(pairsOf(folder.file("credits.txt"), 1), "R1|N1");
}
