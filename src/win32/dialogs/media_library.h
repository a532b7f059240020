#pragma once

#include "win32/kit/designed_window.h"

namespace jukewright::win32 {

// The media library window: artists and albums, side by side. Not modal; one window, which a second
// opening brings to the front. Its close box destroys it; the next opening makes it anew.
class frmMediaLib : public DesignedWindow {
public:
    explicit frmMediaLib(HWND owner) : m_owner(owner) {}

    void show();

private:
    std::optional<LRESULT> onMessage(UINT, WPARAM, LPARAM) override { return std::nullopt; }

    HWND m_owner;
};

} // namespace jukewright::win32
