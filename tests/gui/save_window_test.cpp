#include "gui/dialogs/progress_window.h"
#include "gui/widgets/picture_button.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QThread>

using namespace jukewright;
using namespace jukewright::test;
using gui::frmScript;

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

// A save waits for the window at every step it shows, so running the events a batch at a time
// catches it in the middle.
template <typename Condition> bool stepUntil(Condition condition) {
    const QDeadlineTimer deadline(10000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
        QThread::usleep(200);
    }
    return true;
}

} // namespace

class SaveWindowTest : public WindowTest {
    Q_OBJECT

    QString mod() const { return m_home->path(QStringLiteral("Half-Life/cstrike")); }

    // Two tracks in the list ("missing" ones are not written) and the mod folder typed into the box.
    void prepareSave(const QStringList& tracks = {QStringLiteral("Blue Sky.mp3"), QStringLiteral("Rain.mp3")}) {
        QDir().mkpath(mod());
        for (const QString& track : tracks) {
            const QString path = m_home->path(QStringLiteral("music/") + track);
            if (!track.startsWith(QStringLiteral("missing")))
                writeFile(path);
            f->dialogs.nextFileNames.push_back(path.toStdString());
            f->trigger("mnuAddTrack");
        }
        QTest::keyClicks(f->find<QComboBox>("cboSteamFolder"), mod() + u'/');
        f->dialogs.openedFilters.clear();
    }
    void startSave() { QTest::mouseClick(f->find<gui::PictureButton>("imgWriteScript"), Qt::LeftButton); }
    frmScript* progress() const { return f->window->findChild<frmScript*>(QStringLiteral("frmScript")); }
    bool progressShown() const { return progress() && progress()->isVisible(); }

private Q_SLOTS:
    void aSaveWritesTheModFolderAndShowsItsStagesInOrder() {
        prepareSave();
        StageWatcher stages;
        QSignalSpy ended(f->window.get(), &gui::frmMain::saveEnded);
        startSave();
        QVERIFY(stepUntil([this] { return !f->find<QComboBox>("cboSteamFolder")->isEnabled(); }));
        QTRY_COMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].value<SaveOutcome>(), SaveOutcome::Complete);
        QCOMPARE(stages.shown,
                 (QStringList{QStringLiteral("imgGenb"), QStringLiteral("imgCopyb"), QStringLiteral("imgCompb")}));
        QVERIFY(progress()->isVisible());
        QCOMPARE(progress()->windowTitle(), QStringLiteral("Done"));
        QCOMPARE(progress()->frameGeometry().center(), f->window->frameGeometry().center());
        auto* bar = control<QProgressBar>(progress(), "prgFilecopy");
        QCOMPARE(bar->value(), bar->maximum());
        // Full, the bar is lit from end to end; empty, it is a dark slot.
        const QColor full = bar->grab().toImage().pixelColor(bar->rect().center());
        bar->setValue(0);
        const QColor empty = bar->grab().toImage().pixelColor(bar->rect().center());
        QVERIFY2(full.lightness() > empty.lightness() + 100, qPrintable(full.name() + u' ' + empty.name()));

        QCOMPARE(readAll(mod() + QStringLiteral("/mp3s/Rain.mp3")), QByteArray("ID3 test track"));
        auto* box = f->find<QComboBox>("cboSteamFolder");
        QVERIFY(box->isEnabled());
        QCOMPARE(box->itemText(0), mod()); // remembered, without the separator typed after it
        QVERIFY(f->dialogs.messages.empty());
    }

    void aMissingTrackEndsWithItsMessageAndNoDone() {
        prepareSave({QStringLiteral("Blue Sky.mp3"), QStringLiteral("missing.mp3")});
        StageWatcher stages;
        startSave();
        QTRY_VERIFY(!f->window->isSaving());
        QCOMPARE(f->dialogs.messages.size(), std::size_t(1));
        QVERIFY(f->dialogs.messages[0].text.find("missing.mp3") != std::string::npos);
        QCOMPARE(progress()->windowTitle(), QStringLiteral("Jukewright - Save failed"));
        QVERIFY(!stages.shown.contains(QStringLiteral("imgCompb")));
        for (const char* lit : {"imgGenb", "imgCopyb", "imgCompb"})
            QVERIFY2(control<QLabel>(progress(), lit)->isHidden(), lit);
        QVERIFY(f->find<QComboBox>("cboSteamFolder")->isEnabled());
    }

    void commandsDuringASaveDoNothing_data() {
        QTest::addColumn<QByteArray>("trigger");
        // One row per kind of guard: a command that returns, a dialog not shown, the key, the check mark
        // put back, the close box held over, the exit held back, files handed over added after the save.
        for (const char* trigger :
             {"imgWriteScript", "mnuAddTrack", "mnuOptions", "Delete", "mnuXash3d", "close", "mnuExit", "files"})
            QTest::newRow(trigger) << QByteArray(trigger);
    }
    void commandsDuringASaveDoNothing() {
        QFETCH(QByteArray, trigger);
        prepareSave();
        auto* list = f->find<QListWidget>("lstPlaylist");
        list->setCurrentRow(1);
        f->dialogs.nextFileNames = {m_home->path(QStringLiteral("music/Rain.mp3")).toStdString()};
        QSignalSpy ended(f->window.get(), &gui::frmMain::saveEnded);
        QSignalSpy ends(f->window.get(), &gui::frmMain::programEnds);
        startSave();
        QVERIFY(f->window->isSaving()); // the save waits for the window at every step
        if (trigger == "Delete")
            QTest::keyRelease(list, Qt::Key_Delete);
        else if (trigger == "close")
            QVERIFY(!f->window->close()); // the close box ends the program once the save is done
        else if (trigger == "files")
            f->window->addFiles(QStringList{m_home->path(QStringLiteral("music/Rain.mp3"))});
        else if (trigger.startsWith("mnu"))
            f->trigger(trigger.constData());
        else
            QTest::mouseClick(f->find<QWidget>(trigger.constData()), Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());

        QTRY_VERIFY(!f->window->isSaving());
        QCOMPARE(ended.size(), 1);
        QTRY_COMPARE(ends.size(), trigger == "close" ? 1 : 0);
        QCOMPARE(f->window->isVisible(), trigger != "close");
        QCOMPARE(list->count(), trigger == "files" ? 3 : 2);
        QCOMPARE(f->state->TrackCount, std::int16_t(trigger == "files" ? 3 : 2));
        QVERIFY(f->dialogs.openedFilters.empty());
        QVERIFY(f->dialogs.messages.empty());
        QCOMPARE(f->state->Layout, ScriptLayout::Automatic);
    }

    // Closed mid-save the progress window only hides; the next save shows it again under the first
    // caption, and a language chosen meanwhile takes effect; with no save running it closes for good.
    void theProgressWindowOutlivesItsSaves() {
        prepareSave();
        QSignalSpy ended(f->window.get(), &gui::frmMain::saveEnded);
        startSave();
        QVERIFY(stepUntil([this] { return progressShown(); }));
        const QPointer<frmScript> window = progress();
        QVERIFY(!window->close());
        QVERIFY(!window->isVisible());
        QTRY_COMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].value<SaveOutcome>(), SaveOutcome::Complete);
        QCOMPARE(window->windowTitle(), QStringLiteral("Done"));

        startSave();
        QVERIFY(stepUntil([this] { return !control<QLabel>(progress(), "imgGenb")->isHidden(); }));
        QCOMPARE(progress()->windowTitle(), QStringLiteral("Jukewright - Generating..."));
        f->trigger("mnuGerman");
        QCOMPARE(f->state->Language, std::int16_t(2));
        QTRY_VERIFY(!f->window->isSaving());
        const QPointer<frmScript> last = progress();
        QCOMPARE(last->windowTitle(), QStringLiteral("Done"));
        QVERIFY(last->close());
        QTRY_VERIFY(!last);
    }

    void aWindowDestroyedMidSaveLetsTheSaveEndFirst() {
        prepareSave();
        startSave();
        QVERIFY(stepUntil([this] { return progressShown(); }));
        f->window.reset();
        QVERIFY(QFile::exists(mod() + QStringLiteral("/mp3s/Rain.mp3")));
    }
};

QTEST_MAIN(SaveWindowTest)
#include "save_window_test.moc"
