#pragma once

#include "gui/platform/dialogs.h"

namespace jukewright::gui {

// The dialogs as the person sees them: Qt's file dialog and message boxes.
class QtDialogs : public Dialogs {
public:
    QString openFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) override;
    void showMessage(QWidget* parent, const Message& message) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
};

} // namespace jukewright::gui
