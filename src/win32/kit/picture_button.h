#pragma once

#include "win32/kit/palette.h"
#include "win32/kit/pictures.h"

#include <string_view>
#include <windows.h>

namespace jukewright::win32 {

// What a picture button tells its parent, in WM_COMMAND's high word: a click (BN_CLICKED, also for
// BM_CLICK) and each movement of the pointer over it, for the main window's hover protocol.
inline constexpr WORD PictureClicked = BN_CLICKED;
inline constexpr WORD PicturePointerMoved = 0x0100;

// A picture the person can click: paints its picture stretched over its rectangle on orange, clicks on
// a release inside after a press inside, like any button, and reports every pointer movement over it.
class PictureButton {
public:
    static constexpr const wchar_t* ClassName = L"JukewrightPictureButton";

    PictureButton() = default;
    PictureButton(const PictureButton&) = delete;
    PictureButton& operator=(const PictureButton&) = delete;

    // Makes the child window, named `name`, hidden until shown. `hand` gives it the pointing hand.
    void create(HWND parent, int id, std::string_view name, bool hand);
    HWND window() const { return m_window; }

    // An empty picture leaves the control empty (orange).
    void setPicture(Picture picture);
    const Picture& picture() const { return m_picture; }
    // The picture this one lies on: what its own picture leaves transparent shows that one's, not orange.
    void setBackdrop(const PictureButton* under) { m_backdrop = under; }

    // Draws this button's picture as it shows beneath `control`, over the control's whole client area.
    void drawBeneath(HDC dc, HWND control) const;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void notify(WORD code) const;
    void paint() const;

    HWND m_window = nullptr;
    Picture m_picture;
    Brush m_background{CreateSolidBrush(Orange)};
    const PictureButton* m_backdrop = nullptr;
    bool m_hand = false;
    bool m_pressed = false;
};

} // namespace jukewright::win32
