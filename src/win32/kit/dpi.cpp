#include "win32/kit/dpi.h"

namespace jukewright::win32 {

Dpi Dpi::of(HWND window) {
    const UINT dpi = window ? GetDpiForWindow(window) : 0;
    if (dpi != 0)
        return Dpi(dpi);
    HDC screen = GetDC(nullptr);
    const int system = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return Dpi(system > 0 ? static_cast<UINT>(system) : Standard);
}

RECT Dpi::rect(const TwipsRect& place) const {
    return {twips(place.left), twips(place.top), twips(place.right()), twips(place.bottom())};
}

SIZE Dpi::size(const TwipsSize& size) const {
    return {twips(size.width), twips(size.height)};
}

void placeTwips(HWND control, const TwipsRect& place, const Dpi& dpi) {
    const RECT r = dpi.rect(place);
    SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace jukewright::win32
