#pragma once

#include "core/skin/twips.h"

#include <windows.h>

namespace jukewright::win32 {

// The windows are designed in twips, as the core's tables give them; at 96 dots per inch 15 twips make
// one pixel. A window on a denser screen scales those pixels by dpi/96. Each edge is scaled on its own,
// so controls that touch in the design still touch at any density: the skin's button row stays one row.
class Dpi {
public:
    static constexpr UINT Standard = USER_DEFAULT_SCREEN_DPI;

    explicit Dpi(UINT dotsPerInch = Standard) : m_dpi(dotsPerInch) {}
    // The density the window is shown at (the system's when the window has none of its own).
    static Dpi of(HWND window);

    UINT value() const { return m_dpi; }
    // Pixels at 96 dots per inch as pixels at this density.
    int scale(int pixels) const { return MulDiv(pixels, static_cast<int>(m_dpi), Standard); }
    int twips(int twips) const { return scale(twipsToPixels(twips)); }
    RECT rect(const TwipsRect& place) const;
    SIZE size(const TwipsSize& size) const;
    // Pixels at this density as twips, for the core's rules that count in twips.
    int toTwips(int pixels) const { return pixelsToTwips(MulDiv(pixels, Standard, static_cast<int>(m_dpi))); }

private:
    UINT m_dpi;
};

// Places a child window at its designed twips.
void placeTwips(HWND control, const TwipsRect& place, const Dpi& dpi);

} // namespace jukewright::win32
