#include "gui/shell/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace jukewright::gui {

QString QtDialogs::openFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

void QtDialogs::showMessage(QWidget* parent, const Message& message) {
    QMessageBox box(message.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(message.title), QString::fromStdString(message.text), QMessageBox::Ok,
                    parent);
    box.exec();
}

bool QtDialogs::askYesNo(QWidget* parent, const QString& text, const QString& title) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace jukewright::gui
