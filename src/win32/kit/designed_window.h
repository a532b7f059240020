#pragma once

#include "core/window/dialog_design.h"
#include "win32/kit/dpi.h"
#include "win32/kit/gdi_object.h"
#include "win32/kit/palette.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>
#include <windows.h>

namespace jukewright::win32 {

// A designed control's id is its place in its design's list of controls, counted from here; Enter and
// Esc arrive as IDOK and IDCANCEL, which lie below.
inline constexpr int FirstControlId = 100;

template <std::size_t N> consteval int designedId(const std::array<ControlDesign, N>& controls, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (controls[i].name == name)
            return FirstControlId + static_cast<int>(i);
    }
    throw "the design has no control of that name";
}

// A window built from one of the core's designs: its caption, its client area and its controls at the
// window's density, orange with white text, with its designed font. The window belongs to the object;
// the close box destroys it, after which window() is null and the object may make it again.
//
// Keys come through the modal loop's dialog navigation: Tab walks the controls, Enter arrives as IDOK
// and Esc as IDCANCEL.
class DesignedWindow {
public:
    // Fixed size, a caption with the close box.
    static constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    static constexpr const wchar_t* ClassName = L"JukewrightDesignedWindow";

    DesignedWindow() = default;
    virtual ~DesignedWindow();
    DesignedWindow(const DesignedWindow&) = delete;
    DesignedWindow& operator=(const DesignedWindow&) = delete;

    HWND window() const { return m_window; }
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Makes the window, hidden, centred over its owner, with the client area of the design.
    void createWindow(const WindowDesign& design, HWND owner, DWORD style = DialogStyle);
    // Makes a control of the design; a control with a font of its own keeps it here.
    HWND addControl(int id, const ControlDesign& design, DWORD extraStyle = 0);
    // Makes every control of the design, each with its designed id.
    template <std::size_t N> void addControls(const std::array<ControlDesign, N>& controls) {
        for (std::size_t i = 0; i < N; ++i)
            addControl(FirstControlId + static_cast<int>(i), controls[i]);
    }
    HWND control(int id) const { return GetDlgItem(m_window, id); }
    // The button that Enter presses while the focus is on no button.
    void setDefaultButton(int id) { m_defaultButton = id; }
    // The button Enter presses now: the focused one, else the default one.
    int enterButton() const;
    void destroyWindow();

    // The window's own messages; nothing for those it leaves to the common handling.
    virtual std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    const Dpi& dpi() const { return m_dpi; }
    const Palette& palette() const { return m_palette; }
    const Font& font() const { return m_font; }

private:
    std::optional<LRESULT> commonMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void restoreFocus();
    void keepLabelsBeneath();

    HWND m_window = nullptr;
    Dpi m_dpi;
    Palette m_palette;
    Font m_font;
    std::vector<Font> m_ownFonts;
    // Labels not yet put beneath the other controls, in the order they were made.
    std::vector<HWND> m_labels;
    int m_defaultButton = 0;
    HWND m_lastFocus = nullptr;
};

} // namespace jukewright::win32
