#pragma once

#include "core/credits/credits_roll.h"
#include "core/window/dialog_design.h"

#include <array>

namespace jukewright {

// The about window: the product's name and slogan over the credits roll.
struct AboutDesign {
    static constexpr WindowDesign Window{"frmAbout", "Jukewright - About", {7575, 6450}};

    static constexpr ControlDesign Label1{
        "Label1", ControlKind::Label, "JUKEWRIGHT", {120, 120, 7215, 855}, {FontFace::Arial, 36}, true};
    static constexpr ControlDesign Label2{
        "Label2", ControlKind::Label, "YOUR GAME. YOUR MUSIC", {1800, 840, 7215, 495}, {FontFace::Arial, 21.75}, true};
    static constexpr ControlDesign Label3{
        "Label3", ControlKind::Label, "CREDITS:", {240, 1680, 1455, 375}, {FontFace::Arial, 14.25}, true};
    // The credit labels' tops are the roll's; these are their places before it starts.
    static constexpr ControlDesign lblPosition{
        "lblPosition", ControlKind::Label, "", {480, 2160, 6975, 375}, {FontFace::LucidaConsole, 12.75}, true};
    static constexpr ControlDesign lblName{
        "lblName", ControlKind::Label, "", {480, 2400, 6975, 1335}, {FontFace::LucidaConsole, 14.25}, true};

    static constexpr std::array Controls{Label1, Label2, Label3, lblPosition, lblName};

    // The roll steps every 40 ms.
    static constexpr int TickMilliseconds = 40;

    // The designed outer height, not the frame the window manager draws, so the roll is the same
    // everywhere.
    static constexpr CreditsGeometry rollGeometry() {
        CreditsGeometry geometry;
        geometry.outerHeight = Window.clientArea.height;
        geometry.positionHeight = lblPosition.place.height;
        geometry.nameHeight = lblName.place.height;
        return geometry;
    }
};

// Where the roll puts the two credit labels now.
struct CreditLabelPlaces {
    TwipsRect position;
    TwipsRect name;
};

inline CreditLabelPlaces creditLabelPlaces(const CreditsRoll& roll) {
    TwipsRect position = AboutDesign::lblPosition.place, name = AboutDesign::lblName.place;
    position.top = roll.positionTop();
    name.top = roll.nameTop();
    return {position, name};
}

} // namespace jukewright
