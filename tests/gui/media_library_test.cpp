#include "gui/dialogs/media_library.h"
#include "gui/widgets/picture_button.h"
#include "gui/widgets/refilled_list.h"
#include "support/tagged_mp3.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

using namespace jukewright;
using namespace jukewright::test;
using gui::frmMediaLib;

namespace {

QByteArray mp3(const std::string& artist, const std::string& album, const std::string& track) {
    return QByteArray::fromStdString(taggedMp3(Id3Text{artist, "", album, track, "", ""}));
}

// Two artists, three albums; the file names run against the track numbers, so an album added in
// name order would show.
void writeTwoArtists(const QString& music) {
    writeFile(music + QStringLiteral("/Blue Band/Sky/Zebra.mp3"), mp3("Blue Band", "Sky", "1"));
    writeFile(music + QStringLiteral("/Blue Band/Sky/Apple.mp3"), mp3("Blue Band", "Sky", "2"));
    writeFile(music + QStringLiteral("/Blue Band/Rain.mp3"), mp3("Blue Band", "Rain", "1"));
    writeFile(music + QStringLiteral("/loose/Frost.mp3"), mp3("Cold Choir", "Frost", "1"));
}

QStringList strings(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

} // namespace

class MediaLibraryTest : public WindowTest {
    Q_OBJECT

    QString music() const { return m_home->path(QStringLiteral("Music")); }
    frmMediaLib* library() const { return f->window->findChild<frmMediaLib*>(); }
    QListWidget* list(const char* name) const { return control<QListWidget>(library(), name); }
    QStringList rows(const char* name) const { return rowsOf(list(name)); }
    QString status() const { return control<QLabel>(library(), "lblScanStatus")->toolTip(); }

    // Opens the library and waits for the status line the scan ends with.
    void open(const QString& finished) {
        QTest::mouseClick(f->find<gui::PictureButton>("imgMediaLibary"), Qt::LeftButton);
        QVERIFY(library() && library()->isVisible());
        QTRY_COMPARE(status(), finished);
    }
    QPoint centreOf(const char* listName, const QString& row) const {
        QListWidget* box = list(listName);
        const QList<QListWidgetItem*> found = box->findItems(row, Qt::MatchExactly);
        if (found.size() != 1)
            qFatal("no single row %s in %s", qPrintable(row), listName);
        return box->visualItemRect(found[0]).center();
    }
    void click(const char* listName, const char* row) {
        QTest::mouseClick(list(listName)->viewport(), Qt::LeftButton, {}, centreOf(listName, QString::fromUtf8(row)));
    }
    // As the system sends a person's double click: a press and release, then the double click and its
    // release.
    void doubleClick(const char* listName, const char* row) {
        QWidget* viewport = list(listName)->viewport();
        const QPoint at = centreOf(listName, QString::fromUtf8(row));
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    }

private Q_SLOTS:
    // Picking shows; only a double click or Enter adds, albums in track order, artists album by album.
    void pickingShowsAlbumsAndOnlyADoubleClickOrEnterAdds() {
        writeTwoArtists(music());
        open(QStringLiteral("4 files read."));
        QCOMPARE(rows("lstArtists"), strings({"(All artists)", "Blue Band", "Cold Choir"}));
        QCOMPARE(rows("lstAlbums"), strings({"Frost (Cold Choir)", "Rain (Blue Band)", "Sky (Blue Band)"}));

        click("lstArtists", "Blue Band");
        QCOMPARE(rows("lstAlbums"), strings({"Rain", "Sky"}));
        click("lstAlbums", "Sky");
        QVERIFY(f->rows().isEmpty());

        doubleClick("lstAlbums", "Sky");
        QCOMPARE(f->rows(), strings({"Zebra.mp3", "Apple.mp3"}));

        QTest::keyClick(list("lstArtists"), Qt::Key_Down);
        QCOMPARE(list("lstArtists")->currentItem()->text(), QStringLiteral("Cold Choir"));
        QCOMPARE(rows("lstAlbums"), strings({"Frost"}));
        QTest::keyClick(list("lstArtists"), Qt::Key_Return);
        QCOMPARE(f->rows(), strings({"Zebra.mp3", "Apple.mp3", "Frost.mp3"}));

        doubleClick("lstArtists", "Blue Band");
        QCOMPARE(f->rows(), strings({"Zebra.mp3", "Apple.mp3", "Frost.mp3", "Rain.mp3", "Zebra.mp3", "Apple.mp3"}));
    }

    // The catalog outlives the window: a second opening shows the lists at once and reads nothing new
    // until Refresh, or until the music folder is another one.
    void reopeningShowsTheListsWithoutANewScan() {
        writeTwoArtists(music());
        open(QStringLiteral("4 files read."));
        click("lstArtists", "Cold Choir");
        QVERIFY(library()->close());
        QTRY_VERIFY(!library());

        writeFile(music() + QStringLiteral("/Late.mp3"), mp3("Dawn Duo", "Late", "1"));
        open(QStringLiteral("4 files read."));
        QCOMPARE(list("lstArtists")->currentItem()->text(), QStringLiteral("Cold Choir"));
        QCOMPARE(rows("lstAlbums"), strings({"Frost"}));
        QTest::qWait(400); // longer than a scan of five files takes
        QCOMPARE(rows("lstArtists"), strings({"(All artists)", "Blue Band", "Cold Choir"}));

        QTest::mouseClick(control<QPushButton>(library(), "cmdRefresh"), Qt::LeftButton);
        QTRY_COMPARE(status(), QStringLiteral("5 files read."));
        QCOMPARE(rows("lstArtists"), strings({"(All artists)", "Blue Band", "Cold Choir", "Dawn Duo"}));
        QCOMPARE(list("lstArtists")->currentItem()->text(), QStringLiteral("Cold Choir"));

        const QString other = m_home->path(QStringLiteral("Other"));
        writeFile(other + QStringLiteral("/Echo.mp3"), mp3("Echo", "Hills", "1"));
        writeFile(m_home->path(QStringLiteral(".config/user-dirs.dirs")),
                  QByteArrayLiteral("XDG_MUSIC_DIR=\"$HOME/Other\"\n"));
        open(QStringLiteral("1 file read."));
        QCOMPARE(rows("lstArtists"), strings({"(All artists)", "Echo"}));
    }

    // Tracks picked in the library while a save runs are not added, then or after it.
    void addingDuringASaveDoesNothing() {
        writeTwoArtists(music());
        open(QStringLiteral("4 files read."));
        doubleClick("lstAlbums", "Sky (Blue Band)");
        const QString mod = m_home->path(QStringLiteral("Half-Life/cstrike"));
        QDir().mkpath(mod);
        QTest::keyClicks(f->find<QComboBox>("cboSteamFolder"), mod + u'/');
        QTest::mouseClick(f->find<gui::PictureButton>("imgWriteScript"), Qt::LeftButton);
        QVERIFY(f->window->isSaving());

        doubleClick("lstAlbums", "Rain (Blue Band)");
        QTRY_VERIFY(!f->window->isSaving());
        QCOMPARE(f->rows(), strings({"Zebra.mp3", "Apple.mp3"}));
        QVERIFY(f->dialogs.messages.empty());
    }

    // A music folder gone since the program started: its line in the status, nothing listed.
    void aMissingMusicFolderIsNamedInTheStatusLine() {
        QVERIFY(QDir(music()).removeRecursively());
        open(QStringLiteral("The music folder %1 does not exist.").arg(music()));
        QVERIFY(rows("lstArtists").isEmpty());
        QVERIFY(rows("lstAlbums").isEmpty());
    }

    // Rows shown again as they were leave the list alone; a list that grew keeps the current row and
    // the place scrolled to, and says nothing of it.
    void aRefilledListKeepsItsPlace() {
        QListWidget box;
        box.resize(200, 100);
        box.show();
        gui::RefilledList refilled(&box);
        std::vector<std::string> rows;
        for (int i = 0; i < 300; ++i)
            rows.push_back("Row " + std::to_string(i));
        QVERIFY(refilled.show(rows, 0));
        box.setCurrentRow(150);
        box.verticalScrollBar()->setValue(120);
        const QListWidgetItem* first = box.item(0);
        QVERIFY(!refilled.show(rows, 150));
        QCOMPARE(box.item(0), first);

        QSignalSpy moved(&box, &QListWidget::currentRowChanged);
        rows.insert(rows.begin() + 1, "Row 0b");
        QVERIFY(refilled.show(rows, 151));
        QCOMPARE(box.currentItem()->text(), QStringLiteral("Row 150"));
        QCOMPARE(box.verticalScrollBar()->value(), 120);
        QCOMPARE(moved.size(), 0);
    }
};

QTEST_MAIN(MediaLibraryTest)
#include "media_library_test.moc"
