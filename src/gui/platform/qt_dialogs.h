#pragma once

#include "core/window/dialogs.h"

#include <QString>

namespace jukewright::gui {

// The dialogs as the person sees them: Qt's file dialog and message boxes, owned by the modal window
// in front, else by the active window.
class QtDialogs : public Dialogs {
public:
    std::string openFile(const std::string& title, const FileFilter& filter, const std::string& folder) override;
    void showMessage(const Message& message) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
};

// The filter as Qt's file dialog takes it: its description, then its patterns in parentheses.
QString qtNameFilter(const FileFilter& filter);

} // namespace jukewright::gui
