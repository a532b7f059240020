#include "core/steam/steam_libraries.h"
#include "gui/dialogs/browse_dialog.h"
#include "gui/dialogs/dialog_keeper.h"
#include "gui/dialogs/directory_list.h"
#include "support/fake_dialogs.h"
#include "support/steam_home.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace jukewright;
using jukewright::test::control;

class BrowseDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<test::FakeDialogs> m_dialogs;
    std::unique_ptr<test::SteamHome> m_steam; // the home the installed mods are looked for in
    QStringList m_modFolderBox;               // every text OK put into the mod-folder box
    std::unique_ptr<gui::DialogKeeper<gui::frmBrowse>> m_keeper;

    QString home(const QString& relative = {}) const {
        return relative.isEmpty() ? m_home->path() : m_home->filePath(relative);
    }
    void makeFolder(const QString& relative) const { QVERIFY(QDir(home()).mkpath(relative)); }

    gui::frmBrowse* showBrowser() {
        gui::frmBrowse* dialog = m_keeper->dialog();
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog))
            qFatal("the browser did not show");
        return dialog;
    }
    static QString pathBox(QWidget* dialog) { return control<QLineEdit>(dialog, "txtPath")->text(); }
    static gui::DirectoryList* folders(QWidget* dialog) { return control<gui::DirectoryList>(dialog, "dirBrowse"); }
    static void click(QWidget* dialog, const char* button) {
        QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        m_work = std::make_unique<QTemporaryDir>();
        m_dialogs = std::make_unique<test::FakeDialogs>();
        m_steam = std::make_unique<test::SteamHome>();
        m_modFolderBox.clear();
        makeFolder(QStringLiteral("games/cstrike"));
        makeFolder(QStringLiteral("games/valve"));
        makeFolder(QStringLiteral(".hidden"));
        m_keeper = std::make_unique<gui::DialogKeeper<gui::frmBrowse>>([this] {
            gui::BrowsePlaces places{home().toStdString(),
                                     m_work->path().toStdString(),
                                     {"/", home().toStdString(), home(QStringLiteral("missing-disc")).toStdString()},
                                     posixSteamFolders(m_steam->path())};
            return new gui::frmBrowse([this](const QString& text) { m_modFolderBox << text; }, *m_dialogs, places);
        });
    }
    void cleanup() {
        delete m_keeper->dialog();
        m_keeper.reset();
    }

    void looksAsDesigned() {
        QWidget* dialog = showBrowser();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Jukewright - Browse Folders"));
        QCOMPARE(dialog->size(), QSize(498, 379));
        QCOMPARE(control<QLabel>(dialog, "Label3")->text(), QStringLiteral("Please Select your mod folder:"));
        QCOMPARE(control<QLineEdit>(dialog, "txtPath")->geometry(), QRect(16, 24, 289, 24));
        QCOMPARE(control<QComboBox>(dialog, "Drive1")->geometry(), QRect(24, 56, 273, 24));
        QCOMPARE(folders(dialog)->geometry(), QRect(24, 88, 273, 246));
        QCOMPARE(control<QPushButton>(dialog, "cmdCancel")->geometry(), QRect(304, 344, 82, 25));
        QCOMPARE(control<QLabel>(dialog, "lblNoMods")->geometry(), QRect(312, 24, 170, 310));
        QCOMPARE(control<QPushButton>(dialog, "cmdOk")->text(), QStringLiteral("Ok"));
        QCOMPARE(folders(dialog)->palette().color(QPalette::Base), QColor(246, 145, 16));
    }

    void startsInSteamsGameFolderWhereItExists_data() {
        QTest::addColumn<QString>("steamFolder");
        QTest::newRow("no Steam") << QString();
        QTest::newRow("Steam's own link") << QStringLiteral(".steam/steam/steamapps");
        QTest::newRow("Steam's data folder") << QStringLiteral(".local/share/Steam/steamapps");
    }
    void startsInSteamsGameFolderWhereItExists() {
        QFETCH(QString, steamFolder);
        if (!steamFolder.isEmpty())
            makeFolder(steamFolder + QStringLiteral("/common"));
        QWidget* dialog = showBrowser();
        const QString expected = steamFolder.isEmpty() ? m_work->path() : home(steamFolder);
        QCOMPARE(pathBox(dialog), expected);
        QCOMPARE(folders(dialog)->path(), expected);
        QCOMPARE(folders(dialog)->currentItem()->text(0), QDir(expected).dirName());
        // The start folder lies under the root or the home folder in the drive list.
        QCOMPARE(control<QComboBox>(dialog, "Drive1")->currentIndex(), steamFolder.isEmpty() ? 0 : 1);
    }

    void openingAFolderUpdatesThePathSelectingDoesNot() {
        makeFolder(QStringLiteral(".steam/steam/steamapps"));
        QWidget* dialog = showBrowser();
        gui::DirectoryList* list = folders(dialog);
        QTreeWidgetItem* steam = list->rowOf(home(QStringLiteral(".steam")));
        QVERIFY2(steam, "the folders above the current one are listed");

        list->setCurrentItem(steam); // selecting
        QCOMPARE(pathBox(dialog), home(QStringLiteral(".steam/steam/steamapps")));

        QTest::keyClick(list, Qt::Key_Return); // opening
        QCOMPARE(pathBox(dialog), home(QStringLiteral(".steam")));
        QVERIFY(dialog->isVisible()); // Enter in the list opens the folder, not the Ok button
        QVERIFY(m_modFolderBox.isEmpty());

        // Hidden folders are listed: Steam's folders are hidden ones.
        QVERIFY(list->rowOf(home(QStringLiteral(".steam/steam"))));
        QTreeWidgetItem* homeRow = list->rowOf(home());
        QVERIFY(homeRow);
        list->scrollToItem(homeRow);
        const QPoint centre = list->visualItemRect(homeRow).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(pathBox(dialog), home(QStringLiteral(".steam")));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(pathBox(dialog), home());
        QVERIFY(list->rowOf(home(QStringLiteral(".hidden"))));
        QVERIFY(list->rowOf(home(QStringLiteral("games"))));
    }

    void okPutsThePathBoxTextUnchanged_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("no such folder") << QStringLiteral("/nowhere/at all/");
        QTest::newRow("Windows path") << QStringLiteral("C:\\Program Files\\Steam\\SteamApps\\cstrike");
        QTest::newRow("spaces around") << QStringLiteral("  ~/cstrike  ");
        QTest::newRow("empty") << QString();
    }
    void okPutsThePathBoxTextUnchanged() {
        QFETCH(QString, typed);
        QWidget* dialog = showBrowser();
        auto* path = control<QLineEdit>(dialog, "txtPath");
        path->selectAll();
        path->del();
        QTest::keyClicks(path, typed);
        QTest::keyClick(path, Qt::Key_Return);
        QCOMPARE(m_modFolderBox, QStringList{typed});
        QVERIFY(!dialog->isVisible());
    }

    void cancelKeepsTheBoxAndTheFolderNavigatedTo() {
        gui::frmBrowse* dialog = showBrowser();
        const QString root = QStringLiteral("/");
        QTreeWidgetItem* top = folders(dialog)->rowOf(root);
        QVERIFY(top);
        folders(dialog)->setCurrentItem(top);
        QTest::keyClick(folders(dialog), Qt::Key_Return);
        QCOMPARE(pathBox(dialog), root);
        click(dialog, "cmdCancel");
        QVERIFY(!dialog->isVisible());
        QVERIFY(m_modFolderBox.isEmpty());

        QCOMPARE(showBrowser(), dialog);
        QCOMPARE(pathBox(dialog), root);
        QCOMPARE(folders(dialog)->path(), root);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(m_modFolderBox.isEmpty());
    }

    void theCloseBoxDestroysAndTheNextShowingStartsAfresh() {
        gui::frmBrowse* dialog = showBrowser();
        folders(dialog)->setCurrentItem(folders(dialog)->rowOf(QStringLiteral("/")));
        QTest::keyClick(folders(dialog), Qt::Key_Return);
        QPointer<gui::frmBrowse> closed = dialog;
        QVERIFY(dialog->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        QVERIFY(m_modFolderBox.isEmpty());
        QCOMPARE(pathBox(showBrowser()), m_work->path());
    }

    void aDriveThatCannotBeReadKeepsThePathAndSaysWhy() {
        QWidget* dialog = showBrowser();
        auto* drives = control<QComboBox>(dialog, "Drive1");
        QCOMPARE(drives->count(), 3);
        QCOMPARE(drives->itemText(1), home());

        QCOMPARE(drives->currentIndex(), 0);
        QTest::keyClick(drives, Qt::Key_Down); // the person picks the home folder
        QCOMPARE(pathBox(dialog), home());
        QVERIFY(m_dialogs->messages.empty());

        QTest::keyClick(drives, Qt::Key_Down); // a disc that is not there
        QCOMPARE(pathBox(dialog), home());
        QCOMPARE(folders(dialog)->path(), home());
        QCOMPARE(drives->currentIndex(), 1);
        QCOMPARE(m_dialogs->messages.size(), 1u);
        QVERIFY(m_dialogs->messages[0].text.starts_with("This folder could not be opened:\n" +
                                                        home(QStringLiteral("missing-disc")).toStdString()));
        QCOMPARE(m_dialogs->messages[0].icon, MessageIcon::Stop);
        QVERIFY(folders(dialog)->rowOf(home(QStringLiteral("games")))); // still usable
    }

    void listsTheModsInstalledThroughSteamOrSaysWhyNone_data() {
        QTest::addColumn<QStringList>("mods"); // "library|name", or "library|!" for a library list cut short
        QTest::addColumn<QStringList>("rows"); // "" for a row naming its library
        QTest::addColumn<QString>("noneText");
        QTest::newRow("no Steam") << QStringList{} << QStringList{}
                                  << QStringLiteral("Steam was not found on this computer.");
        QTest::newRow("Steam without mods") << QStringList{QStringLiteral(".local/share/Steam|")} << QStringList{}
                                            << QStringLiteral("Steam was found, but no Half-Life mod is installed");
        QTest::newRow("two mods") << QStringList{QStringLiteral(".local/share/Steam|valve"),
                                                 QStringLiteral(".local/share/Steam|cstrike")}
                                  << QStringList{QStringLiteral("cstrike"), QStringLiteral("valve")} << QString();
        QTest::newRow("an unreadable library list")
            << QStringList{QStringLiteral(".local/share/Steam|valve"), QStringLiteral(".local/share/Steam|!")}
            << QStringList{QStringLiteral("valve")}
            << QStringLiteral("Steam's list of library folders could not be read: ");
    }
    void listsTheModsInstalledThroughSteamOrSaysWhyNone() {
        QFETCH(QStringList, mods);
        QFETCH(QStringList, rows);
        QFETCH(QString, noneText);
        for (const QString& mod : mods) {
            const QStringList parts = mod.split(u'|');
            if (parts[1] == u'!')
                m_steam->libraryList(parts[0].toStdString(), "\"libraryfolders\" {");
            else if (parts[1].isEmpty())
                QVERIFY(QDir().mkpath(QString::fromStdString(m_steam->path()) + u'/' + parts[0] +
                                      QStringLiteral("/steamapps")));
            else
                m_steam->mod(parts[0].toStdString(), parts[1].toStdString());
        }
        QWidget* dialog = showBrowser();
        auto* list = control<QListWidget>(dialog, "lstMods");
        auto* none = control<QLabel>(dialog, "lblNoMods");
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown << list->item(row)->text();
        QCOMPARE(shown, rows);
        QCOMPARE(list->isVisible(), !rows.isEmpty());
        QCOMPARE(none->isVisible(), !noneText.isEmpty());
        if (!noneText.isEmpty())
            QVERIFY2(none->text().startsWith(noneText), qPrintable(none->text()));
    }

    void choosingAModOpensItsFolderAndConfirmsIt() {
        m_steam->mod(".local/share/Steam", "cstrike");
        const QString valve = QString::fromStdString(m_steam->mod(".local/share/Steam", "valve"));
        QWidget* dialog = showBrowser();
        auto* list = control<QListWidget>(dialog, "lstMods");
        QCOMPARE(list->item(1)->toolTip(), valve);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(m_modFolderBox, QStringList{valve}); // once, though a click may also activate the row
        QVERIFY(!dialog->isVisible());
        QCOMPARE(folders(dialog)->path(), valve);

        // Shown again: the path box holds the mod as OK left it; Enter on a row chooses it too.
        showBrowser();
        QCOMPARE(pathBox(dialog), valve);
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(m_modFolderBox.size(), 2);
        QVERIFY(m_modFolderBox[1].endsWith(QStringLiteral("/Half-Life/cstrike")));
        QVERIFY(m_dialogs->messages.empty());
    }

    void aModFolderThatCannotBeOpenedIsReportedNotConfirmed() {
        const std::string mod = m_steam->mod(".local/share/Steam", "valve");
        QWidget* dialog = showBrowser();
        std::filesystem::remove_all(mod); // gone between the showing and the click
        auto* list = control<QListWidget>(dialog, "lstMods");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QVERIFY(m_modFolderBox.isEmpty());
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_dialogs->messages.size(), 1u);
        QVERIFY(m_dialogs->messages[0].text.starts_with("This folder could not be opened:\n" + mod));
    }
};

QTEST_MAIN(BrowseDialogTest)
#include "browse_dialog_test.moc"
