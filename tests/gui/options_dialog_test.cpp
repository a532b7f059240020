#include "gui/dialogs/dialog_keeper.h"
#include "gui/dialogs/options_dialog.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <optional>

using namespace jukewright;
using jukewright::test::control;

class OptionsDialogTest : public QObject {
    Q_OBJECT

    // What the settings file was given, and whether the dialog was still open at that moment.
    struct Stored {
        int mp3;
        int game;
        bool dialogOpen;
    };

    std::unique_ptr<AppState> m_state;
    std::vector<Stored> m_stored;
    std::unique_ptr<gui::DialogKeeper<gui::frmOptions>> m_keeper;

    gui::frmOptions* showDialog() {
        gui::frmOptions* dialog = m_keeper->dialog();
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog))
            qFatal("the options dialog did not show");
        return dialog;
    }
    QLineEdit* box(QWidget* dialog, const char* name) { return control<QLineEdit>(dialog, name); }
    void click(QWidget* dialog, const char* button) {
        QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        m_state = std::make_unique<AppState>();
        m_stored.clear();
        m_keeper = std::make_unique<gui::DialogKeeper<gui::frmOptions>>([this] {
            auto shown = std::make_shared<QPointer<gui::frmOptions>>();
            auto* dialog = new gui::frmOptions(*m_state, [this, shown] {
                m_stored.push_back({m_state->Mp3Volume, m_state->GameVolume, *shown && (*shown)->isVisible()});
            });
            *shown = dialog;
            return dialog;
        });
    }
    void cleanup() {
        delete m_keeper->dialog();
        m_keeper.reset();
    }

    void looksAsDesigned() {
        QWidget* dialog = showDialog();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Jukewright - Options"));
        QCOMPARE(dialog->size(), QSize(278, 154));
        QCOMPARE(dialog->palette().color(QPalette::Window), QColor(246, 145, 16));
        QCOMPARE(box(dialog, "txtMP3Vol")->palette().color(QPalette::Text), QColor(Qt::white));
        QCOMPARE(control<QLabel>(dialog, "Label1")->text(), QStringLiteral("Initial Volumes (0-100):"));
        QCOMPARE(control<QLabel>(dialog, "Label3")->text(), QStringLiteral("MP3:"));
        QCOMPARE(control<QLabel>(dialog, "Label2")->text(), QStringLiteral("Game:"));
        QCOMPARE(box(dialog, "txtMP3Vol")->geometry(), QRect(80, 48, 57, 18));
        QCOMPARE(box(dialog, "txtGameVol")->geometry(), QRect(80, 72, 57, 18));
        QCOMPARE(control<QPushButton>(dialog, "cmdCancel")->geometry(), QRect(8, 120, 82, 25));
        QCOMPARE(control<QPushButton>(dialog, "cmdApply")->text(), QStringLiteral("Apply"));
        QCOMPARE(control<QPushButton>(dialog, "cmdOk")->geometry(), QRect(184, 120, 82, 25));
    }

    void showsTheStoredVolumesOnANewSettingsFile() {
        QWidget* dialog = showDialog();
        QCOMPARE(box(dialog, "txtMP3Vol")->text(), QStringLiteral("80"));
        QCOMPARE(box(dialog, "txtGameVol")->text(), QStringLiteral("80"));
    }

    void guardsEveryTypedChange_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("1 typed after 100")
            << QStringLiteral("100") << 3 << QStringLiteral("1") << QStringLiteral("100");
        QTest::newRow("7 typed behind 50") << QStringLiteral("50") << 2 << QStringLiteral("7") << QStringLiteral("50");
        QTest::newRow("9 typed in front of 50")
            << QStringLiteral("50") << 0 << QStringLiteral("9") << QStringLiteral("95");
        QTest::newRow("a letter") << QStringLiteral("5") << 1 << QStringLiteral("a") << QStringLiteral("5");
        QTest::newRow("a letter first") << QStringLiteral("") << 0 << QStringLiteral("x") << QStringLiteral("");
        QTest::newRow("a lone minus") << QStringLiteral("") << 0 << QStringLiteral("-") << QStringLiteral("");
        QTest::newRow("a lone point") << QStringLiteral("") << 0 << QStringLiteral(".") << QStringLiteral("");
        QTest::newRow("a fraction") << QStringLiteral("") << 0 << QStringLiteral("50.5") << QStringLiteral("50.5");
        QTest::newRow("digits one by one") << QStringLiteral("") << 0 << QStringLiteral("1234") << QStringLiteral("12");
    }
    void guardsEveryTypedChange() {
        QFETCH(QString, start);
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QLineEdit* mp3 = box(showDialog(), "txtMP3Vol");
        mp3->setText(start);
        mp3->setCursorPosition(cursor);
        QTest::keyClicks(mp3, typed);
        QCOMPARE(mp3->text(), kept);
    }

    void clearingABoxLeavesItEmpty() {
        QLineEdit* game = box(showDialog(), "txtGameVol");
        game->selectAll();
        QTest::keyClick(game, Qt::Key_Delete);
        QCOMPARE(game->text(), QString());
    }

    void pastedTextEndsInRange_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("5000") << QStringLiteral("5000") << QStringLiteral("50");
        QTest::newRow("30,000 digits") << QString(30000, QLatin1Char('7')) << QStringLiteral("77");
        QTest::newRow("a word") << QStringLiteral("loud") << QStringLiteral("");
    }
    void pastedTextEndsInRange() {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QLineEdit* mp3 = box(showDialog(), "txtMP3Vol");
        mp3->clear();
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(mp3, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(mp3->text(), kept);
    }

    void applyStoresBothVolumesBeforeTheDialogCloses() {
        QWidget* dialog = showDialog();
        box(dialog, "txtMP3Vol")->setText(QStringLiteral("35"));
        box(dialog, "txtGameVol")->setText(QStringLiteral("90"));
        click(dialog, "cmdApply");
        QCOMPARE(m_state->Mp3Volume, 35);
        QCOMPARE(m_state->GameVolume, 90);
        QCOMPARE(m_stored.size(), 1u);
        QCOMPARE(m_stored[0].mp3, 35);
        QCOMPARE(m_stored[0].game, 90);
        QVERIFY(dialog->isVisible()); // Apply keeps the dialog open
        click(dialog, "cmdOk");
        QCOMPARE(m_stored.size(), 2u);
        QVERIFY(m_stored[1].dialogOpen); // stored before OK hides it
        QVERIFY(!dialog->isVisible());
    }

    void okTakesHalvesToTheEvenNeighbour_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("2.5") << QStringLiteral("2.5") << 2;
        QTest::newRow("3.5") << QStringLiteral("3.5") << 4;
        QTest::newRow("99.5") << QStringLiteral("99.5") << 100;
        QTest::newRow("0.7") << QStringLiteral("0.7") << 1;
        QTest::newRow("50.") << QStringLiteral("50.") << 50;
    }
    void okTakesHalvesToTheEvenNeighbour() {
        QFETCH(QString, text);
        QFETCH(int, stored);
        QWidget* dialog = showDialog();
        box(dialog, "txtMP3Vol")->setText(text);
        click(dialog, "cmdOk");
        QCOMPARE(int{m_state->Mp3Volume}, stored);
        QCOMPARE(int{m_state->GameVolume}, 80);
    }

    void applyWithAnEmptyBoxKeepsAndShowsThePreviousValue() {
        QWidget* dialog = showDialog();
        box(dialog, "txtMP3Vol")->clear();
        box(dialog, "txtGameVol")->setText(QStringLiteral("20"));
        click(dialog, "cmdApply");
        QCOMPARE(m_state->Mp3Volume, 80);
        QCOMPARE(m_state->GameVolume, 20);
        QCOMPARE(box(dialog, "txtMP3Vol")->text(), QStringLiteral("80"));
    }

    void cancelAfterEditingRestoresAndStoresNothing() {
        QWidget* dialog = showDialog();
        box(dialog, "txtMP3Vol")->setText(QStringLiteral("10"));
        click(dialog, "cmdCancel");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(box(dialog, "txtMP3Vol")->text(), QStringLiteral("80"));
        QCOMPARE(m_state->Mp3Volume, 80);
        QVERIFY(m_stored.empty());
    }

    void enterIsOkAndEscIsCancel() {
        QWidget* dialog = showDialog();
        box(dialog, "txtMP3Vol")->setText(QStringLiteral("40"));
        QTest::keyClick(box(dialog, "txtMP3Vol"), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_state->Mp3Volume, 40);

        dialog = showDialog();
        box(dialog, "txtGameVol")->setText(QStringLiteral("15"));
        QTest::keyClick(box(dialog, "txtGameVol"), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_state->GameVolume, 80);
        QCOMPARE(box(dialog, "txtGameVol")->text(), QStringLiteral("80"));
        QCOMPARE(m_stored.size(), 1u);
    }

    void okAndCancelKeepTheDialogTheCloseBoxDestroysIt() {
        gui::frmOptions* dialog = showDialog();
        box(dialog, "txtMP3Vol")->setText(QStringLiteral("33.5"));
        click(dialog, "cmdOk");
        QCOMPARE(showDialog(), dialog); // the same dialog, as it was left
        QCOMPARE(box(dialog, "txtMP3Vol")->text(), QStringLiteral("33.5"));

        box(dialog, "txtMP3Vol")->setText(QStringLiteral("12"));
        QPointer<gui::frmOptions> closed = dialog;
        QVERIFY(dialog->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        QCOMPARE(m_state->Mp3Volume, 34); // unapplied edits are lost

        gui::frmOptions* again = showDialog();
        QCOMPARE(box(again, "txtMP3Vol")->text(), QStringLiteral("34"));
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
