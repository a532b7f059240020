#include "core/steam/steam_libraries.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/browse_dialog.h"
#include "gui/dialogs/dialog_keeper.h"
#include "gui/dialogs/directory_list.h"
#include "gui/dialogs/options_dialog.h"
#include "support/recording_views.h"
#include "support/steam_home.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace jukewright;
using namespace jukewright::test;

namespace {

template <class Dialog> Dialog* showKept(gui::DialogKeeper<Dialog>& keeper) {
    Dialog* dialog = keeper.dialog();
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog))
        qFatal("the dialog did not show");
    return dialog;
}

QLineEdit* box(QWidget* dialog, const char* name) {
    return control<QLineEdit>(dialog, name);
}

void click(QWidget* dialog, const char* button) {
    QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
}

// The volumes the settings file holds now.
std::pair<int, int> storedVolumes() {
    class NoRows : public ModFolderBox {
        void appendModFolderRow(const std::string&) override {}
    } rows;
    RecordingMessages messages;
    AppState stored;
    SettingsStore(gui::settingsFilePath(), messages).LoadSettings(stored, rows);
    return {stored.Mp3Volume, stored.GameVolume};
}

} // namespace

class DialogsTest : public WindowTest {
    Q_OBJECT

    AppState m_state;
    std::vector<bool> m_storedWhileOpen; // one entry per store of the volumes
    std::unique_ptr<gui::DialogKeeper<gui::frmOptions>> m_options;
    FakeDialogs m_dialogs;
    std::unique_ptr<SteamHome> m_steam;
    QStringList m_modFolderBox; // every text the browser's OK put into the mod-folder box
    std::unique_ptr<gui::DialogKeeper<gui::frmBrowse>> m_browse;

private Q_SLOTS:
    void init() {
        WindowTest::init();
        m_state = AppState();
        m_storedWhileOpen.clear();
        m_options = std::make_unique<gui::DialogKeeper<gui::frmOptions>>([this] {
            auto shown = std::make_shared<QPointer<gui::frmOptions>>();
            *shown =
                new gui::frmOptions(m_state, [this, shown] { m_storedWhileOpen.push_back((*shown)->isVisible()); });
            return shown->data();
        });
        m_dialogs = {};
        m_steam = std::make_unique<SteamHome>();
        m_modFolderBox.clear();
        QDir().mkpath(m_home->path(QStringLiteral("games/cstrike")));
        m_browse = std::make_unique<gui::DialogKeeper<gui::frmBrowse>>([this] {
            const std::string home = m_home->path().toStdString();
            gui::BrowsePlaces places{home,
                                     QDir::currentPath().toStdString(),
                                     {"/", home, home + "/missing-disc"},
                                     posixSteamFolders(m_steam->path())};
            return new gui::frmBrowse([this](const QString& text) { m_modFolderBox << text; }, m_dialogs, places);
        });
    }
    void cleanup() {
        delete m_options->dialog();
        delete m_browse->dialog();
        WindowTest::cleanup();
    }

    void aVolumeBoxTakesOnlyWhatKeepsItInRange() {
        QLineEdit* mp3 = box(showKept(*m_options), "txtMP3Vol");
        mp3->setText(QStringLiteral("100"));
        QTest::keyClicks(mp3, QStringLiteral("1"));
        QCOMPARE(mp3->text(), QStringLiteral("100"));
    }

    void theOptionsButtonsAndKeys_data() {
        QTest::addColumn<QString>("mp3");
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<int>("mp3After");
        QTest::addColumn<int>("gameAfter");
        QTest::addColumn<bool>("openAfter");
        QTest::addColumn<QString>("shownAfter");
        const auto row = [](const char* name, const char* mp3, const char* action, int mp3After, int gameAfter,
                            bool openAfter, const char* shownAfter) {
            QTest::newRow(name) << QString::fromLatin1(mp3) << QByteArray(action) << mp3After << gameAfter << openAfter
                                << QString::fromLatin1(shownAfter);
        };
        row("Apply stores and stays", "35", "cmdApply", 35, 90, true, "35");
        row("Apply keeps an emptied value", "", "cmdApply", 80, 90, true, "80");
        row("OK takes halves to even", "2.5", "cmdOk", 2, 90, false, "2.5");
        row("Enter is OK", "99.5", "Enter", 100, 90, false, "99.5");
        row("Cancel restores", "35", "cmdCancel", 80, 80, false, "80");
        row("Esc is Cancel", "35", "Esc", 80, 80, false, "80");
    }
    void theOptionsButtonsAndKeys() {
        QFETCH(QString, mp3);
        QFETCH(QByteArray, action);
        QFETCH(int, mp3After);
        QFETCH(int, gameAfter);
        QFETCH(bool, openAfter);
        QFETCH(QString, shownAfter);
        gui::frmOptions* dialog = showKept(*m_options);
        box(dialog, "txtMP3Vol")->setText(mp3);
        box(dialog, "txtGameVol")->setText(QStringLiteral("90"));
        if (action.startsWith("cmd"))
            click(dialog, action.constData());
        else
            QTest::keyClick(box(dialog, "txtMP3Vol"), action == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
        QCOMPARE(int{m_state.Mp3Volume}, mp3After);
        QCOMPARE(int{m_state.GameVolume}, gameAfter);
        QCOMPARE(dialog->isVisible(), openAfter);
        QCOMPARE(box(dialog, "txtMP3Vol")->text(), shownAfter);
        // Stored once, before the dialog hides; never by Cancel.
        QCOMPARE(m_storedWhileOpen, mp3After == 80 && gameAfter == 80 ? std::vector<bool>{} : std::vector<bool>{true});
    }

    void theWindowsOptionsStoreTheVolumesBeforeTheDialogGoesOn() {
        std::vector<std::pair<int, int>> inFile;
        const QString seen = onModal(
            [&](QWidget* dialog) {
                box(dialog, "txtMP3Vol")->setText(QStringLiteral("35"));
                click(dialog, "cmdApply");
                inFile.push_back(storedVolumes());
                box(dialog, "txtGameVol")->setText(QStringLiteral("99.5"));
                click(dialog, "cmdOk");
                inFile.push_back(storedVolumes());
            },
            [this] { f->trigger("mnuOptions"); });
        QCOMPARE(seen, QStringLiteral("frmOptions"));
        QCOMPARE(inFile, (std::vector<std::pair<int, int>>{{35, 80}, {35, 100}}));
        QCOMPARE(f->state->GameVolume, 100);
    }

    void theWindowsBrowserPutsThePathIntoTheBoxOnOkOnly() {
        auto* modFolder = f->find<QComboBox>("cboSteamFolder");
        modFolder->setEditText(QStringLiteral("typed before"));
        QString startPath;
        const auto browse = [this](const std::function<void(QWidget*)>& steps) {
            return onModal(steps, [this] { QTest::mouseClick(f->find<QLabel>("lblBrowse"), Qt::LeftButton); });
        };
        QCOMPARE(browse([&startPath](QWidget* dialog) {
                     startPath = box(dialog, "txtPath")->text();
                     box(dialog, "txtPath")->setText(QStringLiteral("~/games/cstrike"));
                     click(dialog, "cmdCancel");
                 }),
                 QStringLiteral("frmBrowse"));
        QCOMPARE(startPath, QDir::currentPath()); // no Steam in this home
        QCOMPARE(modFolder->currentText(), QStringLiteral("typed before"));
        browse([](QWidget* dialog) { QTest::keyClick(box(dialog, "txtPath"), Qt::Key_Return); });
        QCOMPARE(modFolder->currentText(), QStringLiteral("~/games/cstrike")); // kept from the Cancelled showing
        QCOMPARE(modFolder->count(), 0);                                       // only a save remembers a mod folder
    }

    void browserCancelAndEscKeepTheFolderTheCloseBoxStartsAfresh() {
        gui::frmBrowse* dialog = showKept(*m_browse);
        auto* list = control<gui::DirectoryList>(dialog, "dirBrowse");
        list->setCurrentItem(list->rowOf(QStringLiteral("/")));
        QCOMPARE(box(dialog, "txtPath")->text(), QDir::currentPath()); // selecting a folder does not open it
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(dialog->isVisible()); // Enter in the list opens the folder, not the Ok button
        click(dialog, "cmdCancel");
        QCOMPARE(showKept(*m_browse), dialog);
        QCOMPARE(box(dialog, "txtPath")->text(), QStringLiteral("/"));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(m_modFolderBox.isEmpty());
        showKept(*m_browse)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(box(showKept(*m_browse), "txtPath")->text(), QDir::currentPath());
    }

    void aDriveThatCannotBeReadKeepsThePathAndSaysWhy() {
        QWidget* dialog = showKept(*m_browse);
        auto* drives = control<QComboBox>(dialog, "Drive1");
        QTest::keyClick(drives, Qt::Key_Down); // the person picks the home folder
        QCOMPARE(box(dialog, "txtPath")->text(), m_home->path());
        QTest::keyClick(drives, Qt::Key_Down); // a disc that is not there
        QCOMPARE(box(dialog, "txtPath")->text(), m_home->path());
        QCOMPARE(drives->currentIndex(), 1);
        QCOMPARE(m_dialogs.messages.size(), 1u);
        QVERIFY(m_dialogs.messages[0].text.starts_with("This folder could not be opened:\n" +
                                                       m_home->path(QStringLiteral("missing-disc")).toStdString()));
    }

    void choosingAModConfirmsItsFolderOnce() {
        m_steam->mod(".local/share/Steam", "cstrike");
        const QString valve = QString::fromStdString(m_steam->mod(".local/share/Steam", "valve"));
        QWidget* dialog = showKept(*m_browse);
        auto* list = control<QListWidget>(dialog, "lstMods");
        QCOMPARE(rowsOf(list), (QStringList{QStringLiteral("cstrike"), QStringLiteral("valve")}));
        QVERIFY(!control<QLabel>(dialog, "lblNoMods")->isVisible());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(m_modFolderBox, QStringList{valve}); // once, though a click may also activate the row
        QVERIFY(!dialog->isVisible());
        QCOMPARE(control<gui::DirectoryList>(dialog, "dirBrowse")->path(), valve);
        QVERIFY(m_dialogs.messages.empty());
    }

    void aModFolderThatCannotBeOpenedIsReportedNotConfirmed() {
        const std::string mod = m_steam->mod(".local/share/Steam", "valve");
        QWidget* dialog = showKept(*m_browse);
        std::filesystem::remove_all(mod); // gone between the showing and the click
        auto* list = control<QListWidget>(dialog, "lstMods");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QVERIFY(m_modFolderBox.isEmpty());
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_dialogs.messages.size(), 1u);
        QVERIFY(m_dialogs.messages[0].text.starts_with("This folder could not be opened:\n" + mod));
    }

    void aboutRollsTheShippedCreditsFromTheFirstPairEachTime() {
        for (int opening = 0; opening < 2; ++opening) {
            bool ticking = false, stopped = false;
            QString first;
            const QString seen = onModal(
                [&](QWidget* dialog) {
                    auto* about = static_cast<gui::frmAbout*>(dialog);
                    ticking = control<QTimer>(about, "timCredits")->isActive();
                    about->timCredits_Timer();
                    first = control<QLabel>(dialog, "lblPosition")->text() + u'|' +
                            control<QLabel>(dialog, "lblName")->text();
                    for (int tick = 0; tick < 200; ++tick) // past the first pair
                        about->timCredits_Timer();
                    QTest::keyClick(about, Qt::Key_Escape);
                    stopped = !about->isVisible() && !control<QTimer>(about, "timCredits")->isActive();
                },
                [this] { f->trigger("mnuAbout"); });
            QCOMPARE(seen, QStringLiteral("frmAbout"));
            QVERIFY(ticking && stopped);
            QCOMPARE(first, QStringLiteral("Programming|The Jukewright maintainers"));
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
