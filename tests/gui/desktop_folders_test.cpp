#include "gui/shell/desktop_folders.h"
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
