#include "core/integration/jukebox_check.h"
#include "core/script/save_script.h"
#include "gui/dialogs/check_dialog.h"
#include "support/modal_steps.h"
#include "support/steam_home.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

using namespace jukewright;
using jukewright::test::control;
using jukewright::test::onModal;
using jukewright::test::WindowFixture;

namespace {

QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text();
    return rows;
}

} // namespace

class ToolsMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<WindowFixture> f;

    QComboBox* modFolderBox() const { return f->find<QComboBox>("cboSteamFolder"); }
    QString checkJukebox(const std::function<void(QWidget*)>& steps = [](QWidget*) {}) {
        return onModal(steps, [this] { f->find<QAction>("mnuCheckJukebox")->trigger(); });
    }

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

    void checkRefusesTheBoxTheSaveRefuses_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << QString::fromLatin1(NoModFolderText);
        QTest::newRow("no such folder") << QStringLiteral("/nowhere/cstrike")
                                        << QString::fromLatin1(ModFolderNotFoundText);
    }
    void checkRefusesTheBoxTheSaveRefuses() {
        QFETCH(QString, box);
        QFETCH(QString, message);
        modFolderBox()->setEditText(box);
        QCOMPARE(checkJukebox(), QString());
        QCOMPARE(f->dialogs.messages.size(), 1u);
        QCOMPARE(QString::fromStdString(f->dialogs.messages[0].text), message);
        QCOMPARE(f->dialogs.messages[0].title, std::string(TitlePlain));
    }

    void checkShowsEachResultWithItsSeverity() {
        const QString mod = m_home->filePath(QStringLiteral("Half-Life/valve"));
        test::writeFile(mod + QStringLiteral("/userconfig.cfg"), QByteArrayLiteral("exec mp3.cfg\n"));
        QStringList expected;
        for (const CheckResult& result : jukewright::checkJukebox(mod.toStdString())) {
            const char* word = result.severity == CheckSeverity::Ok        ? "OK: "
                               : result.severity == CheckSeverity::Warning ? "Warning: "
                                                                           : "Problem: ";
            expected << QString::fromLatin1(word) + QString::fromStdString(result.text);
        }
        QVERIFY(expected.size() > 1);
        QVERIFY(expected.join(u'\n').contains(QStringLiteral("Problem: ")));

        modFolderBox()->setEditText(mod + u'/');
        QStringList shown;
        QString folder, summary;
        const QString seen = checkJukebox([&](QWidget* dialog) {
            shown = rowsOf(control<QListWidget>(dialog, "lstResults"));
            folder = control<QLabel>(dialog, "lblFolder")->text();
            summary = control<QLabel>(dialog, "lblSummary")->text();
            QTest::keyClick(dialog, Qt::Key_Return); // Close is the default button
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(seen, QStringLiteral("frmCheck"));
        QCOMPARE(shown, expected);
        QVERIFY(folder.endsWith(mod));
        QVERIFY2(summary.endsWith(QStringLiteral("the jukebox does not work as saved.")), qPrintable(summary));
        QVERIFY(f->dialogs.messages.empty());
        QCOMPARE(modFolderBox()->currentText(), mod + u'/'); // the check only reads the box
    }

    void theXash3dLayoutIsRememberedOutsideTheSettingsFile() {
        const QString settings = QString::fromStdString(gui::settingsFilePath());
        auto* item = f->find<QAction>("mnuXash3d");
        QVERIFY(item->isCheckable());
        QVERIFY(!item->isChecked());
        QCOMPARE(f->state->Layout, ScriptLayout::Automatic);
        item->trigger();
        QVERIFY(item->isChecked());
        QCOMPARE(f->state->Layout, ScriptLayout::Parts);
        QVERIFY(QFileInfo::exists(QFileInfo(settings).dir().filePath(QStringLiteral("preferences.ini"))));

        // The next run: a new window on a new state, settings.jst written afresh.
        f = std::make_unique<WindowFixture>();
        item = f->find<QAction>("mnuXash3d");
        QVERIFY(item->isChecked());
        QCOMPARE(f->state->Layout, ScriptLayout::Parts);
        item->trigger();
        QCOMPARE(f->state->Layout, ScriptLayout::Automatic);

        f = std::make_unique<WindowFixture>();
        QVERIFY(!f->find<QAction>("mnuXash3d")->isChecked());
        QCOMPARE(f->state->Layout, ScriptLayout::Automatic);
        QVERIFY(f->dialogs.messages.empty());

        // A choice that cannot be stored holds for this run and says where it was to go.
        const QString preferences = QFileInfo(settings).dir().filePath(QStringLiteral("preferences.ini"));
        QVERIFY(QFile::remove(preferences) && QDir().mkpath(preferences));
        f->find<QAction>("mnuXash3d")->trigger();
        QCOMPARE(f->state->Layout, ScriptLayout::Parts);
        QCOMPARE(f->dialogs.messages.size(), 1u);
        QVERIFY(f->dialogs.messages[0].text.ends_with(QDir::toNativeSeparators(preferences).toStdString()));
        QCOMPARE(f->dialogs.messages[0].icon, MessageIcon::Stop);
    }

    void aModInstalledThroughSteamIsChosenInTheBrowserWithOneClick() {
        test::SteamHome steam;
        steam.mod(".local/share/Steam", "cstrike");
        const QString valve = QString::fromStdString(steam.mod(".local/share/Steam", "valve"));
        qputenv("HOME", QByteArray::fromStdString(steam.path()));
        QStringList rows;
        const QString seen = onModal(
            [&rows](QWidget* dialog) {
                auto* list = control<QListWidget>(dialog, "lstMods");
                rows = rowsOf(list);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
            },
            [this] { QTest::mouseClick(f->find<QLabel>("lblBrowse"), Qt::LeftButton); });
        QCOMPARE(seen, QStringLiteral("frmBrowse"));
        QCOMPARE(rows, (QStringList{QStringLiteral("cstrike"), QStringLiteral("valve")}));
        QCOMPARE(modFolderBox()->currentText(), valve);
        // Only a save remembers a mod folder.
        QCOMPARE(modFolderBox()->count(), 0);
        QCOMPARE(f->state->ModFolderCount, std::int16_t(0));
        QVERIFY(f->dialogs.messages.empty());
    }
};

QTEST_MAIN(ToolsMenuTest)
#include "tools_menu_test.moc"
