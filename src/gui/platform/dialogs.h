#pragma once

#include "core/message.h"

#include <QString>

class QWidget;

namespace jukewright::gui {

// The one seam between the windows and the system's standard dialogs: the open-file dialog, message
// boxes and the Yes/No question. The program shows real dialogs; tests queue the answers and record
// every message.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the open-file dialog (one file) with the title, a Qt name filter whose last parentheses
    // hold the patterns, "MP3 Files (*.mp3) (*.mp3)" (the person sees the text before them), and the
    // folder it opens in (empty: its own default). Returns the chosen file name, or "" when the person
    // cancelled.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) = 0;
    // A message box with an OK button; the icon is the message's own.
    virtual void showMessage(QWidget* parent, const Message& message) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title) = 0;
};

} // namespace jukewright::gui
