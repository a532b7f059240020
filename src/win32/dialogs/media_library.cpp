#include "win32/dialogs/media_library.h"

#include "core/window/media_library_design.h"

namespace jukewright::win32 {

void frmMediaLib::show() {
    if (!window()) {
        createWindow(MediaLibraryDesign::Window, m_owner, DialogStyle | WS_MINIMIZEBOX);
        addControls(MediaLibraryDesign::Controls);
    }
    ShowWindow(window(), SW_SHOW);
    if (IsIconic(window()))
        ShowWindow(window(), SW_RESTORE);
    SetForegroundWindow(window());
}

} // namespace jukewright::win32
