#include "gui/platform/desktop_folders.h"

#include "core/settings/settings_location.h"
#include "core/system/music_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace jukewright::gui {

namespace {

#ifdef _WIN32
// The shell's answer for a kind of folder it does not know.
constexpr const char* UnknownFolderText = "An invalid folder ID was specified";
#else
// Qt tells no finer cause than an empty answer here.
constexpr const char* UnknownFolderText = FolderMissingText;
#endif

std::string resolveFolder(const QString& folder, MessageView& messages) {
    if (folder.isEmpty()) {
        messages.showMessage({UnknownFolderText, TitlePlain});
        return {};
    }
    if (!QDir().mkpath(folder)) {
        messages.showMessage({FolderMissingText, TitlePlain});
        return {};
    }
    return QDir::toNativeSeparators(QDir::cleanPath(folder)).toStdString();
}

} // namespace

void ResolveSpecialFolders(AppState& state, MessageView& messages) {
    // The core names the music folder, so the library window and the command line read the same one.
    state.MusicFolder = resolveFolder(QString::fromStdString(musicFolder()), messages);
    state.FontsFolder = resolveFolder(QStandardPaths::writableLocation(QStandardPaths::FontsLocation), messages);
}

std::string settingsFilePath() {
    return settingsLocation().settingsFile;
}

QString preferencesFilePath() {
    return QString::fromStdString(settingsLocation().preferencesFile);
}

} // namespace jukewright::gui
