#include "gui/dialogs/about_dialog.h"

#include "core/skin/twips.h"
#include "gui/dialogs/dialog_look.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace jukewright::gui {

namespace {

constexpr int AboutWidth = 7575;
constexpr int AboutHeight = 6450;
constexpr int CreditsLeft = 480;
constexpr int CreditsWidth = 6975;
constexpr int TickMilliseconds = 40;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const TwipsRect& place, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(label, place);
    return label;
}

CreditsGeometry rollGeometry() {
    CreditsGeometry geometry;
    // The designed outer height, so the roll is the same whatever frame the window manager draws.
    geometry.outerHeight = AboutHeight;
    return geometry;
}

} // namespace

frmAbout::frmAbout(const std::string& creditsPath, QWidget* parent)
    : QDialog(parent), m_creditsFile(creditsPath), m_roll(m_creditsFile, rollGeometry()) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Jukewright - About"));
    shapeDialog(this, {AboutWidth, AboutHeight});

    const CreditsGeometry geometry = rollGeometry();
    Label1 = makeLabel(this, "Label1", QStringLiteral("JUKEWRIGHT"), {120, 120, 7215, 855}, arialFont(36));
    Label2 =
        makeLabel(this, "Label2", QStringLiteral("YOUR GAME. YOUR MUSIC"), {1800, 840, 7215, 495}, arialFont(21.75));
    Label3 = makeLabel(this, "Label3", QStringLiteral("CREDITS:"), {240, 1680, 1455, 375}, arialFont(14.25));
    lblPosition = makeLabel(this, "lblPosition", QString(), {CreditsLeft, 2160, CreditsWidth, geometry.positionHeight},
                            lucidaConsoleFont(12.75));
    lblName = makeLabel(this, "lblName", QString(), {CreditsLeft, 2400, CreditsWidth, geometry.nameHeight},
                        lucidaConsoleFont(14.25));
    lblName->setWordWrap(true);
    showRoll();

    timCredits = new QTimer(this);
    timCredits->setObjectName(QStringLiteral("timCredits"));
    timCredits->setInterval(TickMilliseconds);
    connect(timCredits, &QTimer::timeout, this, &frmAbout::timCredits_Timer);
    timCredits->start();
}

void frmAbout::timCredits_Timer() {
    m_roll.tick();
    showRoll();
}

void frmAbout::reject() {
    close();
}

void frmAbout::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmAbout::Form_Unload() {
    timCredits->stop();
    m_creditsFile.close();
}

void frmAbout::showRoll() {
    lblPosition->setText(QString::fromStdString(m_roll.positionText()));
    lblName->setText(QString::fromStdString(m_roll.nameText()));
    lblPosition->move(twipsToPixels(CreditsLeft), twipsToPixels(m_roll.positionTop()));
    lblName->move(twipsToPixels(CreditsLeft), twipsToPixels(m_roll.nameTop()));
    lblPosition->setVisible(m_roll.visible());
    lblName->setVisible(m_roll.visible());
}

} // namespace jukewright::gui
