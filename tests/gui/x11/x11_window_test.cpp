#include "core/playlist/track_list.h"
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

// The main window on a real X server, as a player meets it: its title bar and the keyboard.
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

    // The server repeats a held key as releases and presses; only letting it go removes, once.
    void holdingDeleteRemovesOneRow() {
        for (int i = 0; i < 12; ++i)
            addTrackCommand(*f->state, f->window->trackList(), QStringLiteral("/music/T%1.mp3").arg(i).toStdString());
        auto* list = f->find<QListWidget>("lstPlaylist");
        QTRY_COMPARE(list->count(), 12);
        list->setFocus();
        list->setCurrentRow(5);
        QTRY_VERIFY(list->hasFocus());

        run(QStringLiteral("xset"),
            {QStringLiteral("r"), QStringLiteral("rate"), QStringLiteral("200"), QStringLiteral("30")});
        run(QStringLiteral("xdotool"), {QStringLiteral("keydown"), QStringLiteral("Delete")});
        // Held for a second: the server repeats the key about 25 times.
        QTest::qWait(1000);
        run(QStringLiteral("xdotool"), {QStringLiteral("keyup"), QStringLiteral("Delete")});
        QTRY_COMPARE(list->count(), 11);
        QTest::qWait(300);
        QCOMPARE(list->count(), 11);
        QCOMPARE(f->state->TrackCount, std::int16_t(11));
    }
};

QTEST_MAIN(X11WindowTest)
#include "x11_window_test.moc"
