#include "win32/main_window/save_view.h"

#include "core/window/dialogs.h"
#include "win32/kit/window_text.h"

namespace jukewright::win32 {

void WindowSaveView::showMessage(const Message& message) {
    m_parts.dialogs.showMessage(message);
}

std::string WindowSaveView::modFolderText() const {
    return windowText(m_parts.cboSteamFolder);
}

void WindowSaveView::setModFolderText(const std::string& text) {
    setWindowText(m_parts.cboSteamFolder, text);
}

void WindowSaveView::setModFolderEnabled(bool enabled) {
    EnableWindow(m_parts.cboSteamFolder, enabled);
}

void WindowSaveView::addModFolderToList(const std::string& folder) {
    appendComboRow(m_parts.cboSteamFolder, folder);
}

HWND WindowSaveView::progressWindow() const {
    return m_progress ? m_progress->window() : nullptr;
}

frmScript& WindowSaveView::progress() {
    // A window its close box destroyed is made again.
    if (!progressWindow()) {
        m_progress = std::make_unique<frmScript>(m_parts.window);
        m_progress->setSaving(m_saving);
    }
    return *m_progress;
}

void WindowSaveView::setProgressStage(SaveStage stage) {
    frmScript& window = progress();
    if (stage == SaveStage::GeneratingScript)
        window.startOver();
    window.setStage(stage);
}

void WindowSaveView::showProgressWindow() {
    HWND window = progress().window();
    m_progressShown = true;
    if (!IsWindowVisible(window)) {
        // Over the middle of the main window.
        RECT main;
        RECT own;
        GetWindowRect(m_parts.window, &main);
        GetWindowRect(window, &own);
        const int left = (main.left + main.right - (own.right - own.left)) / 2;
        const int top = (main.top + main.bottom - (own.bottom - own.top)) / 2;
        SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window, SW_SHOW);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void WindowSaveView::setProgressCaption(const std::string& caption) {
    setWindowText(progress().window(), caption);
}

void WindowSaveView::setProgressMaximum(int maximum) {
    progress().setMaximum(maximum);
}

void WindowSaveView::setProgressValue(int value, std::string_view) {
    progress().setValue(value);
}

void WindowSaveView::saveStarts() {
    m_saving = true;
    if (progressWindow())
        m_progress->setSaving(true);
    m_progressShown = false;
}

void WindowSaveView::saveEnds(SaveOutcome outcome) {
    m_saving = false;
    if (!progressWindow())
        return;
    m_progress->setSaving(false);
    // A window left over from the save must not look as if it still ran; the save's messages have had
    // the front, the window comes back above the main window.
    if (m_progressShown && outcome != SaveOutcome::Complete) {
        m_progress->showFailed();
        if (IsWindowVisible(m_progress->window()))
            SetWindowPos(m_progress->window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

} // namespace jukewright::win32
