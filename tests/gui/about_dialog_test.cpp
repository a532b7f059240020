#include "gui/dialogs/about_dialog.h"
#include "support/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace jukewright;
using jukewright::test::control;

class AboutDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

    std::string creditsFile(const QByteArray& bytes) {
        const QString path = m_folder.filePath(QStringLiteral("credits.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write the credits file");
        return path.toStdString();
    }

    // An about window whose roll the test steps itself.
    std::unique_ptr<gui::frmAbout> openAbout(const std::string& path) {
        auto about = std::make_unique<gui::frmAbout>(path);
        QTimer* timer = control<QTimer>(about.get(), "timCredits");
        if (!timer->isActive() || timer->interval() != 40)
            qFatal("the credits timer does not run every 40 ms");
        timer->stop();
        about->show();
        if (!QTest::qWaitForWindowExposed(about.get()))
            qFatal("the about window did not show");
        return about;
    }

    // The pairs shown over a number of ticks, one entry per appearance.
    static QStringList roll(gui::frmAbout& about, int ticks) {
        auto* position = control<QLabel>(&about, "lblPosition");
        auto* name = control<QLabel>(&about, "lblName");
        QStringList shown;
        bool wasVisible = false;
        for (int i = 0; i < ticks; ++i) {
            about.timCredits_Timer();
            const bool visible = position->isVisible() && name->isVisible();
            if (visible && !wasVisible)
                shown << position->text() + QLatin1Char('|') + name->text();
            wasVisible = visible;
        }
        return shown;
    }

    // Ticks in which the roll shows the given number of pairs: a pair enters at the bottom and makes
    // way below the credits title 125 ticks later.
    static constexpr int ticksShowing(int pairs) { return 1 + 125 * pairs; }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void looksAsDesigned() {
        auto about = openAbout(creditsFile("Code\r\nAnn\r\n"));
        QCOMPARE(about->windowTitle(), QStringLiteral("Jukewright - About"));
        QCOMPARE(about->size(), QSize(505, 430));
        QCOMPARE(about->palette().color(QPalette::Window), QColor(246, 145, 16));
        const struct {
            const char* name;
            const char* text;
            QRect place;
            qreal points;
        } labels[] = {
            {"Label1", "JUKEWRIGHT", {8, 8, 481, 57}, 36},
            {"Label2", "YOUR GAME. YOUR MUSIC", {120, 56, 481, 33}, 21.75},
            {"Label3", "CREDITS:", {16, 112, 97, 25}, 14.25},
        };
        for (const auto& label : labels) {
            auto* shown = control<QLabel>(about.get(), label.name);
            QCOMPARE(shown->text(), QString::fromLatin1(label.text));
            QCOMPARE(shown->geometry(), label.place);
            QCOMPARE(shown->font().pointSizeF(), label.points);
            QCOMPARE(shown->palette().color(QPalette::WindowText), QColor(Qt::white));
        }
        QVERIFY(control<QLabel>(about.get(), "lblName")->wordWrap());
        QCOMPARE(control<QLabel>(about.get(), "lblName")->size(), QSize(465, 89));
    }

    void nothingShowsBeforeTheFirstTick() {
        auto about = openAbout(creditsFile("Code\r\nAnn\r\n"));
        auto* position = control<QLabel>(about.get(), "lblPosition");
        auto* name = control<QLabel>(about.get(), "lblName");
        QVERIFY(!position->isVisible());
        QVERIFY(!name->isVisible());
        about->timCredits_Timer();
        QVERIFY(position->isVisible());
        QCOMPARE(position->text(), QStringLiteral("Code"));
        QCOMPARE(name->text(), QStringLiteral("Ann"));
        // The pair enters at the bottom, already one step up, the name right under the role.
        QCOMPARE(position->y(), 315);
        QCOMPARE(name->y(), 340);
    }

    void rollsThePairsInOrderAndAgain_data() {
        QTest::addColumn<QByteArray>("credits");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("three pairs") << QByteArray("R1\r\nN1\r\nR2\r\nN2\r\nR3\r\nN3\r\n")
                                     << QStringList{QStringLiteral("R1|N1"), QStringLiteral("R2|N2"),
                                                    QStringLiteral("R3|N3"), QStringLiteral("R1|N1")};
        QTest::newRow("a single pair repeats") << QByteArray("Code\r\nAnn\r\n")
                                               << QStringList{QStringLiteral("Code|Ann"), QStringLiteral("Code|Ann"),
                                                              QStringLiteral("Code|Ann"), QStringLiteral("Code|Ann")};
        QTest::newRow("odd lines") << QByteArray("R1\r\nN1\r\nR2\r\n")
                                   << QStringList{QStringLiteral("R1|N1"), QStringLiteral("R2|"),
                                                  QStringLiteral("R1|N1"), QStringLiteral("R2|")};
    }
    void rollsThePairsInOrderAndAgain() {
        QFETCH(QByteArray, credits);
        QFETCH(QStringList, shown);
        auto about = openAbout(creditsFile(credits));
        QCOMPARE(roll(*about, ticksShowing(4)), shown);
    }

    void aMissingFileOpensAnEmptyRoll() {
        auto about = openAbout(m_folder.filePath(QStringLiteral("missing.txt")).toStdString());
        QCOMPARE(roll(*about, ticksShowing(2)), (QStringList{QStringLiteral("|"), QStringLiteral("|")}));
    }

    void reopeningStartsAtTheFirstPair() {
        const std::string path = creditsFile("R1\r\nN1\r\nR2\r\nN2\r\nR3\r\nN3\r\n");
        auto first = openAbout(path);
        QCOMPARE(roll(*first, ticksShowing(2)), (QStringList{QStringLiteral("R1|N1"), QStringLiteral("R2|N2")}));
        first->close();
        first.reset();
        auto second = openAbout(path);
        QCOMPARE(roll(*second, ticksShowing(1)), QStringList{QStringLiteral("R1|N1")});
    }

    void escClosesAndStopsTheRoll() {
        auto about = std::make_unique<gui::frmAbout>(creditsFile("Code\r\nAnn\r\n"));
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about.get()));
        QTimer* timer = control<QTimer>(about.get(), "timCredits");
        QTRY_VERIFY(control<QLabel>(about.get(), "lblPosition")->isVisible()); // the real timer ticks
        QTest::keyClick(about.get(), Qt::Key_Escape);
        QVERIFY(!about->isVisible());
        QVERIFY(!timer->isActive());
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
