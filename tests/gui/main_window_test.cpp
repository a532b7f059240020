#include "core/layout/skin_layout.h"
#include "gui/dialogs/media_library.h"
#include "gui/platform/open_file_dialog.h"
#include "gui/platform/program_door.h"
#include "gui/widgets/picture_button.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace jukewright;
using namespace jukewright::test;
using gui::PictureButton;

namespace {

const char* const Twins[] = {"imgAddb", "imgPlaylistb", "imgRemoveb", "imgWriteScriptb"};

// A copy of the shipped data folder that a test may change.
QString copyDataFolder(const QString& target) {
    const QDir source(QStringLiteral(JUKEWRIGHT_DATA_DIR));
    for (const char* language : {"english", "german"}) {
        const QString folder = QStringLiteral("background/") + QString::fromLatin1(language);
        QDir().mkpath(QDir(target).filePath(folder));
        for (const auto& picture : SkinPictures) {
            const QString name = folder + u'/' + QString::fromUtf8(picture.file);
            QFile::copy(source.filePath(name), QDir(target).filePath(name));
        }
    }
    return target;
}

void writeJpeg(const QString& path, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    QFile::remove(path);
    QVERIFY(image.save(path, "JPEG"));
}

QStringList visibleTwins(const WindowFixture& f) {
    QStringList visible;
    for (const char* twin : Twins)
        if (f.find<PictureButton>(twin)->isVisible())
            visible << QString::fromLatin1(twin);
    return visible;
}

void showAllTwins(const WindowFixture& f) {
    for (const char* twin : Twins)
        f.find<PictureButton>(twin)->show();
}

QStringList rows(const WindowFixture& f) {
    QStringList texts;
    auto* list = f.find<QListWidget>("lstPlaylist");
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QList<int> selectedRows(const WindowFixture& f) {
    QList<int> selected;
    for (const QModelIndex& index : f.find<QListWidget>("lstPlaylist")->selectionModel()->selectedRows())
        selected << index.row();
    std::sort(selected.begin(), selected.end());
    return selected;
}

// Tracks T0 .. T<count-1> added through the window, as a person adds them.
void addTracks(WindowFixture& f, int count) {
    for (int i = 0; i < count; ++i) {
        f.dialogs.nextFileNames.push_back(QStringLiteral("/music/T%1").arg(i));
        f.find<QAction>("mnuAddTrack")->trigger();
    }
}

// Moves the pointer onto the middle of a control.
void pointAt(const WindowFixture& f, QWidget* target) {
    QTest::mouseMove(f.window.get(), target->mapTo(f.window.get(), target->rect().center()));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<WindowFixture> f;

private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        QVERIFY2(QImageReader::supportedImageFormats().contains("jpeg"), "Qt's JPEG plugin is missing");
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("HOME", m_home->path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_home->path() + QStringLiteral("/.config")).toUtf8());
    }

    void init() {
        f = std::make_unique<WindowFixture>();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
    }

    void cleanup() { f.reset(); }

    void theWindowIsTheDesignedOne() {
        QCOMPARE(f->window->windowTitle(), QStringLiteral("Jukewright - Your Game. Your Music."));
        QCOMPARE(f->window->centralWidget()->size(), QSize(1022, 766));
        QCOMPARE(f->window->centralWidget()->palette().color(QPalette::Window), QColor(246, 145, 16));
        for (const char* name : {"imgTitle", "imgLeftside", "imgAdd", "imgPlaylist", "imgRemove", "imgWriteScript",
                                 "imgRightside", "imgPlbg", "imgAddb", "imgPlaylistb", "imgRemoveb", "imgWriteScriptb",
                                 "imgEnglish", "imgGerman", "imgMediaLibary"})
            QVERIFY2(!f->find<PictureButton>(name)->picture().isNull(), name);
        QCOMPARE(f->find<QLabel>("imgModFold")->pixmap().size(), QSize(150, 20));
        QCOMPARE(f->find<PictureButton>("imgEnglish")->size(), QSize(25, 14));
        QCOMPARE(f->find<PictureButton>("imgGerman")->size(), QSize(25, 14));
        auto* list = f->find<QListWidget>("lstPlaylist");
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(list->palette().color(QPalette::Base), QColor(246, 145, 16));
        QCOMPARE(list->palette().color(QPalette::Text), QColor(Qt::white));
        QVERIFY(list->geometry().intersects(f->find<PictureButton>("imgPlbg")->geometry()));
        auto* box = f->find<QComboBox>("cboSteamFolder");
        QVERIFY(box->isEditable());
        QCOMPARE(box->insertPolicy(), QComboBox::NoInsert);
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(f->find<QLabel>("lblBrowse")->text(), QStringLiteral("..."));
        QCOMPARE(f->find<QLabel>("lblMorvane")->text(), QStringLiteral("Music by Morvane: www.morvane.net"));
        QCOMPARE(f->find<QLabel>("lblJukewright")->text(), QStringLiteral("Jukewright homepage: jukewright.org"));
        QCOMPARE(visibleTwins(*f), QStringList());
        QVERIFY(f->dialogs.messages.empty());
    }

    void theMenusHoldTheirItemsInOrder() {
        QStringList menus;
        for (QAction* menu : f->window->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{QStringLiteral("File"), QStringLiteral("Tools"), QStringLiteral("Help")}));
        const auto items = [this](const char* menu) {
            QStringList texts;
            for (QAction* action : f->find<QMenu>(menu)->actions())
                texts << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + u'=' + action->text());
            return texts;
        };
        QCOMPARE(
            items("mnuFile"),
            (QStringList{QStringLiteral("mnuAddTrack=Add Track..."), QStringLiteral("mnuAddPlaylist=Add Playlist..."),
                         QStringLiteral("mnuRemove=Remove"), QStringLiteral("mnuSaveScript=Save Script"),
                         QStringLiteral("-"), QStringLiteral("mnuExit=Exit")}));
        QCOMPARE(items("mnuOpt"), (QStringList{QStringLiteral("mnuOptions=Options..."), QStringLiteral("=Language"),
                                               QStringLiteral("-"), QStringLiteral("mnuCheckJukebox=Check Jukebox..."),
                                               QStringLiteral("mnuXash3d=Xash3D-compatible script")}));
        QCOMPARE(items("mnuLang"),
                 (QStringList{QStringLiteral("mnuEnglish=English"), QStringLiteral("mnuGerman=German")}));
        QCOMPARE(items("mnuHelp"),
                 (QStringList{QStringLiteral("mnuReadme=Readme"), QStringLiteral("mnuAbout=About...")}));
    }

    void everyShippedSkinLoadsAtTheDesignedSizes() {
        for (const char* language : {"english", "german"}) {
            for (std::size_t i = 0; i < SkinPartCount; ++i) {
                const QString path = QStringLiteral(JUKEWRIGHT_DATA_DIR "/background/%1/%2")
                                         .arg(QString::fromLatin1(language), QString::fromUtf8(SkinPictures[i].file));
                const QImage image(path);
                QVERIFY2(!image.isNull(), qPrintable(path));
                const TwipsRect designed =
                    i == indexOf(SkinPart::Title) ? TwipsRect{0, 0, 15360, 2490} : DesignedSkinLayout[i];
                QCOMPARE(image.size(), QSize(designed.width / 15, designed.height / 15));
            }
        }
    }

    void hoverTable_data() {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<bool>("twinsShownBefore");
        QTest::addColumn<QStringList>("visibleAfter");
        const QStringList all{QStringLiteral("imgAddb"), QStringLiteral("imgPlaylistb"), QStringLiteral("imgRemoveb"),
                              QStringLiteral("imgWriteScriptb")};
        QTest::newRow("imgAdd shows its twin") << QByteArray("imgAdd") << false << QStringList{all[0]};
        QTest::newRow("imgPlaylist shows its twin") << QByteArray("imgPlaylist") << false << QStringList{all[1]};
        QTest::newRow("imgRemove shows its twin") << QByteArray("imgRemove") << false << QStringList{all[2]};
        QTest::newRow("imgWriteScript shows its twin") << QByteArray("imgWriteScript") << false << QStringList{all[3]};
        for (int i = 0; i < 4; ++i)
            QTest::addRow("%s hides the other three", Twins[i]) << QByteArray(Twins[i]) << true << QStringList{all[i]};
        for (const char* reset : {"imgTitle", "imgPlbg"})
            QTest::addRow("%s hides all four", reset) << QByteArray(reset) << true << QStringList();
        for (const char* keeps :
             {"lstPlaylist", "cboSteamFolder", "lblModPath", "lblBrowse", "imgEnglish", "imgGerman", "imgLeftside",
              "imgRightside", "imgModFold", "imgMediaLibary", "lblMorvane", "lblJukewright"})
            QTest::addRow("%s changes nothing", keeps) << QByteArray(keeps) << true << all;
    }

    void hoverTable() {
        QFETCH(QByteArray, target);
        QFETCH(bool, twinsShownBefore);
        QFETCH(QStringList, visibleAfter);
        if (twinsShownBefore)
            showAllTwins(*f);
        auto* control = f->find<QWidget>(target.constData());
        // The list lies on the middle of its background; its edge is where the background shows.
        if (target == "imgPlbg")
            QTest::mouseMove(f->window.get(), control->mapTo(f->window.get(), QPoint(10, 10)));
        else
            pointAt(*f, control);
        QCOMPARE(visibleTwins(*f), visibleAfter);
    }

    void theBareBackgroundHidesAllFour() {
        // The designed skin covers the whole window; a smaller list background leaves some of it bare.
        QTemporaryDir data;
        copyDataFolder(data.path());
        writeJpeg(data.filePath(QStringLiteral("background/english/playlist.jpg")), QSize(600, 300));
        f = std::make_unique<WindowFixture>(data.path());
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        showAllTwins(*f);
        QWidget* client = f->window->centralWidget();
        QCOMPARE(client->childAt(1010, 600), nullptr);
        QTest::mouseMove(f->window.get(), client->mapTo(f->window.get(), QPoint(1010, 600)));
        QCOMPARE(visibleTwins(*f), QStringList{});
    }

    void thePointerFromAddStraightOntoImport() {
        auto* add = f->find<PictureButton>("imgAdd");
        auto* playlist = f->find<PictureButton>("imgPlaylist");
        pointAt(*f, add);
        QCOMPARE(visibleTwins(*f), QStringList{QStringLiteral("imgAddb")});
        // Still on the add button, now over its twin: nothing else to hide.
        QTest::mouseMove(f->window.get(), add->mapTo(f->window.get(), QPoint(add->width() - 2, 20)));
        QCOMPARE(visibleTwins(*f), QStringList{QStringLiteral("imgAddb")});
        QTest::mouseMove(f->window.get(), playlist->mapTo(f->window.get(), QPoint(1, 20)));
        QCOMPARE(visibleTwins(*f), (QStringList{QStringLiteral("imgAddb"), QStringLiteral("imgPlaylistb")}));
        QTest::mouseMove(f->window.get(), playlist->mapTo(f->window.get(), QPoint(3, 20)));
        QCOMPARE(visibleTwins(*f), QStringList{QStringLiteral("imgPlaylistb")});
    }

    void leavingAButtonOverTheListOrTheBoxKeepsItsHighlight() {
        pointAt(*f, f->find<PictureButton>("imgRemove"));
        pointAt(*f, f->find<QListWidget>("lstPlaylist"));
        QCOMPARE(visibleTwins(*f), QStringList{QStringLiteral("imgRemoveb")});
        pointAt(*f, f->find<QComboBox>("cboSteamFolder"));
        QCOMPARE(visibleTwins(*f), QStringList{QStringLiteral("imgRemoveb")});
    }

    void everyCommandHidesTheFourHighlightsFirst_data() {
        QTest::addColumn<QByteArray>("menuItem");
        for (const char* item : {"mnuAddTrack", "mnuAddPlaylist", "mnuRemove"})
            QTest::newRow(item) << QByteArray(item);
    }

    void everyCommandHidesTheFourHighlightsFirst() {
        QFETCH(QByteArray, menuItem);
        showAllTwins(*f);
        f->find<QAction>(menuItem.constData())->trigger();
        QCOMPARE(visibleTwins(*f), QStringList{});
    }

    void routes_data() {
        QTest::addColumn<QByteArray>("trigger");
        QTest::addColumn<QByteArray>("command");
        const auto route = [](const char* trigger, const char* command) {
            QTest::addRow("%s runs %s", trigger, command) << QByteArray(trigger) << QByteArray(command);
        };
        for (const char* trigger : {"imgAdd", "imgAddb", "mnuAddTrack"})
            route(trigger, "add");
        for (const char* trigger : {"imgPlaylist", "imgPlaylistb", "mnuAddPlaylist"})
            route(trigger, "import");
        for (const char* trigger : {"imgRemove", "imgRemoveb", "mnuRemove", "Delete"})
            route(trigger, "remove");
        for (const char* trigger : {"imgWriteScript", "imgWriteScriptb", "mnuSaveScript"})
            route(trigger, "save");
        for (const char* trigger : {"imgEnglish", "mnuEnglish"})
            route(trigger, "english");
        for (const char* trigger : {"imgGerman", "mnuGerman"})
            route(trigger, "german");
        route("imgMediaLibary", "media library");
        route("lblMorvane", "artist's site");
        route("lblJukewright", "homepage");
        route("mnuReadme", "readme");
        route("mnuExit", "exit");
    }

    void routes() {
        QFETCH(QByteArray, trigger);
        QFETCH(QByteArray, command);
        addTracks(*f, 3);
        f->dialogs.openedFilters.clear();
        f->find<QListWidget>("lstPlaylist")->setCurrentRow(1);
        if (trigger == "imgGerman" || trigger == "mnuGerman")
            f->find<QAction>("mnuEnglish")->trigger();
        else
            f->find<QAction>("mnuGerman")->trigger();
        QSignalSpy ends(f->window.get(), &gui::frmMain::programEnds);

        if (trigger == "Delete") {
            QTest::keyRelease(f->find<QListWidget>("lstPlaylist"), Qt::Key_Delete);
            QCoreApplication::processEvents();
        } else if (trigger.startsWith("mnu")) {
            f->find<QAction>(trigger.constData())->trigger();
        } else if (trigger.startsWith("lbl")) {
            QTest::mouseClick(f->find<QLabel>(trigger.constData()), Qt::LeftButton);
        } else {
            auto* picture = f->find<PictureButton>(trigger.constData());
            picture->show();
            QTest::mouseClick(picture, Qt::LeftButton);
        }

        const QStringList tracks{QStringLiteral("T0"), QStringLiteral("T1"), QStringLiteral("T2")};
        const QStringList filters = f->dialogs.openedFilters;
        QCOMPARE(filters, command == "add"      ? QStringList{gui::OpenFileDialog::Mp3Filter}
                          : command == "import" ? QStringList{gui::OpenFileDialog::PlaylistFilter}
                                                : QStringList{});
        QCOMPARE(rows(*f), command == "remove" ? (QStringList{tracks[0], tracks[2]}) : tracks);
        if (command == "save")
            QTRY_COMPARE(f->dialogs.messages.size(), std::size_t(1));
        else
            QCOMPARE(f->dialogs.messages.size(), std::size_t(0));
        QCOMPARE(f->state->Language, std::int16_t(command == "german"                                ? 2
                                                  : command == "english"                             ? 1
                                                  : trigger == "imgGerman" || trigger == "mnuGerman" ? 1
                                                                                                     : 2));
        QCOMPARE(f->window->findChildren<gui::frmMediaLib*>().size(), command == "media library" ? 1 : 0);
        const QString readme = QStringLiteral(JUKEWRIGHT_DATA_DIR "/readme.txt");
        const QString freeTrack = QStringLiteral(JUKEWRIGHT_DATA_DIR "/free_track.txt");
        const QList<QUrl> opened = command == "artist's site" ? QList<QUrl>{QUrl::fromLocalFile(freeTrack)}
                                   : command == "homepage" || command == "readme"
                                       ? QList<QUrl>{QUrl::fromLocalFile(readme)}
                                       : QList<QUrl>{};
        QCOMPARE(f->desktop.opened, opened);
        QCOMPARE(ends.size(), command == "exit" ? 1 : 0);
        QVERIFY(f->window->isVisible());
    }

    void theSaveRefusesAnEmptyPlaylistWithItsMessage() {
        f->find<QAction>("mnuSaveScript")->trigger();
        QTRY_COMPARE(f->dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f->dialogs.messages[0], (Message{"No items in playlist", "Jukewright - Error", MessageIcon::Stop}));
        QTRY_VERIFY(!f->window->isSaving());
    }

    void theDeleteKey_data() {
        // Key codes: positive released, negative pressed; 0 a repeat the system marks as one, 1 a repeat
        // as X sends it: a release and a press with one timestamp, unmarked; 2 the same, its press
        // arriving only after the window has run its events (a busy system).
        QTest::addColumn<QList<int>>("events");
        QTest::addColumn<QStringList>("rowsAfter");
        const QStringList all{QStringLiteral("T0"), QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3")};
        const QStringList removed{QStringLiteral("T0"), QStringLiteral("T1"), QStringLiteral("T3")};
        const QStringList removedTwice{QStringLiteral("T0"), QStringLiteral("T3")};
        QTest::newRow("released removes") << QList<int>{Qt::Key_Delete} << removed;
        QTest::newRow("pressed does nothing") << QList<int>{-Qt::Key_Delete} << all;
        QTest::newRow("held down removes once") << QList<int>{-Qt::Key_Delete, 0, 0, 0, Qt::Key_Delete} << removed;
        QTest::newRow("held down under X removes once")
            << QList<int>{-Qt::Key_Delete, 1, 1, 1, Qt::Key_Delete} << removed;
        QTest::newRow("held down under a busy X removes once")
            << QList<int>{-Qt::Key_Delete, 2, 2, 2, Qt::Key_Delete} << removed;
        QTest::newRow("pressed twice removes twice")
            << QList<int>{-Qt::Key_Delete, Qt::Key_Delete, -Qt::Key_Delete, Qt::Key_Delete} << removedTwice;
        QTest::newRow("other keys do nothing")
            << QList<int>{Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Insert, Qt::Key_D} << all;
    }

    void theDeleteKey() {
        QFETCH(QList<int>, events);
        QFETCH(QStringList, rowsAfter);
        addTracks(*f, 4);
        auto* list = f->find<QListWidget>("lstPlaylist");
        list->setCurrentRow(2);
        quint64 time = 1000;
        const auto send = [list](QEvent::Type type, int key, bool repeat, quint64 timestamp) {
            QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
            event.setTimestamp(timestamp);
            QApplication::sendEvent(list, &event);
        };
        // Sent as the system queues them, one after the other, before the window runs its events.
        for (int key : events) {
            time += 30;
            if (key == 0 || key == 1 || key == 2) {
                send(QEvent::KeyRelease, Qt::Key_Delete, key == 0, time);
                if (key == 2)
                    QCoreApplication::processEvents();
                send(QEvent::KeyPress, Qt::Key_Delete, key == 0, time);
            } else {
                send(key < 0 ? QEvent::KeyPress : QEvent::KeyRelease, std::abs(key), false, time);
            }
        }
        QCoreApplication::processEvents();
        QCOMPARE(rows(*f), rowsAfter);
        QCOMPARE(f->state->TrackCount, std::int16_t(rowsAfter.size()));
    }

    void removeSelectsTheRowAboveTheLastRemoved_data() {
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<QStringList>("rowsAfter");
        QTest::addColumn<int>("selectedAfter");
        QTest::newRow("rows 1 and 3") << QList<int>{1, 3}
                                      << QStringList{QStringLiteral("T0"), QStringLiteral("T2"), QStringLiteral("T4")}
                                      << 1;
        QTest::newRow("rows 3 and 4") << QList<int>{3, 4}
                                      << QStringList{QStringLiteral("T0"), QStringLiteral("T1"), QStringLiteral("T2")}
                                      << 2;
        QTest::newRow("row 0") << QList<int>{0}
                               << QStringList{QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3"),
                                              QStringLiteral("T4")}
                               << 0;
    }

    void removeSelectsTheRowAboveTheLastRemoved() {
        QFETCH(QList<int>, clicked);
        QFETCH(QStringList, rowsAfter);
        QFETCH(int, selectedAfter);
        addTracks(*f, 5);
        auto* list = f->find<QListWidget>("lstPlaylist");
        // The selection as a person makes it: a click, then Ctrl+clicks.
        for (int i = 0; i < clicked.size(); ++i) {
            const QRect row = list->visualItemRect(list->item(clicked[i]));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                              row.center());
        }
        QCOMPARE(selectedRows(*f), clicked);
        QTest::mouseClick(f->find<PictureButton>("imgRemove"), Qt::LeftButton);
        QCOMPARE(rows(*f), rowsAfter);
        QCOMPARE(selectedRows(*f), QList<int>{selectedAfter});
        QCOMPARE(list->currentRow(), selectedAfter);
    }

    void addThroughThePreloadedDialog() {
        f->state->MusicFolder = "/home/player/Music";
        f->dialogs.nextFileNames = {QStringLiteral("/music/one/Blue Sky.mp3"), QStringLiteral("   "),
                                    QStringLiteral("/music/two/Blue Sky.mp3")};
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(f->find<PictureButton>("imgAdd"), Qt::LeftButton);
        QCOMPARE(rows(*f), (QStringList{QStringLiteral("Blue Sky.mp3"), QStringLiteral("Blue Sky.mp3")}));
        QCOMPARE(f->state->TrackPaths[1], std::string("/music/two/Blue Sky.mp3"));
        QCOMPARE(f->dialogs.openedTitles, QStringList(3, QStringLiteral("Jukewright - Open")));
        // The folder last chosen from; a cancelled dialog leaves it.
        QCOMPARE(f->dialogs.openedFolders.mid(1),
                 (QStringList{QStringLiteral("/music/one"), QStringLiteral("/music/one")}));
        QVERIFY(f->dialogs.messages.empty());
    }

    void importThroughThePreloadedDialog() {
        QTemporaryDir folder;
        const QString one = writeFile(folder.filePath(QStringLiteral("one.mp3")));
        writeFile(folder.filePath(QStringLiteral("two.mp3")));
        const QString pls =
            writeFile(folder.filePath(QStringLiteral("list.pls")),
                      "[playlist]\r\nFile1=" + one.toUtf8() + "\r\nFile2=two.mp3\r\nFile3=gone.mp3\r\n");
        const QString m3u8 =
            writeFile(folder.filePath(QStringLiteral("list.m3u8")), "#EXTM3U\n#EXTINF:200,Two\ntwo.mp3\n");
        f->dialogs.nextFileNames = {pls, m3u8, folder.filePath(QStringLiteral("LIST.PLS"))};
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(f->find<PictureButton>("imgPlaylist"), Qt::LeftButton);
        QCOMPARE(rows(*f),
                 (QStringList{QStringLiteral("one.mp3"), QStringLiteral("two.mp3"), QStringLiteral("two.mp3")}));
        QCOMPARE(f->dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f->dialogs.messages[0], (Message{"Error: a playlist file has not been selected: LIST.PLS",
                                                  "Jukewright - Error", MessageIcon::Stop}));
    }

    void droppedFilesAreAddedOrImportedInTheOrderDropped() {
        QTemporaryDir folder;
        const QString one = writeFile(folder.filePath(QStringLiteral("one.mp3")));
        writeFile(folder.filePath(QStringLiteral("two.mp3")));
        const QString pls = writeFile(folder.filePath(QStringLiteral("list.pls")), "[playlist]\r\nFile1=two.mp3\r\n");
        const QString notes = writeFile(folder.filePath(QStringLiteral("notes.txt")));
        writeFile(folder.filePath(QStringLiteral("album/B.mp3")));
        writeFile(folder.filePath(QStringLiteral("album/a.mp3")));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(pls), QUrl::fromLocalFile(notes), QUrl::fromLocalFile(one),
                      QUrl(QStringLiteral("https://example.org/three.mp3")),
                      QUrl::fromLocalFile(folder.filePath(QStringLiteral("album")))});
        QWidget* viewport = f->find<QListWidget>("lstPlaylist")->viewport();
        const QPoint middle = viewport->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(middle, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        // The dragging program waits for the drop to return, so nothing is said before.
        QVERIFY(f->dialogs.messages.empty());
        QCoreApplication::processEvents();
        QCOMPARE(rows(*f), (QStringList{QStringLiteral("two.mp3"), QStringLiteral("one.mp3"), QStringLiteral("a.mp3"),
                                        QStringLiteral("B.mp3")}));
        QCOMPARE(f->dialogs.messages.size(), std::size_t(1));
        QVERIFY(f->dialogs.messages[0].text.find("notes.txt") != std::string::npos);
        QCOMPARE(f->dialogs.messages[0].title, std::string("Jukewright"));
    }

    void germanWhileGermanReloadsTheSkin() {
        QTemporaryDir data;
        copyDataFolder(data.path());
        f = std::make_unique<WindowFixture>(data.path());
        f->find<QAction>("mnuGerman")->trigger();
        QCOMPARE(f->find<QLabel>("lblModPath")->text(),
                 QStringLiteral("Pfad: (e.g. ~/.steam/steam/steamapps/common/Half-Life/cstrike)"));
        auto* playlist = f->find<PictureButton>("imgPlaylist");
        QCOMPARE(playlist->x(), 179);

        // A wider add button and a taller left piece in the skin: the second German moves the row.
        writeJpeg(data.filePath(QStringLiteral("background/german/addtrack.jpg")), QSize(167, 49));
        writeJpeg(data.filePath(QStringLiteral("background/german/leftside.jpg")), QSize(32, 60));
        f->find<PictureButton>("imgGerman")->click();
        QCOMPARE(f->state->Language, std::int16_t(2));
        QVERIFY(f->find<QAction>("mnuGerman")->isChecked());
        QVERIFY(!f->find<QAction>("mnuEnglish")->isChecked());
        QCOMPARE(playlist->x(), 199);
        const auto twinOn = [this](const char* twin, const char* button) {
            return f->find<PictureButton>(twin)->pos() == f->find<PictureButton>(button)->pos();
        };
        QVERIFY(twinOn("imgAddb", "imgAdd"));
        QVERIFY(twinOn("imgPlaylistb", "imgPlaylist"));
        QVERIFY(twinOn("imgRemoveb", "imgRemove"));
        QVERIFY(twinOn("imgWriteScriptb", "imgWriteScript"));
        QCOMPARE(f->find<PictureButton>("imgRemove")->x(), 32 + 167 + 162);
        QCOMPARE(f->find<PictureButton>("imgRightside")->x(), 32 + 167 + 162 + 187 + 165);
        QCOMPARE(f->find<PictureButton>("imgPlbg")->y(), 166 + 60);
        QCOMPARE(f->find<PictureButton>("imgAdd")->y(), 166);

        f->find<QAction>("mnuEnglish")->trigger();
        QCOMPARE(playlist->x(), 179);
        QCOMPARE(f->find<PictureButton>("imgPlbg")->y(), 215);
        QCOMPARE(f->state->Language, std::int16_t(1));
        QVERIFY(f->find<QAction>("mnuEnglish")->isChecked());
        QCOMPARE(f->find<QLabel>("lblModPath")->text(),
                 QStringLiteral("Mod Path: (e.g. ~/.steam/steam/steamapps/common/Half-Life/cstrike)"));
        QVERIFY(f->dialogs.messages.empty());
    }

    void aMissingSkinPictureLeavesItsControlEmptyAndSaysSo() {
        QTemporaryDir data;
        copyDataFolder(data.path());
        QFile::remove(data.filePath(QStringLiteral("background/english/removetrack.jpg")));
        writeFile(data.filePath(QStringLiteral("background/english/savescriptg.jpg")), "not a picture");
        f = std::make_unique<WindowFixture>(data.path());
        QCOMPARE(f->dialogs.messages.size(), std::size_t(1));
        const Message& message = f->dialogs.messages[0];
        QCOMPARE(message.title, std::string("Jukewright - Error"));
        QCOMPARE(message.icon, MessageIcon::Stop);
        QVERIFY(QString::fromStdString(message.text)
                    .startsWith(QStringLiteral("These skin pictures could not be loaded:\n")));
        QVERIFY(QString::fromStdString(message.text).contains(QStringLiteral("removetrack.jpg")));
        QVERIFY(QString::fromStdString(message.text).contains(QStringLiteral("savescriptg.jpg")));
        auto* remove = f->find<PictureButton>("imgRemove");
        QVERIFY(remove->picture().isNull());
        QCOMPARE(remove->geometry(), QRect(341, 166, 187, 49));
        QCOMPARE(f->find<PictureButton>("imgRightside")->x(), 693);
        // Still usable: the empty button adds nothing but still removes.
        addTracks(*f, 2);
        f->find<QListWidget>("lstPlaylist")->setCurrentRow(0);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(rows(*f), QStringList{QStringLiteral("T1")});
    }

    void theMediaLibraryOpensOnceAndNotModal() {
        auto* picture = f->find<PictureButton>("imgMediaLibary");
        QTest::mouseClick(picture, Qt::LeftButton);
        auto* library = control<gui::frmMediaLib>(f->window.get(), "frmMediaLib");
        QVERIFY(library->isVisible());
        QCOMPARE(library->windowTitle(), QStringLiteral("Jukewright - Windows Media Libary"));
        QVERIFY(!library->isModal());
        QStringList labels;
        for (QLabel* label : library->findChildren<QLabel*>())
            labels << label->text();
        QCOMPARE(labels, (QStringList{QStringLiteral("Artists:"), QStringLiteral("Albums:")}));
        for (QListWidget* list : library->findChildren<QListWidget*>())
            QCOMPARE(list->count(), 0);
        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(f->window->findChildren<gui::frmMediaLib*>().size(), 1);
        library->close();
        QTRY_COMPARE(f->window->findChildren<gui::frmMediaLib*>().size(), 0);
        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(f->window->findChildren<gui::frmMediaLib*>().size(), 1);
    }

    void aReadmeOrLinkThatCannotBeOpenedSaysSo() {
        // The file is there, but no program opens it: the message names that cause, not the file.
        f->desktop.answer = false;
        QTest::mouseClick(f->find<QLabel>("lblMorvane"), Qt::LeftButton);
        f->find<QAction>("mnuReadme")->trigger();
        QCOMPARE(f->dialogs.messages.size(), std::size_t(2));
        QCOMPARE(f->dialogs.messages[0].text,
                 std::string("Error: no program could open the link: " JUKEWRIGHT_DATA_DIR "/free_track.txt"));
        QCOMPARE(f->dialogs.messages[1].text,
                 std::string("Error: no program could open the readme: " JUKEWRIGHT_DATA_DIR "/readme.txt"));

        QTemporaryDir data;
        copyDataFolder(data.path());
        f = std::make_unique<WindowFixture>(data.path());
        f->find<QAction>("mnuReadme")->trigger();
        QVERIFY(f->desktop.opened.isEmpty());
        QCOMPARE(f->dialogs.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(f->dialogs.messages[0].text)
                    .startsWith(QStringLiteral("Error: the readme could not be opened: ")));
    }

    void exitEndsAtOnceWhileTheCloseBoxRunsTheShutdown() {
        QSignalSpy ends(f->window.get(), &gui::frmMain::programEnds);
        QTest::mouseClick(f->find<PictureButton>("imgMediaLibary"), Qt::LeftButton);
        f->find<QAction>("mnuExit")->trigger();
        QCOMPARE(ends.size(), 1);
        // Exit closes no window by its close handling: the main window is still there, the others gone.
        QVERIFY(f->window->isVisible());
        QCOMPARE(f->window->findChildren<gui::frmMediaLib*>().size(), 0);

        init();
        QSignalSpy endsAfterClose(f->window.get(), &gui::frmMain::programEnds);
        QVERIFY(f->window->close());
        QCOMPARE(endsAfterClose.size(), 1);
        QVERIFY(!f->window->isVisible());
    }

    void aSecondStartHandsItsFilesToTheRunningWindowAndEnds() {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        gui::ProgramDoor door;
        QVERIFY(door.open());
        QSignalSpy handed(&door, &gui::ProgramDoor::filesArrived);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(runtime.path());
        QSignalSpy finished(&program, &QProcess::finished);
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
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(errors.count(u'\n'), 1);
        QVERIFY(errors.contains(QStringLiteral("jukewright-cli")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
