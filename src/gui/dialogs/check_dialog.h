#pragma once

#include "core/jukebox/jukebox_check.h"

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace jukewright::gui {

// The results of a jukebox check, one line each with its severity, under the mod folder checked and
// over a line that sums them up. Read only: Close, Enter and Esc end it.
class frmCheck : public QDialog {
    Q_OBJECT

public:
    frmCheck(const std::string& modFolder, const std::vector<CheckResult>& results, QWidget* parent = nullptr);

private:
    QLabel* lblFolder;
    QListWidget* lstResults;
    QLabel* lblSummary;
    QPushButton* cmdClose;
};

} // namespace jukewright::gui
