#pragma once

#include "core/skin/twips.h"

#include <string_view>

namespace jukewright {

// The faces the dialogs are designed in; each window finds the nearest face the system has.
enum class FontFace { Arial, LucidaConsole };

constexpr std::string_view faceName(FontFace face) {
    return face == FontFace::Arial ? "Arial" : "Lucida Console";
}

struct FontDesign {
    FontFace face = FontFace::Arial;
    double points = 8.25;

    bool operator==(const FontDesign&) const = default;
};

// The dialogs' own font: Arial at the system's dialog size.
inline constexpr FontDesign DialogFont{FontFace::Arial, 8.25};

enum class ControlKind { Label, TextBox, Button, DriveList, DirectoryList, ListBox, Picture, ProgressBar };

// One control as designed: the name tests and the code know it by, what it is, the text it starts
// with and its place in twips. A control without a font of its own has the window's.
struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    TwipsRect place;
    FontDesign font = {};
    bool ownFont = false;
};

// A window as designed: its name, caption, client area and font.
struct WindowDesign {
    std::string_view name;
    std::string_view caption;
    TwipsSize clientArea;
    FontDesign font = DialogFont;
};

} // namespace jukewright
