#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/browse_dialog.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/platform/desktop_folders.h"
#include "gui/widgets/picture_button.h"
#include "support/modal_steps.h"
#include "support/recording_views.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

using namespace jukewright;
using jukewright::test::control;
using jukewright::test::onModal;
using jukewright::test::WindowFixture;

namespace jukewright::test {

class NoRows : public ModFolderBox {
public:
    void appendModFolderRow(const std::string&) override {}
};

} // namespace jukewright::test

namespace {

void click(QWidget* dialog, const char* button) {
    QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
}

} // namespace

class DialogRoutesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<WindowFixture> f;

    void openOptions() { f->find<QAction>("mnuOptions")->trigger(); }
    void openBrowse() { QTest::mouseClick(f->find<QLabel>("lblBrowse"), Qt::LeftButton); }
    void openAbout() { f->find<QAction>("mnuAbout")->trigger(); }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen")); }

    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("HOME", m_home->path().toUtf8());
        f = std::make_unique<WindowFixture>();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
    }

    void cleanup() {
        f.reset();
        m_home.reset();
    }

    void optionsApplyStoresBeforeTheDialogGoesOnAndTheNextSaveUsesIt() {
        QStringList shown;
        std::vector<std::pair<int, int>> inFile; // the stored volumes, read while the dialog is open
        const auto readStoredVolumes = [&inFile] {
            test::RecordingMessages messages;
            SettingsStore store(gui::settingsFilePath(), messages);
            AppState stored;
            test::NoRows rows;
            store.LoadSettings(stored, rows);
            inFile.emplace_back(stored.Mp3Volume, stored.GameVolume);
        };
        const QString seen = onModal(
            [&](QWidget* dialog) {
                auto* mp3 = control<QLineEdit>(dialog, "txtMP3Vol");
                auto* game = control<QLineEdit>(dialog, "txtGameVol");
                shown << mp3->text() << game->text();
                mp3->setText(QStringLiteral("35"));
                game->setText(QStringLiteral("90"));
                click(dialog, "cmdApply");
                readStoredVolumes();
                game->setText(QStringLiteral("99.5"));
                click(dialog, "cmdOk");
                readStoredVolumes();
            },
            [this] { openOptions(); });
        QCOMPARE(seen, QStringLiteral("frmOptions"));
        QCOMPARE(shown, (QStringList{QStringLiteral("80"), QStringLiteral("80")})); // a new settings file
        QCOMPARE(inFile, (std::vector<std::pair<int, int>>{{35, 90}, {35, 100}}));
        QCOMPARE(f->state->GameVolume, 100);

        // The chosen volumes start the next saved jukebox.
        const QString track = test::writeFile(m_home->filePath(QStringLiteral("music/Blue Sky.mp3")));
        const QString mod = m_home->filePath(QStringLiteral("Half-Life/cstrike"));
        QDir().mkpath(mod);
        f->dialogs.nextFileNames.push_back(track);
        f->find<QAction>("mnuAddTrack")->trigger();
        f->find<QComboBox>("cboSteamFolder")->setEditText(mod);
        QSignalSpy ended(f->window.get(), &gui::frmMain::saveEnded);
        f->find<QAction>("mnuSaveScript")->trigger();
        QTRY_COMPARE(ended.size(), 1);
        QFile script(mod + QStringLiteral("/mp3.cfg"));
        QVERIFY(script.open(QIODevice::ReadOnly));
        const QByteArray text = script.readAll();
        QVERIFY(text.contains("\r\nvol35\r\ngvol100\r\n"));
    }

    void optionsIsKeptBetweenShowingsUntilItsCloseBox() {
        onModal([](QWidget* dialog) { control<QLineEdit>(dialog, "txtMP3Vol")->setText(QStringLiteral("2.5")); },
                [this] { openOptions(); }); // closed by its close box: nothing applied
        QCOMPARE(f->state->Mp3Volume, 80);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // back in the window's loop
        QString shown;
        onModal(
            [&shown](QWidget* dialog) {
                shown = control<QLineEdit>(dialog, "txtMP3Vol")->text();
                control<QLineEdit>(dialog, "txtMP3Vol")->setText(QStringLiteral("2.5"));
                click(dialog, "cmdOk");
            },
            [this] { openOptions(); });
        QCOMPARE(shown, QStringLiteral("80")); // created afresh
        QCOMPARE(f->state->Mp3Volume, 2);
        onModal(
            [&shown](QWidget* dialog) {
                shown = control<QLineEdit>(dialog, "txtMP3Vol")->text();
                click(dialog, "cmdCancel");
            },
            [this] { openOptions(); });
        QCOMPARE(shown, QStringLiteral("2.5")); // as OK left it
    }

    void browseOkPutsThePathIntoTheModFolderBoxCancelDoesNot() {
        auto* box = f->find<QComboBox>("cboSteamFolder");
        box->setEditText(QStringLiteral("typed before"));
        QString startPath;
        const QString seen = onModal(
            [&startPath](QWidget* dialog) {
                auto* path = control<QLineEdit>(dialog, "txtPath");
                startPath = path->text();
                path->setText(QStringLiteral("~/games/cstrike"));
                click(dialog, "cmdCancel");
            },
            [this] { openBrowse(); });
        QCOMPARE(seen, QStringLiteral("frmBrowse"));
        QCOMPARE(startPath, QDir::currentPath());
        QCOMPARE(box->currentText(), QStringLiteral("typed before"));

        QString shownAgain;
        onModal(
            [&shownAgain](QWidget* dialog) {
                auto* path = control<QLineEdit>(dialog, "txtPath");
                shownAgain = path->text();
                QTest::keyClick(path, Qt::Key_Return);
            },
            [this] { openBrowse(); });
        QCOMPARE(shownAgain, QStringLiteral("~/games/cstrike")); // hidden, not destroyed, by Cancel
        QCOMPARE(box->currentText(), QStringLiteral("~/games/cstrike"));
    }

    void browseStartsInSteamsFolderOfTheHomeFolder() {
        const QString steam = m_home->filePath(QStringLiteral(".steam/steam/steamapps"));
        QVERIFY(QDir().mkpath(steam));
        QString startPath;
        onModal([&startPath](QWidget* dialog) { startPath = control<QLineEdit>(dialog, "txtPath")->text(); },
                [this] { openBrowse(); });
        QCOMPARE(startPath, steam);
    }

    void aboutRollsTheShippedCreditsFromTheFirstPairEachTime() {
        for (int opening = 0; opening < 2; ++opening) {
            QString first;
            bool ticking = false;
            const QString seen = onModal(
                [&](QWidget* dialog) {
                    auto* about = static_cast<gui::frmAbout*>(dialog);
                    ticking = control<QTimer>(about, "timCredits")->isActive();
                    for (int tick = 0; tick < 200; ++tick) // past the first pair
                        about->timCredits_Timer();
                    about->timCredits_Timer();
                    QTest::keyClick(about, Qt::Key_Escape);
                },
                [this] { openAbout(); });
            QCOMPARE(seen, QStringLiteral("frmAbout"));
            QVERIFY(ticking);
            onModal(
                [&first](QWidget* dialog) {
                    static_cast<gui::frmAbout*>(dialog)->timCredits_Timer();
                    first = control<QLabel>(dialog, "lblPosition")->text() + u'|' +
                            control<QLabel>(dialog, "lblName")->text();
                },
                [this] { openAbout(); });
            QCOMPARE(first, QStringLiteral("Programming|The Jukewright maintainers"));
        }
    }
};

QTEST_MAIN(DialogRoutesTest)
#include "dialog_routes_test.moc"
