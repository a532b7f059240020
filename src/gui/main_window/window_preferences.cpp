#include "gui/main_window/window_preferences.h"

#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <utility>

namespace jukewright::gui {

namespace {

const QString PartsKey = QStringLiteral("script/xash3dCompatible");

// Far more than the few rows the window ever writes.
constexpr qint64 LargestPreferencesBytes = 64 * 1024;

// Whether the file may be written: missing, empty, or an INI file holding no key but ours. Anything
// else there (the player's notes, a link to a photo) is someone else's and stays as it is.
bool holdsOnlyOurPreferences(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return !info.isSymLink();
    if (!info.isFile() || info.size() > LargestPreferencesBytes)
        return false;
    if (info.size() == 0)
        return true;
    const QSettings file(path, QSettings::IniFormat);
    // Read first: the status tells of the reading only after it.
    const QStringList keys = file.allKeys();
    return file.status() == QSettings::NoError &&
           std::all_of(keys.begin(), keys.end(), [](const QString& key) { return key == PartsKey; });
}

} // namespace

WindowPreferences::WindowPreferences(QString filePath) : m_filePath(std::move(filePath)) {}

ScriptLayout WindowPreferences::scriptLayout() const {
    const QSettings file(m_filePath, QSettings::IniFormat);
    return file.value(PartsKey, false).toBool() ? ScriptLayout::Parts : ScriptLayout::Automatic;
}

bool WindowPreferences::setScriptLayout(ScriptLayout layout) {
    if (!holdsOnlyOurPreferences(m_filePath))
        return false;
    QSettings file(m_filePath, QSettings::IniFormat);
    file.setValue(PartsKey, layout == ScriptLayout::Parts);
    // The result of the write itself: the file was read as ours just before.
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace jukewright::gui
