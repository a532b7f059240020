#include "gui/platform/open_file_dialog.h"

#include <QFileInfo>

namespace jukewright::gui {

QString OpenFileDialog::showOpen(QWidget* parent, const QString& filter) {
    const QString name = m_dialogs.openFile(parent, Title, filter, m_folder);
    if (!name.trimmed().isEmpty())
        m_folder = QFileInfo(name).absolutePath();
    return name;
}

} // namespace jukewright::gui
