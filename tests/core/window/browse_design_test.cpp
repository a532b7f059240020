#include "core/window/browse_design.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace jukewright;

// The rows and the note share the column only when both have something to show; either alone fills it.
TEST(BrowseDesign, RowsAndNoteShareTheColumnOnlyWhenBothShow) {
    constexpr TwipsRect column = BrowseDesign::lstMods.place;
    const std::vector<std::tuple<std::size_t, std::string, ModListFace>> cases = {
        {0, "Steam was not found", {column, column, false, true}},
        {2, "", {column, column, true, false}},
        {2, "a library list could not be read", {{4680, 360, 2550, 2880}, {4680, 3360, 2550, 1650}, true, true}},
        {0, "", {column, column, false, false}},
    };
    for (const auto& [rows, note, face] : cases)
        EXPECT_EQ(modListFace(rows, note), face) << rows << " rows, note " << note;
}
