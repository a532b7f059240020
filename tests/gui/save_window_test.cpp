#include "core/system/folder_lock.h"
#include "gui/dialogs/progress_window.h"
#include "gui/widgets/picture_button.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

using namespace jukewright;
using namespace jukewright::test;
using gui::frmScript;
using gui::PictureButton;

namespace {

// Notes, in order, each highlighted stage picture of the progress window that comes into view.
class StageWatcher : public QObject {
public:
    StageWatcher() { qApp->installEventFilter(this); }
    ~StageWatcher() override { qApp->removeEventFilter(this); }

    QStringList shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QString name = watched->objectName();
        if (event->type() == QEvent::Show && name.startsWith(QStringLiteral("img")) && name.endsWith(u'b') &&
            qobject_cast<QWidget*>(watched)->window()->objectName() == QStringLiteral("frmScript"))
            shown << name;
        return false;
    }
};

frmScript* progressWindow(const WindowFixture& f) {
    return f.window->findChild<frmScript*>(QStringLiteral("frmScript"));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SaveWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<WindowFixture> f;
    QString m_mod;

    // Two tracks in the list and the mod folder typed into the box.
    void prepareSave(const QStringList& tracks = {QStringLiteral("Blue Sky.mp3"), QStringLiteral("Rain.mp3")}) {
        for (const QString& track : tracks) {
            const QString path = m_folder->filePath(QStringLiteral("music/") + track);
            if (!track.startsWith(QStringLiteral("missing")))
                writeFile(path);
            f->dialogs.nextFileNames.push_back(path);
            f->find<QAction>("mnuAddTrack")->trigger();
        }
        QTest::keyClicks(f->find<QComboBox>("cboSteamFolder"), m_mod + u'/');
        f->dialogs.openedTitles.clear();
    }

    void startSave() { QTest::mouseClick(f->find<PictureButton>("imgWriteScript"), Qt::LeftButton); }

    bool progressShown() const {
        frmScript* progress = progressWindow(*f);
        return progress && progress->isVisible();
    }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen")); }

    void init() {
        m_folder = std::make_unique<QTemporaryDir>();
        qputenv("HOME", m_folder->path().toUtf8());
        m_mod = m_folder->filePath(QStringLiteral("Half-Life/cstrike"));
        QDir().mkpath(m_mod);
        f = std::make_unique<WindowFixture>();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
    }

    void cleanup() {
        f.reset();
        m_folder.reset();
    }

    void aSaveWritesTheModFolderAndShowsItsStagesInOrder() {
        prepareSave();
        StageWatcher stages;
        QSignalSpy ended(f->window.get(), &gui::frmMain::saveEnded);
        startSave();
        QVERIFY(f->window->isSaving());
        QVERIFY(stepUntil([this] { return !f->find<QComboBox>("cboSteamFolder")->isEnabled(); }));
        QTRY_COMPARE(ended.size(), 1);

        QCOMPARE(ended[0][0].value<SaveOutcome>(), SaveOutcome::Complete);
        QCOMPARE(stages.shown,
                 (QStringList{QStringLiteral("imgGenb"), QStringLiteral("imgCopyb"), QStringLiteral("imgCompb")}));
        frmScript* progress = progressWindow(*f);
        QVERIFY(progress->isVisible());
        QCOMPARE(progress->windowTitle(), QStringLiteral("Done"));
        QCOMPARE(progress->size(), QSize(371, 127));
        QCOMPARE(progress->frameGeometry().center(), f->window->frameGeometry().center());
        for (const char* plain : {"imgGen", "imgCopy", "imgCompb"})
            QVERIFY2(control<QLabel>(progress, plain)->isVisible(), plain);
        for (const char* hidden : {"imgGenb", "imgCopyb", "imgComp"})
            QVERIFY2(!control<QLabel>(progress, hidden)->isVisible(), hidden);
        for (const char* stage : {"imgGen", "imgGenb", "imgComp", "imgCompb"})
            QCOMPARE(control<QLabel>(progress, stage)->size(), QSize(300, 20));
        auto* bar = control<QProgressBar>(progress, "prgFilecopy");
        QCOMPARE(bar->maximum(), 2);
        QCOMPARE(bar->value(), 2);
        QVERIFY(bar->width() > 340);
        // Full, the bar is lit from end to end; empty, it is a dark slot.
        const QColor full = bar->grab().toImage().pixelColor(bar->rect().center());
        bar->setValue(0);
        const QColor empty = bar->grab().toImage().pixelColor(bar->rect().center());
        QVERIFY2(full.lightness() > empty.lightness() + 100, qPrintable(full.name() + u' ' + empty.name()));

        QVERIFY(readAll(m_mod + QStringLiteral("/mp3.cfg")).contains("BlueSky.mp3"));
        QCOMPARE(readAll(m_mod + QStringLiteral("/mp3s/Rain.mp3")), QByteArray("ID3 test track"));
        QVERIFY(readAll(m_mod + QStringLiteral("/userconfig.cfg")).contains("exec mp3.cfg"));
        QVERIFY(readAll(m_mod + QStringLiteral("/gfx/shell/kb_act.lst")).contains("MP3 Player Controls"));
        auto* box = f->find<QComboBox>("cboSteamFolder");
        QVERIFY(box->isEnabled());
        QCOMPARE(box->currentText(), m_mod);
        QCOMPARE(box->count(), 1);
        QCOMPARE(box->itemText(0), m_mod);
        QCOMPARE(f->state->ModFolders[0], m_mod.toStdString());
        QVERIFY(f->dialogs.messages.empty());
        QVERIFY(!f->window->isSaving());
    }

    void aMissingTrackEndsWithItsMessageAndNoDone() {
        prepareSave({QStringLiteral("Blue Sky.mp3"), QStringLiteral("missing.mp3")});
        StageWatcher stages;
        startSave();
        QTRY_VERIFY(!f->window->isSaving());
        QCOMPARE(f->dialogs.messages.size(), std::size_t(1));
        const Message& message = f->dialogs.messages[0];
        QCOMPARE(message.title, std::string("Jukewright - Error"));
        QCOMPARE(message.icon, MessageIcon::Stop);
        QVERIFY(QString::fromStdString(message.text).startsWith(QStringLiteral("These files could not be written:\n")));
        QVERIFY(QString::fromStdString(message.text).contains(QStringLiteral("missing.mp3")));
        QCOMPARE(progressWindow(*f)->windowTitle(), QStringLiteral("Jukewright - Save failed"));
        QVERIFY(!stages.shown.contains(QStringLiteral("imgCompb")));
        for (const char* lit : {"imgGenb", "imgCopyb", "imgCompb"})
            QVERIFY2(control<QLabel>(progressWindow(*f), lit)->isHidden(), lit);
        QVERIFY(f->find<QComboBox>("cboSteamFolder")->isEnabled());
    }

    void aSaveWhileAnotherRunsInTheModFolderStopsWithItsMessageAndWritesNothing() {
        prepareSave();
        const FolderLock other(m_mod.toStdString(), std::chrono::milliseconds(0));
        QCOMPARE(other.state(), FolderLock::State::Held);
        qputenv("JUKEWRIGHT_LOCK_WAIT_SECONDS", "0");
        startSave();
        QTRY_VERIFY(!f->window->isSaving());
        qunsetenv("JUKEWRIGHT_LOCK_WAIT_SECONDS");
        QCOMPARE(f->dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f->dialogs.messages[0], (Message{"Another save or remove is running in this mod folder.",
                                                  "Jukewright - Error", MessageIcon::Stop}));
        QVERIFY(!QFileInfo::exists(m_mod + QStringLiteral("/mp3.cfg")));
        QVERIFY(!QFileInfo::exists(m_mod + QStringLiteral("/userconfig.cfg")));
        QVERIFY(f->find<QComboBox>("cboSteamFolder")->isEnabled());
    }

    void commandsDuringASaveDoNothing_data() {
        QTest::addColumn<QByteArray>("trigger");
        for (const char* trigger :
             {"imgWriteScript", "mnuSaveScript", "imgAdd", "mnuAddTrack", "imgPlaylist", "mnuAddPlaylist", "imgRemove",
              "mnuRemove", "Delete", "mnuExit", "mnuAbout", "mnuOptions", "lblBrowse", "mnuCheckJukebox", "mnuXash3d"})
            QTest::newRow(trigger) << QByteArray(trigger);
    }

    void commandsDuringASaveDoNothing() {
        QFETCH(QByteArray, trigger);
        prepareSave();
        auto* list = f->find<QListWidget>("lstPlaylist");
        list->setCurrentRow(1);
        f->dialogs.nextFileNames = {m_folder->filePath(QStringLiteral("music/Rain.mp3"))};
        QSignalSpy ended(f->window.get(), &gui::frmMain::saveEnded);
        QSignalSpy ends(f->window.get(), &gui::frmMain::programEnds);
        startSave();
        // The save waits for the window at every step, so it is still running here.
        QVERIFY(f->window->isSaving());
        if (trigger == "Delete")
            QTest::keyRelease(list, Qt::Key_Delete);
        else if (trigger.startsWith("mnu"))
            f->find<QAction>(trigger.constData())->trigger();
        else if (trigger.startsWith("lbl"))
            QTest::mouseClick(f->find<QLabel>(trigger.constData()), Qt::LeftButton);
        else
            QTest::mouseClick(f->find<PictureButton>(trigger.constData()), Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());

        QTRY_VERIFY(!f->window->isSaving());
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ends.size(), 0);
        QCOMPARE(list->count(), 2);
        QCOMPARE(f->state->TrackCount, std::int16_t(2));
        QVERIFY(f->dialogs.openedTitles.isEmpty());
        QVERIFY(f->dialogs.messages.empty());
        QCOMPARE(f->state->Layout, ScriptLayout::Automatic);
        QVERIFY(!f->find<QAction>("mnuXash3d")->isChecked());
    }

    void aLanguageSwitchMayRunDuringASave() {
        prepareSave();
        startSave();
        f->find<QAction>("mnuGerman")->trigger();
        QCOMPARE(f->state->Language, std::int16_t(2));
        QTRY_VERIFY(!f->window->isSaving());
        QCOMPARE(progressWindow(*f)->windowTitle(), QStringLiteral("Done"));
    }

    void closingTheMainWindowWaitsForTheSave() {
        prepareSave();
        QSignalSpy ends(f->window.get(), &gui::frmMain::programEnds);
        startSave();
        QVERIFY(!f->window->close());
        QVERIFY(f->window->isVisible());
        QCOMPARE(ends.size(), 0);
        QTRY_COMPARE(ends.size(), 1);
        QVERIFY(!f->window->isVisible());
        QVERIFY(QFile::exists(m_mod + QStringLiteral("/mp3s/Rain.mp3")));
    }

    void closingTheProgressWindowMidSaveHidesItAndTheSaveCompletes() {
        prepareSave();
        QSignalSpy ended(f->window.get(), &gui::frmMain::saveEnded);
        startSave();
        QVERIFY(stepUntil([this] { return progressShown(); }));
        QVERIFY(f->window->isSaving());
        const QPointer<frmScript> progress = progressWindow(*f);
        QVERIFY(progress->close() == false);
        QVERIFY(!progress->isVisible());

        QTRY_COMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].value<SaveOutcome>(), SaveOutcome::Complete);
        QVERIFY(progress);
        QCOMPARE(progress->windowTitle(), QStringLiteral("Done"));
        QVERIFY(QFile::exists(m_mod + QStringLiteral("/mp3s/BlueSky.mp3")));
        // With no save running the close box closes it for good.
        QVERIFY(progress->close());
        QTRY_VERIFY(!progress);
    }

    void aWindowDestroyedMidSaveLetsTheSaveEndFirst() {
        prepareSave();
        startSave();
        QVERIFY(stepUntil([this] { return progressShown(); }));
        f->window.reset();
        QVERIFY(QFile::exists(m_mod + QStringLiteral("/mp3s/Rain.mp3")));
    }

    void everySaveStartsUnderTheFirstCaption() {
        prepareSave();
        startSave();
        QTRY_VERIFY(!f->window->isSaving());
        QCOMPARE(progressWindow(*f)->windowTitle(), QStringLiteral("Done"));
        startSave();
        QVERIFY(stepUntil([this] { return !control<QLabel>(progressWindow(*f), "imgGenb")->isHidden(); }));
        QCOMPARE(progressWindow(*f)->windowTitle(), QStringLiteral("Jukewright - Generating..."));
        QTRY_VERIFY(!f->window->isSaving());
        QCOMPARE(progressWindow(*f)->windowTitle(), QStringLiteral("Done"));
    }
};

QTEST_MAIN(SaveWindowTest)
#include "save_window_test.moc"
