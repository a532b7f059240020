#include "gui/dialogs/progress_window.h"

#include "gui/dialogs/dialog_look.h"
#include "gui/widgets/window_colours.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>

namespace jukewright::gui {

namespace {

// The glow of the highlighted stage pictures.
const QColor BarGlow{255, 214, 120};

} // namespace

frmScript::frmScript(QWidget* parent) : QWidget(parent, Qt::Window) {
    shapeDialog(this, ProgressDesign::Window);

    for (const StagePictures& stage : ProgressStages) {
        m_plain.push_back(stagePicture(stage.plain, stage.plainPicture, false));
        m_lit.push_back(stagePicture(stage.lit, stage.litPicture, true));
    }

    prgFilecopy = makeControl<QProgressBar>(this, ProgressDesign::prgFilecopy);
    prgFilecopy->setRange(0, 1);
    prgFilecopy->setValue(0);
    prgFilecopy->setTextVisible(false);
    // A dark slot that fills with the stages' glow: a full bar looks full, an empty one empty.
    QPalette bar = prgFilecopy->palette();
    bar.setColor(QPalette::Base, Dark);
    bar.setColor(QPalette::Highlight, BarGlow);
    prgFilecopy->setPalette(bar);
}

QLabel* frmScript::stagePicture(const ControlDesign& design, std::string_view picture, bool lit) {
    auto* label = makeControl<QLabel>(this, design);
    label->setPixmap(QPixmap(QStringLiteral(":/pictures/%1.png").arg(fromDesign(picture))));
    label->setVisible(!lit);
    return label;
}

void frmScript::setStage(SaveStage stage) {
    for (std::size_t i = 0; i < ProgressStages.size(); ++i) {
        const bool current = ProgressStages[i].stage == stage;
        m_plain[i]->setVisible(!current);
        m_lit[i]->setVisible(current);
    }
}

void frmScript::startOver() {
    setWindowTitle(GeneratingCaption);
    prgFilecopy->setRange(0, 1);
    prgFilecopy->setValue(0);
}

void frmScript::showFailed() {
    setWindowTitle(FailedCaption);
    for (QLabel* plain : m_plain)
        plain->show();
    for (QLabel* lit : m_lit)
        lit->hide();
}

void frmScript::setMaximum(int maximum) {
    prgFilecopy->setRange(0, maximum);
}

void frmScript::setValue(int value) {
    prgFilecopy->setValue(value);
}

void frmScript::closeEvent(QCloseEvent* event) {
    if (m_saving) {
        // The save goes on and keeps drawing here; the person only wants it out of sight.
        hide();
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace jukewright::gui
