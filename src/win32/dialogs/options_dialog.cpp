#include "win32/dialogs/options_dialog.h"

#include "core/window/options_design.h"
#include "win32/kit/modal_loop.h"
#include "win32/kit/window_text.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace jukewright::win32 {

namespace {

constexpr int txtMP3Vol = designedId(OptionsDesign::Controls, "txtMP3Vol");
constexpr int txtGameVol = designedId(OptionsDesign::Controls, "txtGameVol");
constexpr int cmdCancel = designedId(OptionsDesign::Controls, "cmdCancel");
constexpr int cmdApply = designedId(OptionsDesign::Controls, "cmdApply");
constexpr int cmdOk = designedId(OptionsDesign::Controls, "cmdOk");

} // namespace

frmOptions::frmOptions(AppState& state, std::function<void()> saveVolumeSettings, HWND owner)
    : m_state(state), m_saveVolumeSettings(std::move(saveVolumeSettings)), m_owner(owner) {}

void frmOptions::exec() {
    if (!window())
        create();
    runModal(window(), m_owner);
}

void frmOptions::create() {
    createWindow(OptionsDesign::Window, m_owner);
    addControls(OptionsDesign::Controls);
    setDefaultButton(cmdOk);
    Form_Load();
}

std::optional<LRESULT> frmOptions::onMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND)
        return std::nullopt;
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == EN_CHANGE && (id == txtMP3Vol || id == txtGameVol))
        validvolume(control(id));
    else if (id == IDOK)
        click(enterButton());
    else if (id == IDCANCEL)
        cmdCancel_Click();
    else if (HIWORD(wParam) == BN_CLICKED)
        click(id);
    return 0;
}

void frmOptions::click(int button) {
    if (button == cmdApply)
        cmdApply_Click();
    else if (button == cmdOk)
        cmdOk_Click();
    else if (button == cmdCancel)
        cmdCancel_Click();
}

void frmOptions::Form_Load() {
    showBoxes(volumeBoxes(m_state));
}

// Shortens the box's text once to what is in range; setting it is a change of its own, which must
// not run the guard again.
void frmOptions::validvolume(HWND textbox) {
    if (m_validating)
        return;
    const std::string text = windowText(textbox);
    const std::string kept = jukewright::validvolume(text);
    if (kept.size() == text.size())
        return;
    m_validating = true;
    showText(textbox, kept);
    m_validating = false;
}

void frmOptions::cmdApply_Click() {
    showBoxes(applyVolumeBoxes(m_state, {windowText(control(txtMP3Vol)), windowText(control(txtGameVol))}));
    if (m_saveVolumeSettings)
        m_saveVolumeSettings();
}

void frmOptions::cmdOk_Click() {
    cmdApply_Click();
    ShowWindow(window(), SW_HIDE);
}

void frmOptions::cmdCancel_Click() {
    Form_Load();
    ShowWindow(window(), SW_HIDE);
}

void frmOptions::showBoxes(const VolumeBoxes& boxes) {
    for (const auto& [textbox, text] : {std::pair{txtMP3Vol, boxes.mp3}, {txtGameVol, boxes.game}}) {
        if (windowText(control(textbox)) != text)
            showText(control(textbox), text);
    }
}

// A box's new text, with the caret at its end, where the person goes on typing.
void frmOptions::showText(HWND textbox, const std::string& text) {
    setWindowText(textbox, text);
    SendMessageW(textbox, EM_SETSEL, text.size(), text.size());
}

} // namespace jukewright::win32
