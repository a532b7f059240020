#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace jukewright::test {

// Runs the steps on the modal dialog as soon as it shows, then makes sure it is gone, so a failed
// step cannot leave the test waiting on a dialog. Returns the dialog's object name ("" for none).
inline QString onModal(const std::function<void(QWidget*)>& steps, const std::function<void()>& open) {
    QString seen;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        seen = dialog->objectName();
        steps(dialog);
        if (dialog->isVisible())
            dialog->close();
    });
    open();
    return seen;
}

} // namespace jukewright::test
