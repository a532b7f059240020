#include "core/settings/volume_text.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using namespace jukewright;

// Typed or pasted text and what the box keeps: a digit typed behind or in front of a number, a point
// that ends the text while a fraction is typed, a lone sign or point, digits other than ASCII ones.
TEST(VolumeGuard, ShortensToTheLongestStartInRange) {
    std::vector<std::pair<std::string, std::string>> rows = {
        {"", ""},         {"0", "0"},     {"80", "80"}, {"100", "100"}, {"50.5", "50.5"},   {"50.", "50."},
        {"100.", "100."}, {"007", "007"}, {".5", ".5"}, {"507", "50"},  {"950", "95"},      {"1001", "100"},
        {"5000", "50"},   {"5a", "5"},    {"a5", ""},   {"-", ""},      {"-5", ""},         {"+5", ""},
        {".", ""},        {"5..", "5."},  {"1e2", "1"}, {"５", ""},     {"100.01", "100.0"}};
    rows.emplace_back("100.000", "100.000");
    rows.emplace_back("0000000000000000000000101", "000000000000000000000010");
    const std::string zeros(29999, '0');
    rows.emplace_back(std::string{'5', '\0', '0'}, "5");
    rows.emplace_back(std::string(30000, '9'), "99");
    rows.emplace_back("1" + zeros, "100");
    rows.emplace_back(zeros + "1", zeros + "1");
    rows.emplace_back("50." + zeros.substr(2), "50." + zeros.substr(2));
    for (const auto& [text, kept] : rows) {
        EXPECT_EQ(validvolume(text), kept) << text.substr(0, 30);
        EXPECT_EQ(isVolumeText(text), text == kept) << text.substr(0, 30);
    }
}

TEST(VolumeApply, TakesEachBoxToAWholeNumberWithHalvesToTheEvenNeighbour) {
    const std::pair<std::string, int> rows[] = {
        {"0", 0},   {"35", 35}, {"100", 100},   {"2.5", 2},     {"3.5", 4},     {"99.5", 100},
        {"0.5", 0}, {"1.5", 2}, {"2.51", 3},    {"2.4999", 2},  {"2.6", 3},     {"50.", 50},
        {".5", 0},  {"007", 7}, {"100.0", 100}, {"99.99", 100}, {"2.50000", 2}, {"2.500001", 3},
    };
    for (const auto& [text, whole] : rows)
        EXPECT_EQ(volumeFromText(text), whole) << text;
    for (const char* notANumber : {"", ".", "-5", "101", "100.5", "abc"})
        EXPECT_EQ(volumeFromText(notANumber), std::nullopt) << notANumber;
}

TEST(VolumeApply, StoresBothVolumesAndAnEmptyBoxKeepsAndShowsThePreviousValue) {
    AppState state;
    EXPECT_EQ(volumeBoxes(state), (VolumeBoxes{"80", "80"}));

    EXPECT_EQ(applyVolumeBoxes(state, {"35", "90"}), (VolumeBoxes{"35", "90"}));
    EXPECT_EQ(state.Mp3Volume, 35);
    EXPECT_EQ(state.GameVolume, 90);

    EXPECT_EQ(applyVolumeBoxes(state, {"", "2.5"}), (VolumeBoxes{"35", "2.5"}));
    EXPECT_EQ(state.Mp3Volume, 35);
    EXPECT_EQ(state.GameVolume, 2);

    // Text that never passed the guard is not stored either.
    EXPECT_EQ(applyVolumeBoxes(state, {"250", "x"}), (VolumeBoxes{"35", "2"}));
    EXPECT_EQ(state.Mp3Volume, 35);
    EXPECT_EQ(state.GameVolume, 2);
    EXPECT_EQ(volumeBoxes(state), (VolumeBoxes{"35", "2"}));
}
