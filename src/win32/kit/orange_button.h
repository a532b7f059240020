#pragma once

#include "win32/kit/gdi_object.h"

#include <string_view>
#include <windows.h>

namespace jukewright::win32 {

// The dialogs' push buttons: owner-drawn, since a themed button ignores the orange. The parent answers
// WM_DRAWITEM for them with drawOrangeButton. A default button (`isDefault`) gets a thicker frame;
// Enter pressing it is the dialog's own affair (IDOK).
HWND createOrangeButton(HWND parent, int id, std::string_view name, std::string_view caption, const RECT& place,
                        const Font& font);

// Draws an orange button: orange with white text, dark while pressed, a dotted frame with the focus.
// False when the item is no button.
bool drawOrangeButton(const DRAWITEMSTRUCT& item, bool isDefault = false);

} // namespace jukewright::win32
