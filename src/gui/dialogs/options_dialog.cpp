#include "gui/dialogs/options_dialog.h"

#include "gui/dialogs/dialog_look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <utility>

namespace jukewright::gui {

namespace {

template <class Control>
Control* makeControl(QWidget* parent, const char* name, const QString& text, const TwipsRect& place) {
    return named(new Control(text, parent), name, place);
}

} // namespace

frmOptions::frmOptions(AppState& state, std::function<void()> saveVolumeSettings, QWidget* parent)
    : KeptDialog(parent), m_state(state), m_saveVolumeSettings(std::move(saveVolumeSettings)) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Jukewright - Options"));
    setFont(arialFont(8.25));
    shapeDialog(this, {4170, 2310});

    Label1 = makeControl<QLabel>(this, "Label1", QStringLiteral("Initial Volumes (0-100):"), {240, 240, 2055, 255});
    Label3 = makeControl<QLabel>(this, "Label3", QStringLiteral("MP3:"), {480, 720, 615, 255});
    txtMP3Vol = makeControl<QLineEdit>(this, "txtMP3Vol", QString(), {1200, 720, 855, 270});
    Label2 = makeControl<QLabel>(this, "Label2", QStringLiteral("Game:"), {480, 1080, 735, 255});
    txtGameVol = makeControl<QLineEdit>(this, "txtGameVol", QString(), {1200, 1080, 855, 270});
    cmdCancel = makeControl<QPushButton>(this, "cmdCancel", QStringLiteral("Cancel"), {120, 1800, 1230, 375});
    cmdApply = makeControl<QPushButton>(this, "cmdApply", QStringLiteral("Apply"), {1440, 1800, 1230, 375});
    cmdOk = makeControl<QPushButton>(this, "cmdOk", QStringLiteral("Ok"), {2760, 1800, 1230, 375});
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
