#pragma once

#include "core/app_state.h"
#include "core/jukebox/save_script.h"
#include "core/jukebox/save_view.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <windows.h>

namespace jukewright::win32 {

// Runs one save off the window's thread, so that a long copy never holds the window up. Every call the
// save makes on its view is sent to the window (SendMessage) and waited for: the window sees the calls
// in the save's own order, and the save reads the mod-folder box as the window has it. When the save
// has ended, the window is told with EndedMessage; it then calls finish(). The window keeps its hands
// off the track list and the remembered folders while the save runs.
class SaveRun {
public:
    // The window runs the call in lParam (a std::function<void()>*) and answers 0.
    static constexpr UINT CallMessage = WM_APP + 1;
    // Posted once the save has ended.
    static constexpr UINT EndedMessage = WM_APP + 2;

    SaveRun(AppState& state, SaveView& window, std::string dataFolder, HWND target);
    ~SaveRun();
    SaveRun(const SaveRun&) = delete;
    SaveRun& operator=(const SaveRun&) = delete;

    void start();
    // After EndedMessage: the save's thread is done; returns how the save ended.
    SaveOutcome finish();

    static LRESULT runCall(LPARAM call);

private:
    void onWindowThread(const std::function<void()>& call);

    AppState& m_state;
    SaveView& m_window;
    std::string m_dataFolder;
    HWND m_target;
    std::thread m_thread;
    HANDLE m_ended;
    std::atomic<bool> m_windowGone = false;
    SaveOutcome m_outcome = SaveOutcome::Stopped;
};

} // namespace jukewright::win32
