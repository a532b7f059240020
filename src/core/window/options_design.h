#pragma once

#include "core/window/dialog_design.h"

#include <array>

namespace jukewright {

// The options dialog: the two initial volumes, Apply, Ok and Cancel. Ok is the default button.
struct OptionsDesign {
    static constexpr WindowDesign Window{"frmOptions", "Jukewright - Options", {4170, 2310}};

    static constexpr ControlDesign Label1{
        "Label1", ControlKind::Label, "Initial Volumes (0-100):", {240, 240, 2055, 255}};
    static constexpr ControlDesign Label3{"Label3", ControlKind::Label, "MP3:", {480, 720, 615, 255}};
    static constexpr ControlDesign txtMP3Vol{"txtMP3Vol", ControlKind::TextBox, "", {1200, 720, 855, 270}};
    static constexpr ControlDesign Label2{"Label2", ControlKind::Label, "Game:", {480, 1080, 735, 255}};
    static constexpr ControlDesign txtGameVol{"txtGameVol", ControlKind::TextBox, "", {1200, 1080, 855, 270}};
    static constexpr ControlDesign cmdCancel{"cmdCancel", ControlKind::Button, "Cancel", {120, 1800, 1230, 375}};
    static constexpr ControlDesign cmdApply{"cmdApply", ControlKind::Button, "Apply", {1440, 1800, 1230, 375}};
    static constexpr ControlDesign cmdOk{"cmdOk", ControlKind::Button, "Ok", {2760, 1800, 1230, 375}};

    // In the order Tab walks them.
    static constexpr std::array Controls{Label1, Label3, txtMP3Vol, Label2, txtGameVol, cmdCancel, cmdApply, cmdOk};
};

} // namespace jukewright
