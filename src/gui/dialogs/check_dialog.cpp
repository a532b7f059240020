#include "gui/dialogs/check_dialog.h"

#include "core/jukebox/check_report.h"
#include "core/window/check_design.h"
#include "gui/dialogs/dialog_look.h"
#include "gui/widgets/window_colours.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

namespace jukewright::gui {

namespace {

QStyle::StandardPixmap iconOf(CheckSeverity severity) {
    switch (severity) {
    case CheckSeverity::Ok:
        return QStyle::SP_DialogApplyButton;
    case CheckSeverity::Warning:
        return QStyle::SP_MessageBoxWarning;
    case CheckSeverity::Problem:
        break;
    }
    return QStyle::SP_MessageBoxCritical;
}

} // namespace

frmCheck::frmCheck(const std::string& modFolder, const std::vector<CheckResult>& results, QWidget* parent)
    : QDialog(parent) {
    using Design = CheckDesign;
    shapeDialog(this, Design::Window);

    const QString folder = QDir::toNativeSeparators(QString::fromStdString(modFolder));
    lblFolder = makeControl<QLabel>(this, Design::lblFolder);
    // A deep folder loses its middle, never the mod's name at its end; the tip holds it whole.
    lblFolder->setText(lblFolder->fontMetrics().elidedText(
        QString::fromStdString(checkedFolderLine(folder.toStdString())), Qt::ElideMiddle, lblFolder->width()));
    lblFolder->setToolTip(folder);
    lstResults = makeControl<QListWidget>(this, Design::lstResults);
    lstResults->setSelectionMode(QAbstractItemView::NoSelection);
    lstResults->setFocusPolicy(Qt::NoFocus);
    lstResults->setWordWrap(true);
    paintOrange(*lstResults);
    for (const CheckResult& result : results)
        new QListWidgetItem(style()->standardIcon(iconOf(result.severity)),
                            QString::fromStdString(checkResultRow(result)), lstResults);
    lblSummary = makeControl<QLabel>(this, Design::lblSummary);
    lblSummary->setText(QString::fromStdString(checkSummary(results)));
    lblSummary->setWordWrap(true);
    cmdClose = makeControl<QPushButton>(this, Design::cmdClose);
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace jukewright::gui
