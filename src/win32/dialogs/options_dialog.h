#pragma once

#include "core/app_state.h"
#include "core/settings/volume_text.h"
#include "win32/kit/designed_window.h"

#include <functional>

namespace jukewright::win32 {

// The options dialog: the two initial volumes of the jukebox. The boxes refuse out-of-range text
// while it is typed; Apply stores the volumes in the state and, through the given function, in the
// settings file at once. OK and Cancel hide the dialog, so it shows again as it was left; its close
// box destroys it, and the next showing fills the boxes afresh from the state.
class frmOptions : public DesignedWindow {
public:
    frmOptions(AppState& state, std::function<void()> saveVolumeSettings, HWND owner);

    // Shows the dialog modal over its owner until OK, Cancel or the close box ends it.
    void exec();

private:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void create();
    void Form_Load();
    void validvolume(HWND textbox);
    void cmdApply_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    void click(int button);
    void showBoxes(const VolumeBoxes& boxes);
    static void showText(HWND textbox, const std::string& text);

    AppState& m_state;
    std::function<void()> m_saveVolumeSettings;
    HWND m_owner;
    bool m_validating = false;
};

} // namespace jukewright::win32
