#pragma once

#include "core/jukebox/save_view.h"
#include "win32/kit/dpi.h"
#include "win32/kit/palette.h"
#include "win32/kit/picture_button.h"

#include <string_view>
#include <windows.h>

namespace jukewright::win32 {

// The save's progress window: three stages, one above the other, the current one highlighted, and the
// copy progress below them. It has no behaviour of its own; the save drives it. While a save runs its
// close box only hides it, so the save never draws into a window that is gone; otherwise the close box
// destroys it, and the next save makes a new one.
class frmScript {
public:
    static constexpr std::string_view GeneratingCaption = "Jukewright - Generating...";
    static constexpr std::string_view FailedCaption = "Jukewright - Save failed";
    static constexpr const wchar_t* ClassName = L"JukewrightProgressWindow";

    explicit frmScript(HWND owner);
    ~frmScript();
    frmScript(const frmScript&) = delete;
    frmScript& operator=(const frmScript&) = delete;

    // Null once the close box has destroyed the window.
    HWND window() const { return m_window; }
    HWND progressBar() const { return prgFilecopy; }

    // Shows the stage's picture highlighted and the other two plain.
    void setStage(SaveStage stage);
    // A new save starts from the first caption and an empty bar.
    void startOver();
    // A save that ended without "Done": no stage stays lit, and the caption says so.
    void showFailed();
    void setSaving(bool saving) { m_saving = saving; }
    void setMaximum(int maximum);
    void setValue(int value);

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void createStage(PictureButton& picture, const char* name, const wchar_t* resource, int top, bool highlighted);
    void showStage(PictureButton& plain, PictureButton& highlighted, bool current);

    Palette m_palette;
    HWND m_window = nullptr;
    Dpi m_dpi;
    PictureButton imgGen;
    PictureButton imgGenb;
    PictureButton imgCopy;
    PictureButton imgCopyb;
    PictureButton imgComp;
    PictureButton imgCompb;
    HWND prgFilecopy = nullptr;
    bool m_saving = false;
};

} // namespace jukewright::win32
