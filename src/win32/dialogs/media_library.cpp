#include "win32/dialogs/media_library.h"

#include "core/window/media_library_design.h"

namespace jukewright::win32 {

void frmMediaLib::show() {
    if (!window()) {
        using Design = MediaLibraryDesign;
        createWindow(Design::Window, m_owner, DialogStyle | WS_MINIMIZEBOX);
        int id = lblArtists;
        for (const ControlDesign& design : Design::Controls)
            addControl(id++, design);
    }
    ShowWindow(window(), SW_SHOW);
    if (IsIconic(window()))
        ShowWindow(window(), SW_RESTORE);
    SetForegroundWindow(window());
}

} // namespace jukewright::win32
