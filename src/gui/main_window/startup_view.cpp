#include "gui/main_window/startup_view.h"

#include "core/window/dialogs.h"

#include <QComboBox>
#include <QWidget>

namespace jukewright::gui {

void WindowStartUpView::showMessage(const Message& message) {
    m_parts.dialogs.showMessage(message);
}

void WindowStartUpView::appendModFolderRow(const std::string& folder) {
    // The box starts with no current row and keeps whatever text it shows.
    const QString text = m_parts.cboSteamFolder->currentText();
    m_parts.cboSteamFolder->addItem(QString::fromStdString(folder));
    m_parts.cboSteamFolder->setCurrentIndex(-1);
    m_parts.cboSteamFolder->setEditText(text);
}

bool WindowStartUpView::askYesNo(const std::string& text, const std::string& title) {
    // The player sees the window with what start-up put into the list (the free track) behind the
    // question, not a question alone on the desktop.
    m_parts.showRows();
    m_parts.window->show();
    return m_parts.dialogs.askYesNo(text, title);
}

} // namespace jukewright::gui
