#include "gui/platform/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace jukewright::gui {

QString QtDialogs::openFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) {
    // The filter's own description already names its patterns; the extra ones stay out of sight.
    return QFileDialog::getOpenFileName(parent, title, folder, filter, nullptr, QFileDialog::HideNameFilterDetails);
}

void QtDialogs::showMessage(QWidget* parent, const Message& message) {
    QMessageBox box(message.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(message.title), QString::fromStdString(message.text), QMessageBox::Ok,
                    parent);
    box.exec();
}

bool QtDialogs::askYesNo(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

} // namespace jukewright::gui
