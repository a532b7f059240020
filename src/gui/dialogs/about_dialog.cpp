#include "gui/dialogs/about_dialog.h"

#include "core/window/about_design.h"
#include "gui/dialogs/dialog_look.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace jukewright::gui {

namespace {

QLabel* makeLabel(QWidget* parent, const ControlDesign& design) {
    auto* label = makeControl<QLabel>(parent, design);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmAbout::frmAbout(const std::string& creditsPath, QWidget* parent)
    : QDialog(parent), m_creditsFile(creditsPath), m_roll(m_creditsFile, AboutDesign::rollGeometry()) {
    using Design = AboutDesign;
    shapeDialog(this, Design::Window);

    Label1 = makeLabel(this, Design::Label1);
    Label2 = makeLabel(this, Design::Label2);
    Label3 = makeLabel(this, Design::Label3);
    lblPosition = makeLabel(this, Design::lblPosition);
    lblName = makeLabel(this, Design::lblName);
    lblName->setWordWrap(true);
    showRoll();

    timCredits = new QTimer(this);
    timCredits->setObjectName(QStringLiteral("timCredits"));
    timCredits->setInterval(Design::TickMilliseconds);
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
    const CreditLabelPlaces places = creditLabelPlaces(m_roll);
    placeTwips(lblPosition, places.position);
    placeTwips(lblName, places.name);
    lblPosition->setVisible(m_roll.visible());
    lblName->setVisible(m_roll.visible());
}

} // namespace jukewright::gui
