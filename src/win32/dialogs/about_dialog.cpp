#include "win32/dialogs/about_dialog.h"

#include "core/window/about_design.h"
#include "win32/kit/modal_loop.h"
#include "win32/kit/window_text.h"

namespace jukewright::win32 {

namespace {

constexpr int lblPosition = designedId(AboutDesign::Controls, "lblPosition");
constexpr int lblName = designedId(AboutDesign::Controls, "lblName");

} // namespace

frmAbout::frmAbout(const std::string& creditsPath, HWND owner)
    : m_owner(owner), m_creditsFile(creditsPath), m_roll(m_creditsFile, AboutDesign::rollGeometry()) {}

void frmAbout::exec() {
    if (window())
        return;
    createWindow(AboutDesign::Window, m_owner);
    addControls(AboutDesign::Controls);
    showRoll();
    m_rolling = SetTimer(window(), timCredits, AboutDesign::TickMilliseconds, nullptr) != 0;
    runModal(window(), m_owner);
}

void frmAbout::timCredits_Timer() {
    m_roll.tick();
    showRoll();
}

std::optional<LRESULT> frmAbout::onMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_TIMER:
        if (wParam != timCredits)
            return std::nullopt;
        timCredits_Timer();
        return 0;
    case WM_COMMAND:
        // Esc: the close box. The window has no button for Enter.
        if (LOWORD(wParam) == IDCANCEL)
            SendMessageW(window(), WM_CLOSE, 0, 0);
        return 0;
    case WM_DESTROY:
        Form_Unload();
        return 0;
    default:
        return std::nullopt;
    }
}

void frmAbout::Form_Unload() {
    KillTimer(window(), timCredits);
    m_rolling = false;
    m_creditsFile.close();
}

void frmAbout::showRoll() {
    HWND position = control(lblPosition), name = control(lblName);
    const bool visible = m_roll.visible();
    // Hidden first, so the labels never flash at their new place with the old text or the reverse.
    if (!visible) {
        ShowWindow(position, SW_HIDE);
        ShowWindow(name, SW_HIDE);
    }
    setWindowText(position, m_roll.positionText());
    setWindowText(name, m_roll.nameText());
    const CreditLabelPlaces places = creditLabelPlaces(m_roll);
    placeTwips(position, places.position, dpi());
    placeTwips(name, places.name, dpi());
    if (visible) {
        ShowWindow(position, SW_SHOWNA);
        ShowWindow(name, SW_SHOWNA);
    }
}

} // namespace jukewright::win32
