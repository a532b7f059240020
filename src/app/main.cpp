#include "core/app_state.h"
#include "core/system/data_folder.h"
#include "gui/main_window/main_window.h"
#include "gui/platform/desktop.h"
#include "gui/platform/display_check.h"
#include "gui/platform/program_door.h"
#include "gui/platform/program_identity.h"
#include "gui/platform/qt_dialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <memory>

namespace {

// The files named on the command line (the desktop entry's %F), as absolute paths: a running window
// may have another working folder.
QStringList filesToAdd() {
    QStringList files;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        files << QFileInfo(argument).absoluteFilePath();
    return files;
}

} // namespace

int main(int argc, char** argv) {
    using namespace jukewright;
    std::unique_ptr<QApplication> app = gui::openDisplay(argc, argv);
    gui::nameTheProgram();
    const QStringList files = filesToAdd();
    if (gui::ProgramDoor::handOver(files))
        return 0;

    AppState state;
    gui::QtDialogs dialogs;
    // The window lives as long as the program's event loop runs, so a late answer always finds it.
    gui::QtDesktop desktop(app.get());
    gui::frmMain window(state, dialogs, desktop, findDataFolder(executableFolder()));
    // Exit and the shutdown end the program at once: no other window's close handling runs.
    QObject::connect(&window, &gui::frmMain::programEnds, app.get(), [] { QCoreApplication::exit(0); });
    gui::ProgramDoor door;
    QObject::connect(&door, &gui::ProgramDoor::filesArrived, &window, [&window](const QStringList& handed) {
        window.addFiles(handed);
        window.raise();
        window.activateWindow();
    });
    door.open();
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    // After the start-up's own steps (the free track among them), as if dropped on the list.
    if (!files.isEmpty())
        window.addFiles(files);
    return QApplication::exec();
}
