#pragma once

#include "core/window/dialog_design.h"

#include <array>

namespace jukewright {

// The media library window: artists and albums side by side, each list under its caption, and under
// them one row for the scan's status line and the button that scans again. Designed in pixels (472 by
// 357), given here in twips. Not modal: one window, brought to the front when opened again.
struct MediaLibraryDesign {
    static constexpr WindowDesign Window{"frmMediaLib", "Jukewright - Windows Media Libary", {7080, 5355}};

    static constexpr ControlDesign lblArtists{"lblArtists", ControlKind::Label, "Artists:", {180, 180, 3300, 270}};
    static constexpr ControlDesign lstArtists{"lstArtists", ControlKind::ListBox, "", {180, 480, 3300, 4200}};
    static constexpr ControlDesign lblAlbums{"lblAlbums", ControlKind::Label, "Albums:", {3600, 180, 3300, 270}};
    static constexpr ControlDesign lstAlbums{"lstAlbums", ControlKind::ListBox, "", {3600, 480, 3300, 4200}};

    static constexpr ControlDesign lblScanStatus{"lblScanStatus", ControlKind::Label, "", {180, 4860, 5310, 270}};
    static constexpr ControlDesign cmdRefresh{"cmdRefresh", ControlKind::Button, "Refresh", {5670, 4800, 1230, 375}};

    static constexpr std::array Controls{lblArtists, lstArtists, lblAlbums, lstAlbums, lblScanStatus, cmdRefresh};
};

} // namespace jukewright
