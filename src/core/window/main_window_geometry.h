#pragma once

#include "core/skin/twips.h"

namespace jukewright {

// The main window as designed, in twips. The skin controls are placed by the skin (see skin_layout.h);
// these are the controls the skin does not move. The list lies on the list background, the mod-folder
// caption, box and "..." below it, the media library, links and flags along the bottom edge.
struct MainWindowGeometry {
    static constexpr TwipsSize ClientArea{15330, 11490};

    static constexpr TwipsRect lstPlaylist{450, 3525, 14430, 6000};
    static constexpr TwipsRect imgModFold{450, 9780, 2250, 300};
    static constexpr TwipsRect lblModPath{2850, 9780, 12030, 300};
    static constexpr TwipsRect cboSteamFolder{450, 10170, 13890, 360};
    static constexpr TwipsRect lblBrowse{14430, 10170, 450, 360};
    static constexpr TwipsRect imgMediaLibary{450, 10710, 2250, 600};
    static constexpr TwipsRect lblMorvane{3150, 10770, 6000, 240};
    static constexpr TwipsRect lblJukewright{3150, 11040, 6000, 240};
    static constexpr TwipsRect imgEnglish{13980, 10890, 375, 210};
    static constexpr TwipsRect imgGerman{14505, 10890, 375, 210};
};

} // namespace jukewright
