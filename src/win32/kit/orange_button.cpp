#include "win32/kit/orange_button.h"

#include "win32/kit/palette.h"
#include "win32/kit/wide_text.h"
#include "win32/kit/window_class.h"

#include <string>

namespace jukewright::win32 {

HWND createOrangeButton(HWND parent, int id, std::string_view name, std::string_view caption, const RECT& place,
                        const Font& font) {
    HWND button =
        CreateWindowExW(0, L"BUTTON", wide(caption).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                        place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    nameControl(button, name);
    return button;
}

bool drawOrangeButton(const DRAWITEMSTRUCT& item, bool isDefault) {
    if (item.CtlType != ODT_BUTTON)
        return false;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const Brush face(CreateSolidBrush(pressed ? Dark : Orange));
    const Brush frame(CreateSolidBrush(White));
    RECT box = item.rcItem;
    FillRect(item.hDC, &box, face.get());
    FrameRect(item.hDC, &box, frame.get());
    if (isDefault) {
        InflateRect(&box, -1, -1);
        FrameRect(item.hDC, &box, frame.get());
    }
    wchar_t caption[128];
    const int length = GetWindowTextW(item.hwndItem, caption, 128);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, (item.itemState & ODS_DISABLED) ? Dark : White);
    RECT text = item.rcItem;
    DrawTextW(item.hDC, caption, length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
    return true;
}

} // namespace jukewright::win32
