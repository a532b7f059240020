#include "core/skin/screen_fit.h"

#include <gtest/gtest.h>

using namespace jukewright;

TEST(ScreenFit, ScreensBelowElevenThousandSixHundredTwipsGetTheReducedHeight) {
    // screen height in twips, window height (0: the designed size)
    const std::pair<int, int> cases[] = {{11520, 11190}, {11599, 11190}, {9000, 11190}, {11600, 0}, {12000, 0}};
    for (const auto& [screen, window] : cases)
        EXPECT_EQ(fittedWindowHeight(screen).value_or(0), window) << screen;
}
