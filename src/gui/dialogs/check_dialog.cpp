#include "gui/dialogs/check_dialog.h"

#include "core/jukebox/check_report.h"
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
    setObjectName(QStringLiteral("frmCheck"));
    setWindowTitle(QStringLiteral("Jukewright - Check Jukebox"));
    setFont(arialFont(8.25));
    shapeDialog(this, {7200, 4560});

    const QString folder = QDir::toNativeSeparators(QString::fromStdString(modFolder));
    lblFolder = named(new QLabel(this), "lblFolder", {120, 120, 6960, 255});
    // A deep folder loses its middle, never the mod's name at its end; the tip holds it whole.
    lblFolder->setText(lblFolder->fontMetrics().elidedText(QStringLiteral("The jukebox of ") + folder, Qt::ElideMiddle,
                                                           lblFolder->width()));
    lblFolder->setToolTip(folder);
    lstResults = named(new QListWidget(this), "lstResults", {120, 480, 6960, 3000});
    lstResults->setSelectionMode(QAbstractItemView::NoSelection);
    lstResults->setFocusPolicy(Qt::NoFocus);
    lstResults->setWordWrap(true);
    paintOrange(*lstResults);
    for (const CheckResult& result : results)
        new QListWidgetItem(style()->standardIcon(iconOf(result.severity)),
                            QString::fromLatin1(severityWord(result.severity)) + QStringLiteral(": ") +
                                QString::fromStdString(result.text),
                            lstResults);
    lblSummary =
        named(new QLabel(QString::fromStdString(checkSummary(results)), this), "lblSummary", {120, 3600, 6960, 375});
    lblSummary->setWordWrap(true);
    cmdClose = named(new QPushButton(QStringLiteral("Close"), this), "cmdClose", {5850, 4080, 1230, 375});
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace jukewright::gui
