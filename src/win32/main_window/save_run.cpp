#include "win32/main_window/save_run.h"

namespace jukewright::win32 {

class SaveRun::ForwardingView : public SaveView {
public:
    explicit ForwardingView(SaveRun& run) : m_run(run) {}

    void showMessage(const Message& message) override {
        m_run.onWindowThread([&] { m_run.m_window.showMessage(message); });
    }
    // The window's thread runs its own message loop all along; there is nothing to let through here.
    void pumpEvents() override {}
    void hideHoverImages() override {
        m_run.onWindowThread([&] { m_run.m_window.hideHoverImages(); });
    }
    std::string modFolderText() const override {
        m_run.onWindowThread([&] { m_modFolder = m_run.m_window.modFolderText(); });
        return m_modFolder;
    }
    void setModFolderText(const std::string& text) override {
        m_modFolder = text;
        m_run.onWindowThread([&] { m_run.m_window.setModFolderText(text); });
    }
    void setModFolderEnabled(bool enabled) override {
        m_run.onWindowThread([&] { m_run.m_window.setModFolderEnabled(enabled); });
    }
    void addModFolderToList(const std::string& folder) override {
        m_run.onWindowThread([&] { m_run.m_window.addModFolderToList(folder); });
    }
    void setProgressStage(SaveStage stage) override {
        m_run.onWindowThread([&] { m_run.m_window.setProgressStage(stage); });
    }
    void showProgressWindow() override {
        m_run.onWindowThread([&] { m_run.m_window.showProgressWindow(); });
    }
    void setProgressCaption(const std::string& caption) override {
        m_run.onWindowThread([&] { m_run.m_window.setProgressCaption(caption); });
    }
    void setProgressMaximum(int maximum) override {
        m_run.onWindowThread([&] { m_run.m_window.setProgressMaximum(maximum); });
    }
    void setProgressValue(int value, std::string_view copiedName) override {
        m_run.onWindowThread([&] { m_run.m_window.setProgressValue(value, copiedName); });
    }

private:
    SaveRun& m_run;
    mutable std::string m_modFolder;
};

SaveRun::SaveRun(AppState& state, SaveView& window, std::string dataFolder, HWND target)
    : m_state(state), m_window(window), m_dataFolder(std::move(dataFolder)), m_target(target),
      m_ended(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

SaveRun::~SaveRun() {
    if (m_thread.joinable()) {
        // Only reached when the window goes away in the middle of a save: the save ends without it,
        // and the one call it may be waiting on is answered.
        m_windowGone = true;
        while (MsgWaitForMultipleObjects(1, &m_ended, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
            MSG message;
            PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        m_thread.join();
    }
    CloseHandle(m_ended);
}

void SaveRun::start() {
    m_thread = std::thread([this] {
        ForwardingView view(*this);
        m_outcome = saveScriptCommand(m_state, view, m_dataFolder);
        SetEvent(m_ended);
        PostMessageW(m_target, EndedMessage, 0, 0);
    });
}

SaveOutcome SaveRun::finish() {
    // The thread has posted its last message; what is left of it is its return.
    if (m_thread.joinable())
        m_thread.join();
    return m_outcome;
}

void SaveRun::onWindowThread(const std::function<void()>& call) {
    if (m_windowGone)
        return;
    SendMessageW(m_target, CallMessage, 0, reinterpret_cast<LPARAM>(&call));
}

LRESULT SaveRun::runCall(LPARAM call) {
    (*reinterpret_cast<const std::function<void()>*>(call))();
    return 0;
}

} // namespace jukewright::win32
