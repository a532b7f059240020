#include "core/window/hover_twins.h"

#include <gtest/gtest.h>
#include <string>

using namespace jukewright;

namespace {

// The twins shown, one letter each in the row's order ("A-R-": the add and remove twins).
std::string shown(const HoverTwins& hover) {
    std::string letters;
    for (std::size_t i = 0; i < HoverTwins::Pairs.size(); ++i)
        letters += hover.shown()[i] ? "APRW"[i] : '-';
    return letters;
}

} // namespace

TEST(HoverTwins, ButtonsShowTwinsTwinsKeepOnlyThemselvesAndTheBackgroundsHideAll) {
    // the control under the pointer, the twins shown after it, whether that changed anything
    const std::tuple<std::string, std::string, bool> steps[] = {
        {"lstPlaylist", "----", false}, {"imgAdd", "A---", true},          {"imgRemove", "A-R-", true},
        {"imgRemove", "A-R-", false},   {"cboSteamFolder", "A-R-", false}, {"imgEnglish", "A-R-", false},
        {"imgRemoveb", "--R-", true},   {"imgWriteScript", "--RW", true},  {"imgTitle", "----", true},
        {"imgPlaylist", "-P--", true},  {"imgPlbg", "----", true},         {"imgWriteScriptb", "---W", true},
        {"imgAdd", "A--W", true},       {"frmMain", "----", true},
    };
    HoverTwins hover;
    for (const auto& [control, after, changed] : steps) {
        SCOPED_TRACE(control);
        EXPECT_EQ(hover.pointerOver(control), changed);
        EXPECT_EQ(shown(hover), after);
    }
    hover.pointerOver("imgPlaylist");
    hover.pointerOver("imgRemove");
    hover.hide("imgPlaylistb");
    EXPECT_EQ(shown(hover), "--R-");
}
