#include "win32/kit/designed_window.h"

#include "win32/kit/fonts.h"
#include "win32/kit/orange_button.h"
#include "win32/kit/wide_text.h"
#include "win32/kit/window_class.h"

#include <algorithm>
#include <cmath>
#include <commctrl.h>
#include <string>

namespace jukewright::win32 {

namespace {

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass controlClass(ControlKind kind) {
    constexpr DWORD framed = WS_EX_CLIENTEDGE;
    switch (kind) {
    case ControlKind::Label:
        return {L"STATIC", WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::TextBox:
        return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, framed};
    case ControlKind::Button:
        break;
    case ControlKind::DriveList:
        // Drawn by its window: a themed combo box ignores the orange.
        return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 0};
    case ControlKind::DirectoryList:
        return {L"LISTBOX",
                WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                framed};
    case ControlKind::ListBox:
        return {L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, framed};
    case ControlKind::Picture:
        return {L"STATIC", SS_LEFT, 0};
    case ControlKind::ProgressBar:
        return {PROGRESS_CLASSW, 0, 0};
    }
    return {L"BUTTON", 0, 0};
}

// A drop-down list's height is its open height; closed, it shows the designed one.
constexpr int DropDownRows = 8;

// The designed face at the window's density; where the system lacks it, the font mapper takes the
// nearest face of its kind: a sans-serif one for Arial, one of fixed pitch for Lucida Console.
Font fontOfDesign(const FontDesign& design, const Dpi& dpi) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(design.points * dpi.value() / 72.0));
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = design.face == FontFace::Arial ? VARIABLE_PITCH | FF_SWISS : FIXED_PITCH | FF_MODERN;
    const std::wstring face = wide(faceName(design.face));
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&font));
}

RECT centredOver(HWND owner, SIZE size) {
    RECT area{};
    HMONITOR monitor = MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{sizeof(MONITORINFO), {}, {}, 0};
    if (GetMonitorInfoW(monitor, &info))
        area = info.rcWork;
    RECT around = area;
    if (owner)
        GetWindowRect(owner, &around);
    LONG left = around.left + (around.right - around.left - size.cx) / 2;
    LONG top = around.top + (around.bottom - around.top - size.cy) / 2;
    // The caption stays on the screen, where the person can reach it.
    left = std::max(area.left, std::min(left, area.right - size.cx));
    top = std::max(area.top, std::min(top, area.bottom - size.cy));
    return {left, top, left + size.cx, top + size.cy};
}

} // namespace

// The window's last messages find the object gone, so they get the system's own handling.
DesignedWindow::~DesignedWindow() {
    if (!m_window)
        return;
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
}

void DesignedWindow::destroyWindow() {
    if (m_window)
        DestroyWindow(m_window);
}

void DesignedWindow::createWindow(const WindowDesign& design, HWND owner, DWORD style) {
    registerWindowClass({ClassName, ownedWindowProc<DesignedWindow>, nullptr, IDC_ARROW, true});
    m_window =
        CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, ClassName, wide(design.caption).c_str(), style,
                        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
    nameControl(m_window, design.name);
    m_dpi = Dpi::of(m_window);
    m_font = fontOfDesign(design.font, m_dpi);
    const SIZE client = m_dpi.size(design.clientArea);
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, style, FALSE, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, m_dpi.value());
    const RECT place = centredOver(owner, {frame.right - frame.left, frame.bottom - frame.top});
    SetWindowPos(m_window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND DesignedWindow::addControl(int id, const ControlDesign& design, DWORD extraStyle) {
    const Font* font = &m_font;
    if (design.ownFont) {
        m_ownFonts.push_back(fontOfDesign(design.font, m_dpi));
        font = &m_ownFonts.back();
    }
    const RECT place = m_dpi.rect(design.place);
    if (design.kind == ControlKind::Button)
        return createOrangeButton(m_window, id, design.name, design.caption, place, *font);
    const ControlClass kind = controlClass(design.kind);
    const int height = place.bottom - place.top;
    const bool dropDown = design.kind == ControlKind::DriveList;
    HWND control = CreateWindowExW(
        kind.extendedStyle, kind.name, wide(design.caption).c_str(), WS_CHILD | WS_VISIBLE | kind.style | extraStyle,
        place.left, place.top, place.right - place.left, dropDown ? height * DropDownRows : height, m_window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    nameControl(control, design.name);
    setFont(control, *font);
    if (design.kind == ControlKind::Label)
        m_labels.push_back(control);
    if (dropDown) {
        // The closed box keeps the designed height: its row is the box less its frame.
        const int row = height - m_dpi.scale(6);
        SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), row);
        SendMessageW(control, CB_SETITEMHEIGHT, 0, row);
    }
    return control;
}

int DesignedWindow::enterButton() const {
    HWND focus = GetFocus();
    wchar_t className[16] = {};
    if (focus && GetParent(focus) == m_window && GetClassNameW(focus, className, 16) > 0 &&
        std::wstring_view(className) == L"Button")
        return GetDlgCtrlID(focus);
    return m_defaultButton;
}

LRESULT DesignedWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        m_window = window;
    std::optional<LRESULT> result = m_window ? onMessage(message, wParam, lParam) : std::nullopt;
    if (!result)
        result = commonMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        m_window = nullptr;
        m_lastFocus = nullptr;
        m_ownFonts.clear();
        m_labels.clear();
    }
    return result ? *result : DefWindowProcW(window, message, wParam, lParam);
}

std::optional<LRESULT> DesignedWindow::commonMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(m_window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_palette.orange.get());
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return colourOrange(reinterpret_cast<HDC>(wParam), m_palette);
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(m_dpi.scale(16));
        return TRUE;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (drawOrangeButton(item, static_cast<int>(item.CtlID) == m_defaultButton))
            return TRUE;
        return std::nullopt;
    }
    case WM_SHOWWINDOW:
        if (wParam)
            keepLabelsBeneath();
        return std::nullopt;
    case WM_ACTIVATE:
        // As a dialog does: the focus leaves with the window and comes back to the same control.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(m_window, focus))
                m_lastFocus = focus;
        } else {
            restoreFocus();
        }
        return 0;
    default:
        return std::nullopt;
    }
}

// Labels are opaque, and some are designed to reach into what lies below them: the other controls lie
// above all labels, so a label never paints over a box's frame, and of two labels the later lies above
// the earlier, so the slogan's top is not cut by the name above it. The order Tab walks is untouched.
void DesignedWindow::keepLabelsBeneath() {
    for (auto label = m_labels.rbegin(); label != m_labels.rend(); ++label)
        SetWindowPos(*label, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_labels.clear();
}

void DesignedWindow::restoreFocus() {
    HWND focus = m_lastFocus && IsWindow(m_lastFocus) && IsWindowVisible(m_lastFocus)
                     ? m_lastFocus
                     : GetNextDlgTabItem(m_window, nullptr, FALSE);
    SetFocus(focus ? focus : m_window);
}

} // namespace jukewright::win32
