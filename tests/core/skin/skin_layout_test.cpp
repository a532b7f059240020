#include "core/skin/screen_fit.h"
#include "core/skin/skin_layout.h"

#include <gtest/gtest.h>

namespace jukewright {
namespace {

SkinTable<std::optional<TwipsSize>> designedPictures() {
    SkinTable<std::optional<TwipsSize>> pictures;
    for (std::size_t i = 0; i < SkinPartCount; ++i)
        pictures[i] = TwipsSize{DesignedSkinLayout[i].width, DesignedSkinLayout[i].height};
    return pictures;
}

TwipsRect at(const SkinTable<TwipsRect>& layout, SkinPart part) {
    return layout[indexOf(part)];
}

// Pictures of the designed sizes, and no pictures at all, give the designed places; the list's
// background always lies under the row of buttons.
TEST(SkinLayout, DesignedPicturesOrNoneGiveTheDesignedPlacesWithTheListBackgroundUnderTheRow) {
    for (const auto& pictures : {designedPictures(), SkinTable<std::optional<TwipsSize>>{}}) {
        const auto layout = packSkin(pictures);
        for (std::size_t i = 0; i < SkinPartCount; ++i)
            if (i != indexOf(SkinPart::Plbg)) {
                EXPECT_EQ(layout[i], DesignedSkinLayout[i]) << SkinPictures[i].control;
            }
        EXPECT_EQ(at(layout, SkinPart::Plbg), (TwipsRect{-15, 3225, 15360, 8295}));
    }
}

TEST(SkinLayout, AWiderAddButtonMovesTheRestOfTheRowAndTheirTwinsUnderATitleOfItsOwnSize) {
    auto pictures = designedPictures();
    pictures[indexOf(SkinPart::Add)]->width += 300;
    pictures[indexOf(SkinPart::Title)] = TwipsSize{3000, 4500};
    const auto layout = packSkin(pictures);
    const auto designed = packSkin(designedPictures());
    for (SkinPart part : {SkinPart::Playlist, SkinPart::Remove, SkinPart::WriteScript, SkinPart::Rightside,
                          SkinPart::Playlistb, SkinPart::Removeb, SkinPart::WriteScriptb}) {
        EXPECT_EQ(at(layout, part).left, at(designed, part).left + 300) << SkinPictures[indexOf(part)].control;
        EXPECT_EQ(at(layout, part).top, 2490);
    }
    EXPECT_EQ(at(layout, SkinPart::Addb).left, at(layout, SkinPart::Add).left);
    EXPECT_EQ(at(layout, SkinPart::Add).width, 2505);
    EXPECT_EQ(at(layout, SkinPart::Add).top, 2490);
    EXPECT_EQ(at(layout, SkinPart::Title), (TwipsRect{0, 0, 15360, 2490}));
}

TEST(SkinLayout, ATallerLeftPieceMovesOnlyTheListBackgroundDown) {
    auto pictures = designedPictures();
    pictures[indexOf(SkinPart::Leftside)]->height = 900;
    const auto layout = packSkin(pictures);
    EXPECT_EQ(at(layout, SkinPart::Plbg).top, 2490 + 900);
    EXPECT_EQ(at(layout, SkinPart::Plbg).left, -15);
    for (SkinPart part : {SkinPart::Add, SkinPart::Playlist, SkinPart::Remove, SkinPart::WriteScript})
        EXPECT_EQ(at(layout, part).top, 2490);
}

TEST(SkinLayout, AMissingPictureKeepsItsControlAtTheDesignedSizeSoTheRowStaysInPlace) {
    auto pictures = designedPictures();
    pictures[indexOf(SkinPart::Playlist)] = std::nullopt;
    pictures[indexOf(SkinPart::Removeb)] = std::nullopt;
    pictures[indexOf(SkinPart::Add)]->width = 3000;
    const auto layout = packSkin(pictures);
    EXPECT_EQ(at(layout, SkinPart::Playlist), (TwipsRect{480 + 3000, 2490, 2430, 735}));
    EXPECT_EQ(at(layout, SkinPart::Remove).left, 480 + 3000 + 2430);
    EXPECT_EQ(at(layout, SkinPart::Removeb), at(layout, SkinPart::Remove));
}

TEST(ScreenFit, ScreensBelowElevenThousandSixHundredTwipsGetTheReducedHeight) {
    // screen height in twips, window height (0: the designed size)
    const std::pair<int, int> cases[] = {{11520, 11190}, {11599, 11190}, {9000, 11190}, {11600, 0}, {12000, 0}};
    for (const auto& [screen, window] : cases)
        EXPECT_EQ(fittedWindowHeight(screen).value_or(0), window) << screen;
}

} // namespace
} // namespace jukewright
