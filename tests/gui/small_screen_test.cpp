#include "support/window_fixture.h"

#include <QApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>

using namespace jukewright;

// The main window on a screen of 1024 by 768 pixels (11520 twips high).
class SmallScreenTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;

private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().height(), 768);
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_home.path() + QStringLiteral("/.config")).toUtf8());
    }

    void theWindowIs11190TwipsHighWithEveryControlInside() {
        test::WindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QCOMPARE(f.window->height(), 746);
        QWidget* client = f.window->centralWidget();
        QCOMPARE(f.window->menuBar()->height() + client->height(), 746);
        // The list's background picture lies under everything and may reach below the edge.
        for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (control->objectName() != QStringLiteral("imgPlbg"))
                QVERIFY2(control->y() >= 0 && control->y() + control->height() <= client->height(),
                         qPrintable(control->objectName()));
        auto* list = f.find<QListWidget>("lstPlaylist");
        QVERIFY(list->height() < 400);
        QVERIFY(list->geometry().bottom() < f.find<QWidget>("cboSteamFolder")->y());
    }
};

int main(int argc, char** argv) {
    // The offscreen platform takes its screens from a file, read when the application starts.
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    test::writeFile(config, QByteArrayLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1024,
        "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"));
    qputenv("QT_QPA_PLATFORM", (QStringLiteral("offscreen:configfile=") + config).toUtf8());
    QApplication app(argc, argv);
    SmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "small_screen_test.moc"
