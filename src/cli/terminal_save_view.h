#pragma once

#include "core/jukebox/save_view.h"

#include <string>

namespace jukewright::cli {

// The progress window on a terminal: stage lines and one line per copied track on standard error,
// or a progress bar when standard error is a terminal.
class TerminalSaveView : public SaveView {
public:
    explicit TerminalSaveView(std::string modFolder);

    void showMessage(const Message& message) override;
    void pumpEvents() override {}
    void hideHoverImages() override {}

    std::string modFolderText() const override { return m_modFolder; }
    void setModFolderText(const std::string& text) override { m_modFolder = text; }
    void setModFolderEnabled(bool) override {}
    void addModFolderToList(const std::string&) override {}

    void setProgressStage(SaveStage stage) override;
    void showProgressWindow() override {}
    void setProgressCaption(const std::string&) override {}
    void setProgressMaximum(int maximum) override { m_maximum = maximum; }
    void setProgressValue(int value, std::string_view copiedName) override;

private:
    void endProgressBar();

    std::string m_modFolder;
    int m_maximum = 0;
    bool m_terminal = false;
    bool m_barShown = false;
};

} // namespace jukewright::cli
