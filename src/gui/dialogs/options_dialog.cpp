#include "gui/dialogs/options_dialog.h"

#include "core/window/options_design.h"
#include "gui/dialogs/dialog_look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <utility>

namespace jukewright::gui {

frmOptions::frmOptions(AppState& state, std::function<void()> saveVolumeSettings, QWidget* parent)
    : KeptDialog(parent), m_state(state), m_saveVolumeSettings(std::move(saveVolumeSettings)) {
    using Design = OptionsDesign;
    shapeDialog(this, Design::Window);

    Label1 = makeControl<QLabel>(this, Design::Label1);
    Label3 = makeControl<QLabel>(this, Design::Label3);
    txtMP3Vol = makeControl<QLineEdit>(this, Design::txtMP3Vol);
    Label2 = makeControl<QLabel>(this, Design::Label2);
    txtGameVol = makeControl<QLineEdit>(this, Design::txtGameVol);
    cmdCancel = makeControl<QPushButton>(this, Design::cmdCancel);
    cmdApply = makeControl<QPushButton>(this, Design::cmdApply);
    cmdOk = makeControl<QPushButton>(this, Design::cmdOk);
    cmdOk->setDefault(true);

    connect(txtMP3Vol, &QLineEdit::textChanged, this, [this] { validvolume(txtMP3Vol); });
    connect(txtGameVol, &QLineEdit::textChanged, this, [this] { validvolume(txtGameVol); });
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmOptions::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);

    Form_Load();
}

void frmOptions::Form_Load() {
    showBoxes(volumeBoxes(m_state));
}

// Shortens the box's text once to what is in range; setting it is a change of its own, which
// finds the text in range and leaves it.
void frmOptions::validvolume(QLineEdit* textbox) {
    if (m_validating)
        return;
    const std::string text = textbox->text().toStdString();
    const std::string kept = jukewright::validvolume(text);
    if (kept.size() == text.size())
        return;
    const QScopedValueRollback guard(m_validating, true);
    textbox->setText(QString::fromStdString(kept));
}

void frmOptions::cmdApply_Click() {
    showBoxes(applyVolumeBoxes(m_state, {txtMP3Vol->text().toStdString(), txtGameVol->text().toStdString()}));
    if (m_saveVolumeSettings)
        m_saveVolumeSettings();
}

void frmOptions::cmdOk_Click() {
    cmdApply_Click();
    accept();
}

void frmOptions::cmdCancel_Click() {
    Form_Load();
    hideCancelled();
}

void frmOptions::showBoxes(const VolumeBoxes& boxes) {
    const auto show = [](QLineEdit* box, const std::string& text) {
        const QString shown = QString::fromStdString(text);
        if (box->text() != shown)
            box->setText(shown);
    };
    show(txtMP3Vol, boxes.mp3);
    show(txtGameVol, boxes.game);
}

} // namespace jukewright::gui
