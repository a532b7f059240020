#pragma once

#include "core/message.h"

#include <string>
#include <vector>

namespace jukewright {

// One kind of file the open-file dialog offers: the description the person reads and the patterns
// it matches ("MP3 Files (*.mp3)", {"*.mp3"}).
struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;
};

// The one seam between the windows and the system's standard dialogs: the open-file dialog, message
// boxes and the Yes/No question. Each window program shows real dialogs, owned by its active window;
// tests queue the answers and record every message.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the open-file dialog (one file) with the title and filter, opening in `folder` (empty: its
    // own default). Returns the chosen file name, or "" when the person cancelled.
    virtual std::string openFile(const std::string& title, const FileFilter& filter, const std::string& folder) = 0;
    // A message box with an OK button; the icon is the message's own.
    virtual void showMessage(const Message& message) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
};

} // namespace jukewright
