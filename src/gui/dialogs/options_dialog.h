#pragma once

#include "core/app_state.h"
#include "core/settings/volume_text.h"
#include "gui/dialogs/kept_dialog.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace jukewright::gui {

// The options dialog: the two initial volumes of the jukebox. The boxes refuse out-of-range text
// while it is typed; Apply stores the volumes in the state and, through the given function, in the
// settings file at once. OK and Cancel hide the dialog, its close box destroys it.
class frmOptions : public KeptDialog {
    Q_OBJECT

public:
    frmOptions(AppState& state, std::function<void()> saveVolumeSettings, QWidget* parent = nullptr);

private:
    void Form_Load();
    void validvolume(QLineEdit* textbox);
    void cmdApply_Click();
    void cmdOk_Click();
    void cmdCancel_Click() override;
    void showBoxes(const VolumeBoxes& boxes);

    AppState& m_state;
    std::function<void()> m_saveVolumeSettings;
    bool m_validating = false;

    QLabel* Label1;
    QLabel* Label3;
    QLineEdit* txtMP3Vol;
    QLabel* Label2;
    QLineEdit* txtGameVol;
    QPushButton* cmdCancel;
    QPushButton* cmdApply;
    QPushButton* cmdOk;
};

} // namespace jukewright::gui
