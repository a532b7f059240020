#pragma once

#include "core/jukebox/save_script.h"
#include "core/jukebox/save_view.h"

#include <QPointer>
#include <functional>
#include <utility>

class QComboBox;
class QWidget;

namespace jukewright {
class Dialogs;
}

namespace jukewright::gui {

class frmScript;

// The main window as a save sees it: the mod-folder box, and the progress window, which it opens
// over the main window and keeps between saves.
class WindowSaveView : public SaveView {
public:
    struct Parts {
        QWidget* window;
        Dialogs& dialogs;
        QComboBox* cboSteamFolder;
        std::function<void()> hideHoverImages;
    };

    explicit WindowSaveView(Parts parts) : m_parts(std::move(parts)) {}

    void showMessage(const Message& message) override;
    void pumpEvents() override;
    void hideHoverImages() override { m_parts.hideHoverImages(); }
    std::string modFolderText() const override;
    void setModFolderText(const std::string& text) override;
    void setModFolderEnabled(bool enabled) override;
    void addModFolderToList(const std::string& folder) override;
    void setProgressStage(SaveStage stage) override;
    void showProgressWindow() override;
    void setProgressCaption(const std::string& caption) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value, std::string_view copiedName) override;

    // A progress window left open learns when a save runs, and one left over from a save that did
    // not complete says so.
    void saveStarts();
    void saveEnds(SaveOutcome outcome);
    // The program ends: the progress window goes without its own close handling.
    void dropProgressWindow();

private:
    frmScript& progressWindow();

    Parts m_parts;
    QPointer<frmScript> m_progress;
    bool m_saving = false;
    // The running save has shown the progress window.
    bool m_progressShown = false;
};

} // namespace jukewright::gui
