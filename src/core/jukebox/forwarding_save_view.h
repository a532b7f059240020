#pragma once

#include "core/jukebox/save_view.h"

#include <functional>
#include <string>
#include <utility>

namespace jukewright {

// The view of a save that runs off the window's thread: every call is handed to `carry`, which runs it
// on the window's thread against the window's own view and waits for it, so the window sees the calls
// in the save's order and the save reads the mod-folder box as the window has it. Each window program
// carries calls over its own way.
class ForwardingSaveView : public SaveView {
public:
    using Carry = std::function<void(const std::function<void()>&)>;

    ForwardingSaveView(SaveView& window, Carry carry) : m_window(window), m_carry(std::move(carry)) {}

    void showMessage(const Message& message) override {
        m_carry([&] { m_window.showMessage(message); });
    }
    // The window's thread runs its own event loop all along; there is nothing to let through here.
    void pumpEvents() override {}
    void hideHoverImages() override {
        m_carry([&] { m_window.hideHoverImages(); });
    }
    std::string modFolderText() const override {
        m_carry([&] { m_modFolder = m_window.modFolderText(); });
        return m_modFolder;
    }
    void setModFolderText(const std::string& text) override {
        m_modFolder = text;
        m_carry([&] { m_window.setModFolderText(text); });
    }
    void setModFolderEnabled(bool enabled) override {
        m_carry([&] { m_window.setModFolderEnabled(enabled); });
    }
    void addModFolderToList(const std::string& folder) override {
        m_carry([&] { m_window.addModFolderToList(folder); });
    }
    void setProgressStage(SaveStage stage) override {
        m_carry([&] { m_window.setProgressStage(stage); });
    }
    void showProgressWindow() override {
        m_carry([&] { m_window.showProgressWindow(); });
    }
    void setProgressCaption(const std::string& caption) override {
        m_carry([&] { m_window.setProgressCaption(caption); });
    }
    void setProgressMaximum(int maximum) override {
        m_carry([&] { m_window.setProgressMaximum(maximum); });
    }
    void setProgressValue(int value, std::string_view copiedName) override {
        m_carry([&] { m_window.setProgressValue(value, copiedName); });
    }

private:
    SaveView& m_window;
    Carry m_carry;
    // What the box held when last asked; a text the save sets is its new content at once.
    mutable std::string m_modFolder;
};

} // namespace jukewright
