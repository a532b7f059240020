#include "gui/dialogs/progress_window.h"

#include "gui/widgets/window_colours.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>

namespace jukewright::gui {

namespace {

constexpr QSize ClientArea{371, 127};
constexpr QSize StageSize{300, 20};
constexpr int StageLeft = (ClientArea.width() - StageSize.width()) / 2;
// The glow of the highlighted stage pictures.
const QColor BarGlow{255, 214, 120};

} // namespace

frmScript::frmScript(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmScript"));
    setWindowTitle(GeneratingCaption);
    setFixedSize(ClientArea);
    paintOrange(*this);

    imgGen = stagePicture("imgGen", QStringLiteral("stage_generating"), 14, false);
    imgGenb = stagePicture("imgGenb", QStringLiteral("stage_generating_glow"), 14, true);
    imgCopy = stagePicture("imgCopy", QStringLiteral("stage_copying"), 40, false);
    imgCopyb = stagePicture("imgCopyb", QStringLiteral("stage_copying_glow"), 40, true);
    imgComp = stagePicture("imgComp", QStringLiteral("stage_complete"), 66, false);
    imgCompb = stagePicture("imgCompb", QStringLiteral("stage_complete_glow"), 66, true);

    prgFilecopy = new QProgressBar(this);
    prgFilecopy->setObjectName(QStringLiteral("prgFilecopy"));
    prgFilecopy->setGeometry(8, 97, ClientArea.width() - 16, 20);
    prgFilecopy->setRange(0, 1);
    prgFilecopy->setValue(0);
    prgFilecopy->setTextVisible(false);
    // A dark slot that fills with the stages' glow: a full bar looks full, an empty one empty.
    QPalette bar = prgFilecopy->palette();
    bar.setColor(QPalette::Base, Dark);
    bar.setColor(QPalette::Highlight, BarGlow);
    prgFilecopy->setPalette(bar);
}

QLabel* frmScript::stagePicture(const char* name, const QString& resource, int top, bool highlighted) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/%1.png").arg(resource)));
    picture->setGeometry(QRect({StageLeft, top}, StageSize));
    picture->setVisible(!highlighted);
    return picture;
}

void frmScript::setStage(SaveStage stage) {
    const auto show = [](QLabel* plain, QLabel* highlighted, bool current) {
        plain->setVisible(!current);
        highlighted->setVisible(current);
    };
    show(imgGen, imgGenb, stage == SaveStage::GeneratingScript);
    show(imgCopy, imgCopyb, stage == SaveStage::CopyingFiles);
    show(imgComp, imgCompb, stage == SaveStage::Complete);
}

void frmScript::startOver() {
    setWindowTitle(GeneratingCaption);
    prgFilecopy->setRange(0, 1);
    prgFilecopy->setValue(0);
}

void frmScript::showFailed() {
    setWindowTitle(FailedCaption);
    for (QLabel* plain : {imgGen, imgCopy, imgComp})
        plain->show();
    for (QLabel* highlighted : {imgGenb, imgCopyb, imgCompb})
        highlighted->hide();
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
