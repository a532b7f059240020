#include "gui/platform/desktop.h"
#include "gui/platform/desktop_folders.h"
#include "support/recording_views.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

using namespace jukewright;

namespace {

QString homePath() {
    return qEnvironmentVariable("HOME");
}

} // namespace

class DesktopFoldersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QDir(homePath()).removeRecursively();
        QDir().mkpath(homePath());
    }

    // The desktop service reports success once it has started a handler; xdg-open's exit status says
    // whether anything opened the file (3: no program for it, 4: the program failed).
    void aTextFileNoProgramOpensIsReported_data() {
        QTest::addColumn<int>("exitStatus");
        QTest::newRow("no program") << 3;
        QTest::newRow("program failed") << 4;
    }
    void aTextFileNoProgramOpensIsReported() {
        QFETCH(int, exitStatus);
        // A stand-in xdg-open first on the search path, beside the test (temporary folders may not
        // run programs).
        QTemporaryDir tools(QCoreApplication::applicationDirPath() + QStringLiteral("/xdg-open-XXXXXX"));
        QFile script(tools.filePath(QStringLiteral("xdg-open")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(exitStatus).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", tools.path().toUtf8() + ':' + path);
        QObject context;
        bool noProgram = false;
        gui::QtDesktop desktop;
        desktop.openTextFile(QStringLiteral(JUKEWRIGHT_DATA_DIR "/readme.txt"), &context, [&] { noProgram = true; });
        qputenv("PATH", path);
        QTRY_VERIFY(noProgram);
    }

    void foldersAreCreatedInTheHomeFolderWithoutATrailingSeparator() {
        AppState state;
        test::RecordingMessages messages;
        gui::ResolveSpecialFolders(state, messages);
        QCOMPARE(messages.messages.size(), 0u);
        QCOMPARE(QString::fromStdString(state.MusicFolder), homePath() + QStringLiteral("/Music"));
        QVERIFY2(QString::fromStdString(state.FontsFolder).startsWith(homePath() + QLatin1Char('/')),
                 state.FontsFolder.c_str());
        QVERIFY(!QString::fromStdString(state.FontsFolder).endsWith(QLatin1Char('/')));
        QVERIFY(QFileInfo(QString::fromStdString(state.MusicFolder)).isDir());
        QVERIFY(QFileInfo(QString::fromStdString(state.FontsFolder)).isDir());
        QVERIFY(state.SystemFolder.empty());
    }

    void folderThatCannotBeCreatedIsNamedAndLeftEmpty() {
        QFile blocker(homePath() + QStringLiteral("/Music"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the music folder would be
        blocker.close();
        AppState state;
        test::RecordingMessages messages;
        gui::ResolveSpecialFolders(state, messages);
        QCOMPARE(messages.messages.size(), 1u);
        QCOMPARE(messages.messages[0].text, std::string("The folder does not exist"));
        QCOMPARE(messages.messages[0].title, std::string("Jukewright"));
        QVERIFY(state.MusicFolder.empty());
        QVERIFY2(!state.FontsFolder.empty(), "the fonts folder is still asked for");
    }

    void settingsLiveInTheConfigurationFolder() {
        const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/jukewright/settings.jst");
        QCOMPARE(QString::fromStdString(gui::settingsFilePath()), expected);
        QVERIFY(QFileInfo(expected).dir().exists());
    }
};

int main(int argc, char** argv) {
    // The standard locations follow HOME and the XDG variables, which must be set before Qt reads them.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/.local/share")).toUtf8());
    QApplication app(argc, argv);
    DesktopFoldersTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_folders_test.moc"
