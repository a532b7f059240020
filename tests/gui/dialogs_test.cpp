#include "core/steam/steam_libraries.h"
#include "core/window/open_file_dialog.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/browse_dialog.h"
#include "gui/dialogs/directory_list.h"
#include "gui/platform/qt_dialogs.h"
#include "support/steam_home.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace jukewright;
using namespace jukewright::test;

namespace {

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

    QString browseFromTheWindow(const std::function<void(QWidget*)>& steps) {
        return onModal(steps, [this] { QTest::mouseClick(f->find<QLabel>("lblBrowse"), Qt::LeftButton); });
    }

private Q_SLOTS:
    void theOptionsStoreTheVolumesBeforeTheDialogGoesOn_data() {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Apply stores and stays") << QByteArray("cmdApply") << true;
        QTest::newRow("OK stores and closes") << QByteArray("cmdOk") << true;
        QTest::newRow("Enter is OK") << QByteArray("Enter") << true;
        QTest::newRow("Cancel restores") << QByteArray("cmdCancel") << false;
        QTest::newRow("Esc is Cancel") << QByteArray("Esc") << false;
    }
    void theOptionsStoreTheVolumesBeforeTheDialogGoesOn() {
        QFETCH(QByteArray, action);
        QFETCH(bool, kept);
        const std::pair<int, int> start{f->state->Mp3Volume, f->state->GameVolume}, startInFile = storedVolumes();
        const std::pair<int, int> typed{35, 90};
        const QString seen = onModal(
            [&](QWidget* dialog) {
                box(dialog, "txtMP3Vol")->setText(QStringLiteral("35"));
                QTest::keyClicks(box(dialog, "txtMP3Vol"), QStringLiteral("1")); // 351 is out of range
                box(dialog, "txtGameVol")->setText(QStringLiteral("90"));
                if (action.startsWith("cmd"))
                    click(dialog, action.constData());
                else
                    QTest::keyClick(box(dialog, "txtMP3Vol"), action == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
                QCOMPARE(dialog->isVisible(), action == "cmdApply");
                QCOMPARE(box(dialog, "txtMP3Vol")->text(), QString::number(kept ? typed.first : start.first));
                QCOMPARE(storedVolumes(), kept ? typed : startInFile);
            },
            [this] { f->trigger("mnuOptions"); });
        QCOMPARE(seen, QStringLiteral("frmOptions"));
        QCOMPARE((std::pair<int, int>{f->state->Mp3Volume, f->state->GameVolume}), kept ? typed : start);
    }

    // Cancel and Esc keep the folder for the next showing, the close box starts afresh, and only OK
    // puts the path into the mod-folder box.
    void theBrowserKeepsItsFolderUntilClosedAndFillsTheBoxOnOkOnly() {
        QDir().mkpath(m_home->path(QStringLiteral("games/cstrike")));
        auto* modFolder = f->find<QComboBox>("cboSteamFolder");
        modFolder->setEditText(QStringLiteral("typed before"));
        QCOMPARE(browseFromTheWindow([](QWidget* dialog) {
                     QCOMPARE(box(dialog, "txtPath")->text(), QDir::currentPath()); // no Steam in this home
                     auto* list = control<gui::DirectoryList>(dialog, "dirBrowse");
                     list->setCurrentItem(list->rowOf(QStringLiteral("/")));
                     QCOMPARE(box(dialog, "txtPath")->text(), QDir::currentPath()); // selecting does not open
                     QTest::keyClick(list, Qt::Key_Return);
                     QVERIFY(dialog->isVisible()); // Enter in the list opens the folder, not the Ok button
                     QCOMPARE(box(dialog, "txtPath")->text(), QStringLiteral("/"));
                     box(dialog, "txtPath")->setText(QStringLiteral("~/games/cstrike"));
                     click(dialog, "cmdCancel");
                 }),
                 QStringLiteral("frmBrowse"));
        browseFromTheWindow([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QCOMPARE(modFolder->currentText(), QStringLiteral("typed before"));
        browseFromTheWindow([](QWidget* dialog) { QTest::keyClick(box(dialog, "txtPath"), Qt::Key_Return); });
        QCOMPARE(modFolder->currentText(), QStringLiteral("~/games/cstrike"));
        QCOMPARE(modFolder->count(), 0); // only a save remembers a mod folder
        browseFromTheWindow([](QWidget* dialog) { dialog->close(); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        browseFromTheWindow([](QWidget* dialog) { QCOMPARE(box(dialog, "txtPath")->text(), QDir::currentPath()); });
    }

    // A drive that cannot be read keeps the path; a mod whose folder went between the showing and the
    // click is reported, not confirmed; a mod that is there is confirmed once, though a click may also
    // activate the row.
    void aBrowserSaysWhatItCannotOpenAndConfirmsAModOnce() {
        SteamHome steam;
        const std::string gone = steam.mod(".local/share/Steam", "cstrike");
        const QString valve = QString::fromStdString(steam.mod(".local/share/Steam", "valve"));
        const std::string home = m_home->path().toStdString();
        QStringList modFolderBox;
        FakeDialogs dialogs;
        gui::frmBrowse dialog([&modFolderBox](const QString& text) { modFolderBox << text; }, dialogs,
                              {home,
                               QDir::currentPath().toStdString(),
                               {"/", home, home + "/missing-disc"},
                               posixSteamFolders(steam.path())});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* drives = control<QComboBox>(&dialog, "Drive1");
        QTest::keyClick(drives, Qt::Key_Down); // the person picks the home folder
        QTest::keyClick(drives, Qt::Key_Down); // a disc that is not there
        QCOMPARE(box(&dialog, "txtPath")->text(), m_home->path());
        QCOMPARE(drives->currentIndex(), 1);
        auto* list = control<QListWidget>(&dialog, "lstMods");
        QCOMPARE(rowsOf(list), (QStringList{QStringLiteral("cstrike"), QStringLiteral("valve")}));
        QVERIFY(!control<QLabel>(&dialog, "lblNoMods")->isVisible());
        std::filesystem::remove_all(gone);
        for (int row : {0, 1})
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        QCOMPARE(dialogs.messages.size(), 2u);
        QVERIFY(dialogs.messages[0].text.starts_with("This folder could not be opened:\n" + home + "/missing-disc"));
        QVERIFY(dialogs.messages[1].text.starts_with("This folder could not be opened:\n" + gone));
        QCOMPARE(modFolderBox, QStringList{valve});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(control<gui::DirectoryList>(&dialog, "dirBrowse")->path(), valve);
    }

    // The person reads each filter's description alone, in a dialog owned by the window in front.
    void theOpenFileDialogShowsItsFilterAsWrittenOverTheWindow() {
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        QStringList seen;
        const auto look = [&](QWidget* dialog) {
            auto* files = static_cast<QFileDialog*>(dialog);
            if (files->testOption(QFileDialog::HideNameFilterDetails) && files->parentWidget() == f->window.get())
                seen = files->nameFilters();
        };
        onModal(look, [] { gui::QtDialogs().openFile(OpenFileDialog::Title, OpenFileDialog::PlaylistFilter, ""); });
        QCOMPARE(seen, QStringList{QStringLiteral("Playlist Files (*.pls,*.m3u) (*.pls *.m3u *.m3u8)")});
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
