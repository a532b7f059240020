#include "gui/platform/desktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#ifdef _WIN32
#include <QDir>
#include <windows.h>
#endif

namespace jukewright::gui {

#ifdef _WIN32
void QtDesktop::openTextFile(const std::string& utf8Path, std::function<void()> noProgram) {
    const QString path = QString::fromStdString(utf8Path);
    QProcess notepad;
    notepad.setProgram(QStringLiteral("notepad.exe"));
    notepad.setArguments({QDir::toNativeSeparators(path)});
    notepad.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
        arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        arguments->startupInfo->wShowWindow = SW_SHOWMAXIMIZED;
    });
    if (!notepad.startDetached())
        noProgram();
}
#else
void QtDesktop::openTextFile(const std::string& utf8Path, std::function<void()> noProgram) {
    const QString path = QString::fromStdString(utf8Path);
    QObject* context = m_window.data();
    if (!context)
        return;
    auto* opener = new QProcess;
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    // Judged when xdg-open ends; a window gone by then hears nothing of it.
    QObject::connect(opener, &QProcess::finished, context, [noProgram](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0)
            noProgram();
    });
    QObject::connect(opener, &QProcess::errorOccurred, context,
                     [opener, path, noProgram](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         opener->deleteLater();
                         // Without xdg-open the desktop service is the only way left.
                         if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
                             noProgram();
                     });
    opener->start(QStringLiteral("xdg-open"), {path});
}
#endif

} // namespace jukewright::gui
