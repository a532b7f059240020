#include "win32/main_window/save_run.h"

#include "core/jukebox/forwarding_save_view.h"

namespace jukewright::win32 {

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
        ForwardingSaveView view(m_window, [this](const std::function<void()>& call) { onWindowThread(call); });
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
