#pragma once

#include "core/window/dialogs.h"

#include <string>

namespace jukewright {

// The main window's open-file dialog: one title for every use, one file, and the folder it opens in
// (the music folder at first, then the folder last chosen from in this run).
class OpenFileDialog {
public:
    static inline const std::string Title = "Jukewright - Open";
    static inline const FileFilter Mp3Filter{"MP3 Files (*.mp3)", {"*.mp3"}};
    static inline const FileFilter PlaylistFilter{"Playlist Files (*.pls,*.m3u)", {"*.pls", "*.m3u", "*.m3u8"}};

    explicit OpenFileDialog(Dialogs& dialogs) : m_dialogs(dialogs) {}

    void setInitialFolder(const std::string& folder) { m_folder = folder; }
    const std::string& folder() const { return m_folder; }

    // Returns the chosen file name, or "" when the person cancelled.
    std::string showOpen(const FileFilter& filter);

private:
    Dialogs& m_dialogs;
    std::string m_folder;
};

} // namespace jukewright
