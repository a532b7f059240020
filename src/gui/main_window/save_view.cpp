#include "gui/main_window/save_view.h"

#include "core/window/dialogs.h"
#include "gui/dialogs/progress_window.h"

#include <QComboBox>
#include <QCoreApplication>

namespace jukewright::gui {

void WindowSaveView::showMessage(const Message& message) {
    m_parts.dialogs.showMessage(message);
}

void WindowSaveView::pumpEvents() {
    QCoreApplication::processEvents();
}

std::string WindowSaveView::modFolderText() const {
    return m_parts.cboSteamFolder->currentText().toStdString();
}

void WindowSaveView::setModFolderText(const std::string& text) {
    m_parts.cboSteamFolder->setEditText(QString::fromStdString(text));
}

void WindowSaveView::setModFolderEnabled(bool enabled) {
    m_parts.cboSteamFolder->setEnabled(enabled);
}

void WindowSaveView::addModFolderToList(const std::string& folder) {
    const QString text = m_parts.cboSteamFolder->currentText();
    m_parts.cboSteamFolder->addItem(QString::fromStdString(folder));
    m_parts.cboSteamFolder->setEditText(text);
}

frmScript& WindowSaveView::progressWindow() {
    if (!m_progress) {
        m_progress = new frmScript(m_parts.window);
        m_progress->setAttribute(Qt::WA_DeleteOnClose);
        m_progress->setSaving(m_saving);
    }
    return *m_progress;
}

void WindowSaveView::setProgressStage(SaveStage stage) {
    frmScript& progress = progressWindow();
    if (stage == SaveStage::GeneratingScript)
        progress.startOver();
    progress.setStage(stage);
}

void WindowSaveView::showProgressWindow() {
    frmScript& progress = progressWindow();
    m_progressShown = true;
    // Over the middle of the main window, where the platform lets a program place its windows; the
    // frame's size is known once the window is shown.
    const bool opening = !progress.isVisible();
    progress.show();
    if (opening)
        progress.move(m_parts.window->frameGeometry().center() - QRect(QPoint(), progress.frameSize()).center());
    progress.raise();
}

void WindowSaveView::setProgressCaption(const std::string& caption) {
    progressWindow().setWindowTitle(QString::fromStdString(caption));
}

void WindowSaveView::setProgressMaximum(int maximum) {
    progressWindow().setMaximum(maximum);
}

void WindowSaveView::setProgressValue(int value, std::string_view) {
    progressWindow().setValue(value);
}

void WindowSaveView::saveStarts() {
    m_saving = true;
    if (m_progress)
        m_progress->setSaving(true);
    m_progressShown = false;
}

void WindowSaveView::saveEnds(SaveOutcome outcome) {
    m_saving = false;
    if (!m_progress)
        return;
    m_progress->setSaving(false);
    // A window left over from the save must not look as if it still ran.
    // The save's messages have had the front; the window comes back above this one.
    if (m_progressShown && outcome != SaveOutcome::Complete) {
        m_progress->showFailed();
        if (m_progress->isVisible())
            m_progress->raise();
    }
}

void WindowSaveView::dropProgressWindow() {
    delete m_progress;
}

} // namespace jukewright::gui
