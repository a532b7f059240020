#pragma once

#include "core/window/dialog_design.h"

#include <array>

namespace jukewright {

// The media library window: artists and albums side by side, each list under its caption. Designed
// in pixels (472 by 324), given here in twips. Not modal: one window, brought to the front when opened
// again.
struct MediaLibraryDesign {
    static constexpr WindowDesign Window{"frmMediaLib", "Jukewright - Windows Media Libary", {7080, 4860}};

    static constexpr ControlDesign lblArtists{"lblArtists", ControlKind::Label, "Artists:", {180, 180, 3300, 270}};
    static constexpr ControlDesign lstArtists{"lstArtists", ControlKind::ListBox, "", {180, 480, 3300, 4200}};
    static constexpr ControlDesign lblAlbums{"lblAlbums", ControlKind::Label, "Albums:", {3600, 180, 3300, 270}};
    static constexpr ControlDesign lstAlbums{"lstAlbums", ControlKind::ListBox, "", {3600, 480, 3300, 4200}};

    static constexpr std::array Controls{lblArtists, lstArtists, lblAlbums, lstAlbums};
};

} // namespace jukewright
