#include "core/settings/settings_store.h"
#include "gui/platform/desktop_folders.h"
#include "gui/widgets/picture_button.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

using namespace jukewright;
using jukewright::gui::PictureButton;
using jukewright::test::FakeDesktop;
using jukewright::test::FakeDialogs;

namespace {

const QString FreeTrackQuestion =
    QStringLiteral("Do you want to copy the free track, 'Morvane - Lanterns Burn' to your music folder?");

// The dialogs, also noting which rows the track list showed when the question came.
class WatchingDialogs : public FakeDialogs {
public:
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override {
        QStringList rows;
        const auto* list = parent->findChild<QListWidget*>(QStringLiteral("lstPlaylist"));
        for (int i = 0; list && i < list->count(); ++i)
            rows << list->item(i)->text();
        rowsAtQuestion << rows;
        return FakeDialogs::askYesNo(parent, text, title);
    }
    QList<QStringList> rowsAtQuestion;
};

class Silent : public MessageView {
public:
    void showMessage(const Message&) override {}
};

QString home() {
    return qEnvironmentVariable("HOME");
}

QString settingsPath() {
    return QString::fromStdString(gui::settingsFilePath());
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The two bytes of a record of the settings file.
QByteArray recordBytes(int record) {
    return fileBytes(settingsPath()).mid((record - 1) * 128, 2);
}

// A settings file as a run with these values would have left it.
void storeSettings(std::int16_t language, std::int16_t freeTrackOffered) {
    Silent silent;
    SettingsStore store(gui::settingsFilePath(), silent);
    store.InitSettingsFile();
    AppState state;
    state.Language = language;
    state.FreeTrackOffered = freeTrackOffered;
    store.SaveExitSettings(state);
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<AppState> m_state;
    WatchingDialogs m_dialogs;
    FakeDesktop m_desktop;
    std::unique_ptr<gui::frmMain> m_window;

    // One run of the program: a fresh state and a new main window, which runs its start-up.
    gui::frmMain& start(const QString& dataFolder = QStringLiteral(JUKEWRIGHT_DATA_DIR),
                        std::deque<bool> answers = {}) {
        m_window.reset();
        m_state = std::make_unique<AppState>();
        m_dialogs = {};
        m_dialogs.nextAnswers = std::move(answers);
        m_window = std::make_unique<gui::frmMain>(*m_state, m_dialogs, m_desktop, dataFolder.toStdString());
        return *m_window;
    }

    template <typename T> T* find(const char* name) const { return test::control<T>(m_window.get(), name); }

    QStringList rows() const {
        QStringList result;
        auto* list = find<QListWidget>("lstPlaylist");
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->text();
        return result;
    }

    QString musicTrack() const { return home() + QStringLiteral("/Music/morvane_lanternsburn.mp3"); }

private Q_SLOTS:
    void init() {
        // Each test is a new player: the standard locations follow HOME and XDG_CONFIG_HOME.
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("HOME", m_home->path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_home->path() + QStringLiteral("/.config")).toUtf8());
        qputenv("XDG_DATA_HOME", (m_home->path() + QStringLiteral("/.local/share")).toUtf8());
    }

    void cleanup() {
        m_window.reset();
        m_home.reset();
    }

    void firstRunShowsTheFreeTrackAndAsksOnce_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes copies it into the music folder") << true;
        QTest::newRow("No leaves the music folder alone") << false;
    }
    void firstRunShowsTheFreeTrackAndAsksOnce() {
        QFETCH(bool, yes);
        start(QStringLiteral(JUKEWRIGHT_DATA_DIR), {yes});
        QCOMPARE(m_dialogs.questions, QStringList{FreeTrackQuestion});
        QCOMPARE(m_dialogs.questionTitles, QStringList{QStringLiteral("Copy Track")});
        QCOMPARE(m_dialogs.rowsAtQuestion, QList<QStringList>{{QStringLiteral("morvane_lanternsburn.mp3")}});
        QCOMPARE(rows(), QStringList{QStringLiteral("morvane_lanternsburn.mp3")});
        QCOMPARE(QFile::exists(musicTrack()), yes);
        if (yes)
            QCOMPARE(fileBytes(musicTrack()),
                     fileBytes(QStringLiteral(JUKEWRIGHT_DATA_DIR "/morvane_lanternsburn.mp3")));
        QVERIFY(m_dialogs.messages.empty());
        QVERIFY(m_window->close());

        start();
        QCOMPARE(m_dialogs.questions, QStringList{});
        QCOMPARE(rows(), QStringList{});
    }

    void withoutTheTrackNothingIsAskedAndTheOfferWaits() {
        // A data folder with the skins but without the track.
        QTemporaryDir data;
        QVERIFY(QFile::link(QStringLiteral(JUKEWRIGHT_DATA_DIR "/background"),
                            data.filePath(QStringLiteral("background"))));
        start(data.path());
        QCOMPARE(m_dialogs.questions, QStringList{});
        QCOMPARE(rows(), QStringList{});
        QVERIFY(m_window->close());
        QCOMPARE(recordBytes(12001), QByteArray("\0\0", 2));

        start();
        QCOMPARE(m_dialogs.questions, QStringList{FreeTrackQuestion});
    }

    void storedLanguageOutsideOneAndTwoStartsEnglishAndStoresOne_data() {
        QTest::addColumn<int>("stored");
        QTest::newRow("0, a new file") << 0;
        QTest::newRow("7") << 7;
        QTest::newRow("-1") << -1;
    }
    void storedLanguageOutsideOneAndTwoStartsEnglishAndStoresOne() {
        QFETCH(int, stored);
        storeSettings(static_cast<std::int16_t>(stored), 1);
        start();
        QVERIFY(find<QAction>("mnuEnglish")->isChecked());
        QVERIFY(!find<QAction>("mnuGerman")->isChecked());
        QVERIFY(find<QLabel>("lblModPath")->text().startsWith(QStringLiteral("Mod Path:")));
        QVERIFY(m_window->close());
        QCOMPARE(recordBytes(12000), QByteArray("\1\0", 2));
    }

    void exitStoresNothingAndClosingStoresTheFoldersAndTheLanguage() {
        storeSettings(1, 1);
        const QByteArray before = fileBytes(settingsPath());
        const auto runWithAFolder = [this] {
            start().show();
            find<PictureButton>("imgGerman")->click();
            m_state->ModFolders[0] = "/games/Half-Life/cstrike";
            m_state->ModFolderCount = 1;
        };

        runWithAFolder();
        find<QAction>("mnuExit")->trigger();
        QCOMPARE(fileBytes(settingsPath()), before);
        start();
        QVERIFY(find<QAction>("mnuEnglish")->isChecked());
        QCOMPARE(find<QComboBox>("cboSteamFolder")->count(), 0);

        runWithAFolder();
        QVERIFY(m_window->close());
        QCOMPARE(fileBytes(settingsPath()).size(), 1536896);
        start();
        QVERIFY(find<QAction>("mnuGerman")->isChecked());
        auto* box = find<QComboBox>("cboSteamFolder");
        QCOMPARE(box->count(), 1);
        QCOMPARE(box->itemText(0), QStringLiteral("/games/Half-Life/cstrike"));
        QCOMPARE(box->currentText(), QString());
    }

    void fontIsCopiedOnceAndTheOpenDialogStartsInTheMusicFolder() {
        storeSettings(1, 1);
        start();
        const QString font = home() + QStringLiteral("/.local/share/fonts/HLFLIFE2.TTF");
        QCOMPARE(fileBytes(font), fileBytes(QStringLiteral(JUKEWRIGHT_DATA_DIR "/HLFLIFE2.TTF")));
        test::writeFile(font, QByteArrayLiteral("the player's own copy"));
        start().show();
        QCOMPARE(fileBytes(font), QByteArrayLiteral("the player's own copy"));

        find<PictureButton>("imgAdd")->click();
        QCOMPARE(m_dialogs.openedFolders, QStringList{home() + QStringLiteral("/Music")});
    }

    void readOnlySettingsAreUsedToldOnceAndNeverWritten() {
        storeSettings(2, 0);
        QFile::setPermissions(settingsPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const QByteArray before = fileBytes(settingsPath());
        start();
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(m_dialogs.messages[0].text).contains(settingsPath()));
        QCOMPARE(m_dialogs.questions, QStringList{}); // its answer could not be kept
        QVERIFY(find<QAction>("mnuGerman")->isChecked());
        QVERIFY(m_window->close());
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QCOMPARE(fileBytes(settingsPath()), before);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    StartUpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "start_up_test.moc"
