#pragma once

#include "core/credits/credits_file.h"
#include "core/credits/credits_roll.h"
#include "win32/kit/designed_window.h"

#include <string>

namespace jukewright::win32 {

// The about window: the product's name and slogan over a credits roll read from credits.txt, which
// stays open while the window is shown. One window per opening, so each starts at the first pair; Esc
// is its close box.
class frmAbout : public DesignedWindow {
public:
    frmAbout(const std::string& creditsPath, HWND owner);

    // Shows the window modal over its owner until it is closed; once per object, since a roll never
    // starts again.
    void exec();
    // One step of the roll; the timer calls it every 40 ms, tests call it directly.
    void timCredits_Timer();
    bool isRolling() const { return m_rolling; }

private:
    static constexpr UINT_PTR timCredits = 1;

    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Form_Unload();
    void showRoll();

    HWND m_owner;
    CreditsFile m_creditsFile;
    CreditsRoll m_roll;
    bool m_rolling = false;
};

} // namespace jukewright::win32
