#pragma once

#include "win32/kit/dpi.h"
#include "win32/kit/gdi_object.h"

namespace jukewright::win32 {

// The designed faces at the window's density: Tahoma 9 for the lists, Arial 8.25 for the dialogs'
// text. Where the system lacks a face, its font mapper picks the nearest sans-serif one.
Font designFont(const wchar_t* face, double points, const Dpi& dpi, bool bold = false);

inline Font tahomaFont(const Dpi& dpi, double points = 9) {
    return designFont(L"Tahoma", points, dpi);
}
inline Font arialFont(const Dpi& dpi, double points = 8.25) {
    return designFont(L"Arial", points, dpi);
}

// Gives a control its font; the font must outlive the control.
void setFont(HWND control, const Font& font);

} // namespace jukewright::win32
