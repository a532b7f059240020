#pragma once

#include "core/startup/startup.h"

#include <functional>

class QComboBox;
class QWidget;

namespace jukewright {
class Dialogs;
}

namespace jukewright::gui {

// The main window as start-up sees it: the window hands in its parts, its language switches and the
// step that shows the rows it has collected.
class WindowStartUpView : public StartUpView {
public:
    struct Parts {
        QWidget* window;
        Dialogs& dialogs;
        PlaylistView& trackList;
        QComboBox* cboSteamFolder;
        std::function<void()> imgEnglish_Click;
        std::function<void()> imgGerman_Click;
        std::function<void()> showRows;
    };

    explicit WindowStartUpView(Parts parts) : m_parts(std::move(parts)) {}

    void showMessage(const Message& message) override;
    void appendModFolderRow(const std::string& folder) override;
    void switchToEnglish() override { m_parts.imgEnglish_Click(); }
    void switchToGerman() override { m_parts.imgGerman_Click(); }
    PlaylistView& trackList() override { return m_parts.trackList; }
    bool askYesNo(const std::string& text, const std::string& title) override;

private:
    Parts m_parts;
};

} // namespace jukewright::gui
