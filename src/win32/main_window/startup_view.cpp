#include "win32/main_window/startup_view.h"

#include "core/window/dialogs.h"
#include "win32/kit/window_text.h"

namespace jukewright::win32 {

void WindowStartUpView::showMessage(const Message& message) {
    m_parts.dialogs.showMessage(message);
}

void WindowStartUpView::appendModFolderRow(const std::string& folder) {
    // The box starts with no current row and keeps whatever text it shows.
    appendComboRow(m_parts.cboSteamFolder, folder);
}

bool WindowStartUpView::askYesNo(const std::string& text, const std::string& title) {
    // The player sees the window with what start-up put into the list (the free track) behind the
    // question, not a question alone on the desktop.
    m_parts.showRows();
    ShowWindow(m_parts.window, SW_SHOW);
    UpdateWindow(m_parts.window);
    return m_parts.dialogs.askYesNo(text, title);
}

} // namespace jukewright::win32
