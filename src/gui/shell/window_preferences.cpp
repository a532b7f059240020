#include "gui/shell/window_preferences.h"

#include <QSettings>
#include <utility>

namespace jukewright::gui {

namespace {

const QString PartsKey = QStringLiteral("script/xash3dCompatible");

} // namespace

WindowPreferences::WindowPreferences(QString filePath) : m_filePath(std::move(filePath)) {}

ScriptLayout WindowPreferences::scriptLayout() const {
    const QSettings file(m_filePath, QSettings::IniFormat);
    return file.value(PartsKey, false).toBool() ? ScriptLayout::Parts : ScriptLayout::Automatic;
}

bool WindowPreferences::setScriptLayout(ScriptLayout layout) {
    QSettings file(m_filePath, QSettings::IniFormat);
    file.setValue(PartsKey, layout == ScriptLayout::Parts);
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace jukewright::gui
