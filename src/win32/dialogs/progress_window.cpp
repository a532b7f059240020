#include "win32/dialogs/progress_window.h"

#include "win32/kit/wide_text.h"
#include "win32/kit/window_class.h"
#include "win32/kit/window_text.h"

#include <windows.h>
// These need windows.h before them.
#include <commctrl.h>
#include <uxtheme.h>

namespace jukewright::win32 {

namespace {

// The designed client area and places, in pixels at 96 dots per inch.
constexpr SIZE ClientArea{371, 127};
constexpr SIZE StageSize{300, 20};
constexpr int StageLeft = (ClientArea.cx - StageSize.cx) / 2;
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
enum ControlId { StageId = 100, BarId = 200 };

} // namespace

frmScript::frmScript(HWND owner) : m_dpi(Dpi::of(owner)) {
    registerWindowClass({ClassName, ownedWindowProc<frmScript>, m_palette.orange.get(), IDC_ARROW, true});
    RECT frame{0, 0, m_dpi.scale(ClientArea.cx), m_dpi.scale(ClientArea.cy)};
    AdjustWindowRectExForDpi(&frame, Style, FALSE, 0, m_dpi.value());
    CreateWindowExW(0, ClassName, wide(GeneratingCaption).c_str(), Style, CW_USEDEFAULT, CW_USEDEFAULT,
                    frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, GetModuleHandleW(nullptr),
                    this);
    createStage(imgGen, "imgGen", L"STAGE_GENERATING", 14, false);
    createStage(imgGenb, "imgGenb", L"STAGE_GENERATING_GLOW", 14, true);
    createStage(imgCopy, "imgCopy", L"STAGE_COPYING", 40, false);
    createStage(imgCopyb, "imgCopyb", L"STAGE_COPYING_GLOW", 40, true);
    createStage(imgComp, "imgComp", L"STAGE_COMPLETE", 66, false);
    createStage(imgCompb, "imgCompb", L"STAGE_COMPLETE_GLOW", 66, true);

    prgFilecopy =
        CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | PBS_SMOOTH, m_dpi.scale(8), m_dpi.scale(97),
                        m_dpi.scale(ClientArea.cx - 16), m_dpi.scale(20), m_window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(BarId)), GetModuleHandleW(nullptr), nullptr);
    nameControl(prgFilecopy, "prgFilecopy");
    // A themed bar ignores colours: a dark slot that fills with the stages' glow.
    SetWindowTheme(prgFilecopy, L" ", L" ");
    SendMessageW(prgFilecopy, PBM_SETBKCOLOR, 0, Dark);
    SendMessageW(prgFilecopy, PBM_SETBARCOLOR, 0, BarGlow);
    setMaximum(1);
}

frmScript::~frmScript() {
    if (m_window)
        DestroyWindow(m_window);
}

void frmScript::createStage(PictureButton& picture, const char* name, const wchar_t* resource, int top,
                            bool highlighted) {
    picture.create(m_window, StageId + top, name, false);
    picture.setPicture(loadPictureResource(resource));
    SetWindowPos(picture.window(), nullptr, m_dpi.scale(StageLeft), m_dpi.scale(top), m_dpi.scale(StageSize.cx),
                 m_dpi.scale(StageSize.cy), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(picture.window(), highlighted ? SW_HIDE : SW_SHOWNA);
}

void frmScript::showStage(PictureButton& plain, PictureButton& highlighted, bool current) {
    ShowWindow(plain.window(), current ? SW_HIDE : SW_SHOWNA);
    ShowWindow(highlighted.window(), current ? SW_SHOWNA : SW_HIDE);
}

void frmScript::setStage(SaveStage stage) {
    showStage(imgGen, imgGenb, stage == SaveStage::GeneratingScript);
    showStage(imgCopy, imgCopyb, stage == SaveStage::CopyingFiles);
    showStage(imgComp, imgCompb, stage == SaveStage::Complete);
}

void frmScript::startOver() {
    setWindowText(m_window, GeneratingCaption);
    setMaximum(1);
    setValue(0);
}

void frmScript::showFailed() {
    setWindowText(m_window, FailedCaption);
    showStage(imgGen, imgGenb, false);
    showStage(imgCopy, imgCopyb, false);
    showStage(imgComp, imgCompb, false);
}

void frmScript::setMaximum(int maximum) {
    SendMessageW(prgFilecopy, PBM_SETRANGE32, 0, maximum);
}

void frmScript::setValue(int value) {
    SendMessageW(prgFilecopy, PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

LRESULT frmScript::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        m_window = window;
        break;
    case WM_CLOSE:
        // During a save the person only wants it out of sight; the save goes on and keeps drawing here.
        if (m_saving)
            ShowWindow(window, SW_HIDE);
        else
            DestroyWindow(window);
        return 0;
    case WM_NCDESTROY:
        m_window = nullptr;
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace jukewright::win32
