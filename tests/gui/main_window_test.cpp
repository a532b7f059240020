#include "core/jukebox/jukebox_check.h"
#include "core/window/open_file_dialog.h"
#include "gui/dialogs/media_library.h"
#include "gui/platform/program_door.h"
#include "gui/widgets/picture_button.h"
#include "support/recording_views.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>

using namespace jukewright;
using namespace jukewright::test;
using gui::PictureButton;

namespace {

const char* const Twins[] = {"imgAddb", "imgPlaylistb", "imgRemoveb", "imgWriteScriptb"};

QStringList visibleTwins(const WindowFixture& f) {
    QStringList visible;
    for (const char* twin : Twins)
        if (f.find<PictureButton>(twin)->isVisible())
            visible << QString::fromLatin1(twin);
    return visible;
}

void pointAt(const WindowFixture& f, const char* target) {
    auto* control = f.find<QWidget>(target);
    QTest::mouseMove(f.window.get(), control->mapTo(f.window.get(), control->rect().center()));
}

void showAllTwins(const WindowFixture& f) {
    for (const char* button : {"imgAdd", "imgPlaylist", "imgRemove", "imgWriteScript"})
        pointAt(f, button);
}

// The shipped skins in a data folder a test may change; no readme, no free track.
QString copySkins(const QTemporaryDir& data) {
    for (const QString& language : {QStringLiteral("english"), QStringLiteral("german")}) {
        const QDir from(QStringLiteral(JUKEWRIGHT_DATA_DIR "/background/") + language);
        const QString to = data.filePath(QStringLiteral("background/") + language);
        QDir().mkpath(to);
        for (const QString& name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name), to + u'/' + name);
    }
    return data.path();
}

QString preferencesPath() {
    return QFileInfo(QString::fromStdString(gui::settingsFilePath())).dir().filePath(QStringLiteral("preferences.ini"));
}

} // namespace

class MainWindowTest : public WindowTest {
    Q_OBJECT

    void restart(const QString& data = QStringLiteral(JUKEWRIGHT_DATA_DIR)) {
        f = std::make_unique<WindowFixture>(data, false);
    }

private Q_SLOTS:
    // The pointer over the controls reaches the hover twins; what they show, the window shows.
    void hoveringSwapsTheButtonsForTheirTwins() {
        showAllTwins(*f);
        pointAt(*f, "imgRemoveb");
        QCOMPARE(visibleTwins(*f), QStringList{QStringLiteral("imgRemoveb")});
        pointAt(*f, "imgTitle");
        QCOMPARE(visibleTwins(*f), QStringList());
    }

    void routes_data() {
        QTest::addColumn<QByteArray>("trigger");
        QTest::addColumn<QByteArray>("command");
        // One row per slot a control reaches; a menu item and its button share theirs.
        const QByteArray routes = "imgAdd:add imgAddb:add imgPlaylist:import imgPlaylistb:import mnuRemove:remove "
                                  "Delete:remove imgWriteScriptb:save imgEnglish:english mnuGerman:german "
                                  "imgMediaLibary:library lblMorvane:freetrack mnuReadme:readme lblJukewright:readme "
                                  "mnuExit:exit";
        for (const QByteArray& route : routes.split(' '))
            QTest::newRow(route.constData()) << route.split(':')[0] << route.split(':')[1];
    }
    void routes() {
        QFETCH(QByteArray, trigger);
        QFETCH(QByteArray, command);
        f->addTracks(3);
        f->dialogs.openedFilters.clear();
        f->find<QListWidget>("lstPlaylist")->setCurrentRow(1);
        f->trigger(command == "german" ? "mnuEnglish" : "mnuGerman");
        showAllTwins(*f);
        QSignalSpy ends(f->window.get(), &gui::frmMain::programEnds);
        if (trigger == "Delete") {
            QTest::keyRelease(f->find<QListWidget>("lstPlaylist"), Qt::Key_Delete);
            QCoreApplication::processEvents();
        } else if (trigger.startsWith("mnu")) {
            f->trigger(trigger.constData());
        } else {
            QTest::mouseClick(f->find<QWidget>(trigger.constData()), Qt::LeftButton);
        }
        if (command == "add" || command == "import" || command == "remove")
            QCOMPARE(visibleTwins(*f), QStringList()); // the commands hide the four highlights first

        using Texts = std::vector<std::string>;
        const Texts filter = command == "add"      ? Texts{OpenFileDialog::Mp3Filter.description}
                             : command == "import" ? Texts{OpenFileDialog::PlaylistFilter.description}
                                                   : Texts{};
        QCOMPARE(f->dialogs.openedFilters, filter);
        QCOMPARE(f->rows().size(), command == "remove" ? 2 : 3);
        if (command == "save")
            QTRY_COMPARE(f->dialogs.messages.size(), std::size_t(1)); // the list has no real tracks
        else
            QVERIFY(f->dialogs.messages.empty());
        QCOMPARE(f->state->Language, std::int16_t(command == "english" ? 1 : 2));
        QCOMPARE(f->window->findChildren<gui::frmMediaLib*>().size(), command == "library" ? 1 : 0);
        const std::string opened = command == "freetrack" ? "/free_track.txt"
                                   : command == "readme"  ? "/readme.txt"
                                                          : "";
        QCOMPARE(f->desktop.opened, opened.empty() ? Texts{} : Texts{JUKEWRIGHT_DATA_DIR + opened});
        QCOMPARE(ends.size(), command == "exit" ? 1 : 0);
    }

    void theDeleteKey_data() {
        // Positive released, negative pressed; 0 a repeat the system marks as one, 1 a repeat as X sends
        // it (a release and a press with one timestamp, unmarked), 2 the same with the press arriving
        // only after the window has run its events (a busy system).
        QTest::addColumn<QList<int>>("events");
        QTest::addColumn<int>("removed");
        const int del = Qt::Key_Delete;
        QTest::newRow("pressed does nothing") << QList<int>{-del} << 0;
        QTest::newRow("held down removes once") << QList<int>{-del, 0, 0, 0, del} << 1;
        QTest::newRow("held down under X removes once") << QList<int>{-del, 1, 1, 1, del} << 1;
        QTest::newRow("held down under a busy X removes once") << QList<int>{-del, 2, 2, 2, del} << 1;
        QTest::newRow("pressed twice removes twice") << QList<int>{-del, del, -del, del} << 2;
        QTest::newRow("other keys do nothing") << QList<int>{Qt::Key_Backspace, Qt::Key_Space, Qt::Key_D} << 0;
    }
    void theDeleteKey() {
        QFETCH(QList<int>, events);
        QFETCH(int, removed);
        f->addTracks(4);
        auto* list = f->find<QListWidget>("lstPlaylist");
        list->setCurrentRow(2);
        quint64 time = 1000;
        const auto send = [list, &time](QEvent::Type type, int key, bool repeat) {
            QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
            event.setTimestamp(time);
            QApplication::sendEvent(list, &event);
        };
        // Sent as the system queues them, before the window runs its events.
        for (int key : events) {
            time += 30;
            if (key > 2) {
                send(QEvent::KeyRelease, key, false);
            } else if (key < 0) {
                send(QEvent::KeyPress, -key, false);
            } else {
                send(QEvent::KeyRelease, Qt::Key_Delete, key == 0);
                if (key == 2)
                    QCoreApplication::processEvents();
                send(QEvent::KeyPress, Qt::Key_Delete, key == 0);
            }
        }
        QCoreApplication::processEvents();
        QCOMPARE(f->rows().size(), 4 - removed);
        QCOMPARE(f->state->TrackCount, std::int16_t(4 - removed));
    }

    void tracksComeThroughTheDialogsAndDrops() {
        const QString one = writeFile(m_home->path(QStringLiteral("music/one.mp3")));
        const QString pls =
            writeFile(m_home->path(QStringLiteral("music/list.pls")), "[playlist]\r\nFile1=one.mp3\r\n");
        const QString notes = writeFile(m_home->path(QStringLiteral("music/notes.txt")));
        f->dialogs.nextFileNames = {one.toStdString(), pls.toStdString()};
        f->trigger("mnuAddTrack");
        f->trigger("mnuAddPlaylist");
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(notes), QUrl::fromLocalFile(one)});
        QWidget* viewport = f->find<QListWidget>("lstPlaylist")->viewport();
        QDragEnterEvent enter(viewport->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(viewport->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        // The dragging program waits for the drop to return, so nothing is said before.
        QVERIFY(f->dialogs.messages.empty());
        QCoreApplication::processEvents();
        QCOMPARE(f->rows(), QStringList(3, QStringLiteral("one.mp3")));
        QCOMPARE(f->dialogs.messages.size(), std::size_t(1));
        QVERIFY(f->dialogs.messages[0].text.find("notes.txt") != std::string::npos);
    }

    void aMissingSkinPictureIsToldAndALanguageChoiceReadsTheSkinAgain() {
        QTemporaryDir data;
        copySkins(data);
        const QString removePicture = data.filePath(QStringLiteral("background/english/removetrack.jpg"));
        QFile::rename(removePicture, data.filePath(QStringLiteral("removetrack.jpg")));
        restart(data.path());
        QCOMPARE(f->dialogs.messages.size(), std::size_t(1));
        QVERIFY(f->dialogs.messages[0].text.find("removetrack.jpg") != std::string::npos);
        auto* remove = f->find<PictureButton>("imgRemove");
        QVERIFY(remove->picture().isNull());
        f->addTracks(2);
        f->find<QListWidget>("lstPlaylist")->setCurrentRow(0);
        QTest::mouseClick(remove, Qt::LeftButton); // an empty button still removes
        QCOMPARE(f->rows(), QStringList{QStringLiteral("T1")});

        // The language already shown, chosen again, takes the pictures as they are now.
        QFile::rename(data.filePath(QStringLiteral("removetrack.jpg")), removePicture);
        f->find<PictureButton>("imgEnglish")->click();
        QVERIFY(!remove->picture().isNull());
        QVERIFY(f->find<QAction>("mnuEnglish")->isChecked());
        QCOMPARE(f->dialogs.messages.size(), std::size_t(1));
    }

    // The first run offers the free track once; the close box stores the language and the mod folders,
    // Exit ends at once and stores nothing.
    void theSettingsFileAcrossRuns() {
        const QString settings = QString::fromStdString(gui::settingsFilePath());
        QFile::remove(settings);
        f = std::make_unique<WindowFixture>(QStringLiteral(JUKEWRIGHT_DATA_DIR), false, std::deque<bool>{true});
        QCOMPARE(f->dialogs.questions.size(), std::size_t(1));
        QCOMPARE(f->rows(), QStringList{QStringLiteral("morvane_lanternsburn.mp3")});
        QCOMPARE(readAll(m_home->path(QStringLiteral("Music/morvane_lanternsburn.mp3"))),
                 readAll(QStringLiteral(JUKEWRIGHT_DATA_DIR "/morvane_lanternsburn.mp3")));
        f->trigger("mnuGerman");
        f->state->ModFolders[0] = "/games/Half-Life/cstrike";
        f->state->ModFolderCount = 1;
        QSignalSpy closed(f->window.get(), &gui::frmMain::programEnds);
        QVERIFY(f->window->close());
        QCOMPARE(closed.size(), 1);

        restart();
        QVERIFY(f->dialogs.questions.empty());
        QVERIFY(f->rows().isEmpty());
        QVERIFY(f->find<QAction>("mnuGerman")->isChecked());
        auto* box = f->find<QComboBox>("cboSteamFolder");
        QCOMPARE(box->count(), 1);
        QCOMPARE(box->itemText(0), QStringLiteral("/games/Half-Life/cstrike"));

        const QByteArray stored = readAll(settings);
        f->trigger("mnuEnglish");
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(f->find<PictureButton>("imgMediaLibary"), Qt::LeftButton);
        QCOMPARE(f->window->findChildren<gui::frmMediaLib*>().size(), 1); // the library opens once
        QSignalSpy ends(f->window.get(), &gui::frmMain::programEnds);
        f->trigger("mnuExit");
        QCOMPARE(ends.size(), 1);
        QVERIFY(f->window->isVisible()); // the other windows are gone, the main one is left to the program
        QCOMPARE(f->window->findChildren<gui::frmMediaLib*>().size(), 0);
        QCOMPARE(readAll(settings), stored);
    }

    void checkShowsItsResultsAndOnlyReadsTheBox() {
        const QString mod = m_home->path(QStringLiteral("Half-Life/valve"));
        writeFile(mod + QStringLiteral("/userconfig.cfg"), QByteArrayLiteral("exec mp3.cfg\n"));
        auto* box = f->find<QComboBox>("cboSteamFolder");
        box->setEditText(mod + u'/');
        int results = -1;
        QString summary;
        const QString seen = onModal(
            [&](QWidget* dialog) {
                results = control<QListWidget>(dialog, "lstResults")->count();
                summary = control<QLabel>(dialog, "lblSummary")->text();
                QTest::keyClick(dialog, Qt::Key_Return); // Close is the default button
                QVERIFY(!dialog->isVisible());
            },
            [this] { f->trigger("mnuCheckJukebox"); });
        QCOMPARE(seen, QStringLiteral("frmCheck"));
        QVERIFY(summary.endsWith(QStringLiteral("the jukebox does not work as saved.")));
        QCOMPARE(results, int(checkJukebox(mod.toStdString()).size()));
        QCOMPARE(box->currentText(), mod + u'/');
    }

    // The layout choice has a file of its own: kept across runs, held for the run where it cannot be stored.
    void theXash3dLayoutIsRememberedOutsideTheSettingsFile() {
        f->trigger("mnuXash3d");
        restart();
        QVERIFY(f->find<QAction>("mnuXash3d")->isChecked());
        QCOMPARE(f->state->Layout, ScriptLayout::Parts);
        QVERIFY(f->dialogs.messages.empty());

        QFile::remove(preferencesPath());
        QVERIFY(QDir().mkpath(preferencesPath())); // a folder where the file would go
        f->trigger("mnuXash3d");
        QCOMPARE(f->state->Layout, ScriptLayout::Automatic);
        QVERIFY(!f->find<QAction>("mnuXash3d")->isChecked());
        QCOMPARE(f->dialogs.messages.size(), 1u);
        QVERIFY(f->dialogs.messages[0].text.ends_with(QDir::toNativeSeparators(preferencesPath()).toStdString()));
        QVERIFY(QDir().rmdir(preferencesPath()));
    }

    // A file where the music folder should be is named; the fonts folder is made all the same.
    void theProgramsFoldersAreMadeInTheHomeOrNamed() {
        QCOMPARE(QString::fromStdString(gui::settingsFilePath()),
                 m_home->path(QStringLiteral(".config/jukewright/settings.jst")));
        QVERIFY(QDir(m_home->path(QStringLiteral("Music"))).removeRecursively());
        writeFile(m_home->path(QStringLiteral("Music"))); // a file where the music folder would be
        AppState state;
        RecordingMessages messages;
        gui::ResolveSpecialFolders(state, messages);
        QCOMPARE(messages.messages.size(), 1u);
        QCOMPARE(messages.messages[0].text, std::string("The folder does not exist"));
        QVERIFY(state.MusicFolder.empty());
        QCOMPARE(QString::fromStdString(state.FontsFolder), m_home->path(QStringLiteral(".local/share/fonts")));
        QVERIFY(QFileInfo(QString::fromStdString(state.FontsFolder)).isDir());
    }

    void aSecondStartHandsItsFilesToTheRunningWindowAndEnds() {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        gui::ProgramDoor door;
        QVERIFY(door.open());
        QSignalSpy handed(&door, &gui::ProgramDoor::filesArrived);
        QProcess program;
        program.setWorkingDirectory(runtime.path());
        QSignalSpy finished(&program, &QProcess::finished); // the door answers from the event loop
        program.start(QStringLiteral(JUKEWRIGHT_APP), {QStringLiteral("song.mp3"), QStringLiteral("/music/notes.txt")});
        QVERIFY(finished.wait(30000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(handed.size(), 1);
        QCOMPARE(handed[0][0].toStringList(),
                 (QStringList{runtime.filePath(QStringLiteral("song.mp3")), QStringLiteral("/music/notes.txt")}));
    }

    void withoutADisplayTheProgramSaysSoAndEnds() {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(JUKEWRIGHT_APP), {});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 1);
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(errors.count(u'\n'), 1);
        QVERIFY(errors.contains(QStringLiteral("jukewright-cli")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
