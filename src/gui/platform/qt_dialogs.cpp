#include "gui/platform/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace jukewright::gui {

namespace {

QWidget* owner() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

QString qtNameFilter(const FileFilter& filter) {
    QStringList patterns;
    for (const std::string& pattern : filter.patterns)
        patterns << text(pattern);
    return text(filter.description) + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

std::string QtDialogs::openFile(const std::string& title, const FileFilter& filter, const std::string& folder) {
    // The filter's own description already names its patterns; the extra ones stay out of sight.
    return QFileDialog::getOpenFileName(owner(), text(title), text(folder), qtNameFilter(filter), nullptr,
                                        QFileDialog::HideNameFilterDetails)
        .toStdString();
}

void QtDialogs::showMessage(const Message& message) {
    QMessageBox box(message.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    text(message.title), text(message.text), QMessageBox::Ok, owner());
    box.exec();
}

bool QtDialogs::askYesNo(const std::string& question, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, text(title), text(question), QMessageBox::Yes | QMessageBox::No, owner());
    return box.exec() == QMessageBox::Yes;
}

} // namespace jukewright::gui
