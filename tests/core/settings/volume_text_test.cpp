#include "core/settings/volume_text.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace jukewright;

TEST(VolumeGuard, ShortensToTheLongestStartInRange) {
    // typed or pasted text, what the box keeps
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},
        {"0", "0"},
        {"80", "80"},
        {"100", "100"},
        {"50.5", "50.5"},
        {"50.", "50."}, // a point may end the text while a fraction is typed
        {"100.", "100."},
        {"100.000", "100.000"},
        {"007", "007"},
        {".5", ".5"},
        {"507", "50"},   // 7 typed behind 50
        {"950", "95"},   // 9 typed in front of 50
        {"1001", "100"}, // 1 typed after 100
        {"5000", "50"},  // pasted
        {"100.01", "100.0"},
        {"0000000000000000000000101", "000000000000000000000010"},
        {"5a", "5"}, // a letter is shortened like a number out of range
        {"a5", ""},
        {"-", ""}, // a lone sign or point is no number
        {"-5", ""},
        {"+5", ""},
        {".", ""},
        {"5..", "5."},
        {"1e2", "1"},
        {"５", ""}, // digits other than ASCII ones
        {std::string("5\0"
                     "0",
                     3),
         "5"},
    };
    for (const auto& [text, kept] : rows) {
        EXPECT_EQ(validvolume(text), kept) << text;
        EXPECT_EQ(isVolumeText(text), text == kept) << text;
    }
}

TEST(VolumeGuard, APastedTextOfThirtyThousandDigitsEndsInRange) {
    EXPECT_EQ(validvolume(std::string(30000, '9')), "99");
    EXPECT_EQ(validvolume("1" + std::string(29999, '0')), "100");
    EXPECT_EQ(validvolume(std::string(29999, '0') + "1"), std::string(29999, '0') + "1");
    EXPECT_EQ(validvolume("50." + std::string(29997, '0')), "50." + std::string(29997, '0'));
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
