#include "gui/shell/desktop.h"

#include <QDesktopServices>

#ifdef _WIN32
#include <QDir>
#include <QProcess>
#include <windows.h>
#endif

namespace jukewright::gui {

bool QtDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

#ifdef _WIN32
bool QtDesktop::openTextFile(const QString& path) {
    QProcess notepad;
    notepad.setProgram(QStringLiteral("notepad.exe"));
    notepad.setArguments({QDir::toNativeSeparators(path)});
    notepad.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
        arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        arguments->startupInfo->wShowWindow = SW_SHOWMAXIMIZED;
    });
    return notepad.startDetached();
}
#else
bool QtDesktop::openTextFile(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
#endif

} // namespace jukewright::gui
