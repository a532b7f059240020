#pragma once

#include "win32/kit/gdi_object.h"

#include <windows.h>

namespace jukewright::win32 {

// Every window of the program is orange with white text; what is selected or done shows dark, like
// the skins' button row. Themed controls ignore these, so the windows colour or draw their controls
// themselves.
inline constexpr COLORREF Orange = RGB(246, 145, 16);
inline constexpr COLORREF Dark = RGB(52, 36, 26);
inline constexpr COLORREF White = RGB(255, 255, 255);
// The glow of the highlighted stage pictures, which fills the progress bar.
inline constexpr COLORREF BarGlow = RGB(255, 214, 120);

// The brushes of the palette, made once per window.
struct Palette {
    Brush orange{CreateSolidBrush(Orange)};
    Brush dark{CreateSolidBrush(Dark)};
};

// The answer to WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT and WM_CTLCOLORLISTBOX: white text on orange.
LRESULT colourOrange(HDC dc, const Palette& palette);

} // namespace jukewright::win32
