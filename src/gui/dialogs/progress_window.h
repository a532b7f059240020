#pragma once

#include "core/jukebox/save_view.h"
#include "core/window/progress_design.h"
#include "gui/dialogs/dialog_look.h"

#include <QWidget>
#include <string_view>
#include <vector>

class QLabel;
class QProgressBar;

namespace jukewright::gui {

// The save's progress window: three stages, one above the other, the current one highlighted, and
// the copy progress below them. It has no behaviour of its own; the save drives it. While a save runs
// its close box only hides it, so the save never draws into a window that is gone.
class frmScript : public QWidget {
    Q_OBJECT

public:
    static inline const QString GeneratingCaption = fromDesign(ProgressDesign::GeneratingCaption);
    static inline const QString FailedCaption = fromDesign(ProgressDesign::FailedCaption);

    explicit frmScript(QWidget* parent = nullptr);

    // Shows the stage's picture highlighted and the other two plain.
    void setStage(SaveStage stage);
    // A new save starts from the first caption and an empty bar.
    void startOver();
    // A save that ended without "Done": no stage stays lit, and the caption says so.
    void showFailed();
    void setSaving(bool saving) { m_saving = saving; }
    void setMaximum(int maximum);
    void setValue(int value);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* stagePicture(const ControlDesign& design, std::string_view picture, bool lit);

    // imgGen, imgCopy, imgComp and their lit twins imgGenb, imgCopyb, imgCompb, in the order of the
    // stages.
    std::vector<QLabel*> m_plain;
    std::vector<QLabel*> m_lit;
    QProgressBar* prgFilecopy;
    bool m_saving = false;
};

} // namespace jukewright::gui
