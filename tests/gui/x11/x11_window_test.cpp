#include "gui/platform/program_identity.h"
#include "support/window_fixture.h"

#include <QProcess>

using namespace jukewright;
using namespace jukewright::test;

namespace {

// Runs an X tool and gives what it printed.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

// The main window on a real X server, as a player meets it: its title bar.
class X11WindowTest : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        gui::nameTheProgram();
        WindowTest::init();
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
    }

    void theTitleBarReadsTheCaptionAlone() {
        const QString window = QString::number(f->window->winId());
        QCOMPARE(run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), window}),
                 QStringLiteral("Jukewright - Your Game. Your Music."));
    }
};

QTEST_MAIN(X11WindowTest)
#include "x11_window_test.moc"
