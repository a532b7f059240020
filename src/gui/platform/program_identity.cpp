#include "gui/platform/program_identity.h"

#include <QGuiApplication>

namespace jukewright::gui {

void nameTheProgram() {
    QGuiApplication::setApplicationName(QStringLiteral("Jukewright"));
    // Wayland desktops match the window to its installed desktop entry, and so to its icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(JUKEWRIGHT_APP_ID));
}

} // namespace jukewright::gui
