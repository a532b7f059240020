#pragma once

#include "core/window/dialogs.h"

#include <windows.h>

namespace jukewright::win32 {

// The system's standard dialogs: its open-file dialog (IFileOpenDialog, which opens in the folder it
// is given, where the older dialog prefers its own recent one) and message boxes. Each is owned by the
// program's active window, else by the main window.
class Win32Dialogs : public Dialogs {
public:
    void setMainWindow(HWND window) { m_mainWindow = window; }

    std::string openFile(const std::string& title, const FileFilter& filter, const std::string& folder) override;
    void showMessage(const Message& message) override;
    bool askYesNo(const std::string& text, const std::string& title) override;

private:
    HWND owner() const;

    HWND m_mainWindow = nullptr;
};

} // namespace jukewright::win32
