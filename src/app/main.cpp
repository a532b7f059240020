#include "core/app_state.h"
#include "core/system/data_folder.h"
#include "gui/shell/desktop.h"
#include "gui/shell/display_check.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_dialogs.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    using namespace jukewright;
    std::unique_ptr<QApplication> app = gui::openDisplay(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Jukewright"));
    QApplication::setApplicationDisplayName(QStringLiteral("Jukewright"));
    // Wayland desktops match the window to its installed desktop entry, and so to its icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(JUKEWRIGHT_APP_ID));

    AppState state;
    gui::QtDialogs dialogs;
    gui::QtDesktop desktop;
    gui::frmMain window(state, dialogs, desktop, findDataFolder(executableFolder()));
    // Exit and the shutdown end the program at once: no other window's close handling runs.
    QObject::connect(&window, &gui::frmMain::programEnds, app.get(), [] { QCoreApplication::exit(0); });
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return QApplication::exec();
}
