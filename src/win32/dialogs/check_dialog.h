#pragma once

#include "core/jukebox/jukebox_check.h"
#include "win32/kit/designed_window.h"

#include <array>
#include <string>
#include <vector>

namespace jukewright::win32 {

// The results of a jukebox check, one row each with its severity, under the mod folder checked and
// over a line that sums them up. Read only: Close, Enter and Esc end it.
class frmCheck : public DesignedWindow {
public:
    frmCheck(const std::string& modFolder, const std::vector<CheckResult>& results, HWND owner);

    // Shows the window modal over its owner until it is closed.
    void exec();

private:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void create();
    // The tip the control shows under the pointer; the window owns it.
    void addTip(HWND control, const std::string& text) const;
    RECT textBox() const;
    void measureRow(MEASUREITEMSTRUCT& item) const;
    void drawRow(const DRAWITEMSTRUCT& item) const;

    HWND m_owner;
    std::string m_modFolder;
    std::vector<CheckResult> m_results;
    // The pictures of OK, a warning and a problem: the system's own, shared.
    std::array<HICON, 3> m_icons;
};

} // namespace jukewright::win32
