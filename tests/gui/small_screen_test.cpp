#include "support/window_fixture.h"

#include <QMenuBar>
#include <QScreen>

using namespace jukewright;

// The main window on a screen of 1024 by 768 pixels.
class SmallScreenTest : public test::WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void theWindowFitsWithEveryControlInside() {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().height(), 768);
        QWidget* client = f->window->centralWidget();
        QVERIFY(f->window->frameGeometry().height() <= 768);
        QCOMPARE(f->window->menuBar()->height() + client->height(), f->window->height());
        // The list's background picture lies under everything and may reach below the edge.
        for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (control->objectName() != QStringLiteral("imgPlbg"))
                QVERIFY2(control->y() >= 0 && control->y() + control->height() <= client->height(),
                         qPrintable(control->objectName()));
        QVERIFY(f->find<QListWidget>("lstPlaylist")->geometry().bottom() < f->find<QWidget>("cboSteamFolder")->y());
    }
};

int main(int argc, char** argv) {
    // The offscreen platform takes its screens from a file, read when the application starts.
    QTemporaryDir folder;
    const QString config = test::writeFile(folder.filePath(QStringLiteral("screen.json")),
                                           QByteArrayLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0,
        "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"));
    qputenv("QT_QPA_PLATFORM", (QStringLiteral("offscreen:configfile=") + config).toUtf8());
    QApplication app(argc, argv);
    SmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "small_screen_test.moc"
