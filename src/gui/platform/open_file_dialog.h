#pragma once

#include "gui/platform/dialogs.h"

#include <QString>

namespace jukewright::gui {

// The main window's open-file dialog: one title for every use, one file, and the folder it opens in
// (the music folder at first, then the folder last chosen from in this run).
class OpenFileDialog {
public:
    static inline const QString Title = QStringLiteral("Jukewright - Open");
    // Each filter is its description as the person reads it, then the patterns the dialog matches.
    static inline const QString Mp3Filter = QStringLiteral("MP3 Files (*.mp3) (*.mp3)");
    static inline const QString PlaylistFilter = QStringLiteral("Playlist Files (*.pls,*.m3u) (*.pls *.m3u *.m3u8)");

    explicit OpenFileDialog(Dialogs& dialogs) : m_dialogs(dialogs) {}

    void setInitialFolder(const QString& folder) { m_folder = folder; }
    QString folder() const { return m_folder; }

    // Returns the chosen file name, or "" when the person cancelled.
    QString showOpen(QWidget* parent, const QString& filter);

private:
    Dialogs& m_dialogs;
    QString m_folder;
};

} // namespace jukewright::gui
