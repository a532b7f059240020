#include "core/skin/skin_layout.h"

namespace jukewright {

SkinTable<TwipsRect> packSkin(const SkinTable<std::optional<TwipsSize>>& pictures) {
    SkinTable<TwipsRect> layout = DesignedSkinLayout;
    for (std::size_t i = 0; i < SkinPartCount; ++i) {
        if (i != indexOf(SkinPart::Title) && pictures[i]) {
            layout[i].width = pictures[i]->width;
            layout[i].height = pictures[i]->height;
        }
    }
    const int rowTop = layout[indexOf(SkinPart::Title)].height;
    int left = 0;
    for (SkinPart part : {SkinPart::Leftside, SkinPart::Add, SkinPart::Playlist, SkinPart::Remove,
                          SkinPart::WriteScript, SkinPart::Rightside}) {
        TwipsRect& place = layout[indexOf(part)];
        place.left = left;
        place.top = rowTop;
        left = place.right();
    }
    // Only the top of the list background follows the row; its left stays as designed.
    layout[indexOf(SkinPart::Plbg)].top = layout[indexOf(SkinPart::Leftside)].bottom();

    const std::pair<SkinPart, SkinPart> twins[] = {{SkinPart::Addb, SkinPart::Add},
                                                   {SkinPart::Playlistb, SkinPart::Playlist},
                                                   {SkinPart::Removeb, SkinPart::Remove},
                                                   {SkinPart::WriteScriptb, SkinPart::WriteScript}};
    for (const auto& [twin, button] : twins) {
        layout[indexOf(twin)].left = layout[indexOf(button)].left;
        layout[indexOf(twin)].top = layout[indexOf(button)].top;
    }
    return layout;
}

} // namespace jukewright
