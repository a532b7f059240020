#pragma once

#include "core/window/dialog_design.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace jukewright {

// The mod folder browser: the path box, the drive list and the folder list as designed, widened on
// the right for the Half-Life mods installed through Steam. Ok is the default button.
struct BrowseDesign {
    static constexpr WindowDesign Window{"frmBrowse", "Jukewright - Browse Folders", {7470, 5685}};

    static constexpr ControlDesign Label3{
        "Label3", ControlKind::Label, "Please Select your mod folder:", {120, 120, 2775, 255}};
    static constexpr ControlDesign txtPath{"txtPath", ControlKind::TextBox, "", {240, 360, 4335, 360}};
    static constexpr ControlDesign Drive1{"Drive1", ControlKind::DriveList, "", {360, 840, 4095, 360}};
    static constexpr ControlDesign dirBrowse{"dirBrowse", ControlKind::DirectoryList, "", {360, 1320, 4095, 3690}};
    static constexpr ControlDesign lblMods{
        "lblMods", ControlKind::Label, "Mods installed through Steam:", {4680, 120, 2550, 255}};
    static constexpr ControlDesign lstMods{"lstMods", ControlKind::ListBox, "", {4680, 360, 2550, 4650}};
    static constexpr ControlDesign lblNoMods{"lblNoMods", ControlKind::Label, "", {4680, 360, 2550, 4650}};
    static constexpr ControlDesign cmdCancel{"cmdCancel", ControlKind::Button, "Cancel", {4560, 5160, 1230, 375}};
    static constexpr ControlDesign cmdOk{"cmdOk", ControlKind::Button, "Ok", {6000, 5160, 1230, 375}};

    // In the order Tab walks them.
    static constexpr std::array Controls{Label3,  txtPath,   Drive1,    dirBrowse, lblMods,
                                         lstMods, lblNoMods, cmdCancel, cmdOk};
};

// Where the list of installed mods and its note go: the rows alone, or the note alone, fill the
// column; both share it, the rows above the note.
struct ModListFace {
    TwipsRect rows;
    TwipsRect note;
    bool showRows = false;
    bool showNote = false;

    bool operator==(const ModListFace&) const = default;
};

constexpr ModListFace modListFace(std::size_t rowCount, std::string_view note) {
    const bool rowsAndNote = rowCount > 0 && !note.empty();
    return {rowsAndNote ? TwipsRect{4680, 360, 2550, 2880} : BrowseDesign::lstMods.place,
            rowsAndNote ? TwipsRect{4680, 3360, 2550, 1650} : BrowseDesign::lblNoMods.place, rowCount > 0,
            !note.empty()};
}

} // namespace jukewright
