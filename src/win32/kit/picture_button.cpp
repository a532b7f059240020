#include "win32/kit/picture_button.h"

#include "win32/kit/window_class.h"

#include <windows.h>
// These need windows.h before them.
#include <windowsx.h>

namespace jukewright::win32 {

void PictureButton::create(HWND parent, int id, std::string_view name, bool hand) {
    registerWindowClass({ClassName, ownedWindowProc<PictureButton>});
    m_hand = hand;
    m_window = CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), this);
    nameControl(m_window, name);
}

void PictureButton::setPicture(Picture picture) {
    m_picture = std::move(picture);
    InvalidateRect(m_window, nullptr, FALSE);
}

void PictureButton::notify(WORD code) const {
    SendMessageW(GetParent(m_window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_window), code),
                 reinterpret_cast<LPARAM>(m_window));
}

void PictureButton::paint() const {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_window, &paint);
    RECT client;
    GetClientRect(m_window, &client);
    FillRect(dc, &client, m_background.get());
    if (m_backdrop)
        m_backdrop->drawBeneath(dc, m_window);
    drawPicture(dc, m_picture, client);
    EndPaint(m_window, &paint);
}

void PictureButton::drawBeneath(HDC dc, HWND control) const {
    // This button's place in the control's client coordinates; drawing there is clipped to the control.
    RECT place;
    GetClientRect(m_window, &place);
    MapWindowPoints(m_window, control, reinterpret_cast<POINT*>(&place), 2);
    drawPicture(dc, m_picture, place);
}

LRESULT PictureButton::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        m_window = window;
        break;
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        if (m_hand && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE:
        notify(PicturePointerMoved);
        return 0;
    case WM_LBUTTONDOWN:
        m_pressed = true;
        SetCapture(window);
        return 0;
    case WM_LBUTTONUP: {
        if (!m_pressed)
            return 0;
        m_pressed = false;
        ReleaseCapture();
        RECT client;
        GetClientRect(window, &client);
        if (PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            notify(PictureClicked);
        return 0;
    }
    case WM_CAPTURECHANGED:
        m_pressed = false;
        return 0;
    case BM_CLICK:
        notify(PictureClicked);
        return 0;
    case WM_NCDESTROY:
        m_window = nullptr;
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace jukewright::win32
