// Times the window program as a player meets it, under Wine or on Windows: from the process's start to
// the main window's first paint, the track list filled with 10,000 rows, and the longest the window
// goes without answering during a save of 1,000 tracks. Not a test: it prints what it measured.

#include "core/app_state.h"
#include "core/playlist/track_list.h"
#include "core/system/data_folder.h"
#include "core/system/music_folder.h"
#include "core/system/native_path.h"
#include "support/recording_dialogs.h"
#include "win32/kit/wide_text.h"
#include "win32/main_window/main_window.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <windows.h>
// These need windows.h before them.
#include <commctrl.h>
#include <objbase.h>

namespace {

using namespace jukewright;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double milliseconds(Clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

// Milliseconds since the system made this process.
double sinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](FILETIME time) { return (ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
    return double(ticks(now) - ticks(created)) / 10000.0;
}

// One run of the window, with the standard dialogs answered by a recorder (no box waits for a
// person) and its settings in a folder of its own.
struct Run {
    explicit Run(const fs::path& settings)
        : window({state,
                  dialogs,
                  desktop,
                  findDataFolder(executableFolder()),
                  {pathUtf8(settings / "settings.jst"), pathUtf8(settings / "preferences.ini")},
                  [] {},
                  musicFolder}) {}

    AppState state;
    test::FakeDialogs dialogs;
    test::FakeDesktop desktop;
    win32::frmMain window;
};

// Paints the window and every control in it before returning.
void paintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void pumpWhile(const std::function<bool()>& condition) {
    MSG message;
    while (condition()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void fillTrackList(Run& run, int rows) {
    for (int i = 0; i < rows; ++i) {
        run.state.TrackNames[i] = "Track " + std::to_string(i) + ".mp3";
        run.state.TrackPaths[i] = "C:\\Music\\Track " + std::to_string(i) + ".mp3";
    }
    run.state.TrackCount = static_cast<std::int16_t>(rows);
    const Clock::time_point start = Clock::now();
    reloadplaylst(run.state, run.window.trackList());
    paintNow(run.window.window());
    std::printf("track list of %d rows filled and painted: %.1f ms\n", rows, milliseconds(Clock::now() - start));
}

// Asks the window for an answer every few milliseconds while the save runs; the longest wait is the
// longest stall a player would feel.
void saveTracks(Run& run, const fs::path& work, int tracks, std::size_t bytes) {
    const fs::path music = work / "music";
    const fs::path mod = work / "Half-Life" / "cstrike";
    fs::create_directories(music);
    fs::create_directories(mod);
    const std::string track(bytes, 'x');
    for (int i = 0; i < tracks; ++i) {
        const fs::path path = music / ("Song " + std::to_string(i) + ".mp3");
        std::ofstream(path, std::ios::binary) << track;
        run.state.TrackPaths[i] = pathUtf8(path);
        run.state.TrackNames[i] = pathUtf8(path.filename());
    }
    run.state.TrackCount = static_cast<std::int16_t>(tracks);
    reloadplaylst(run.state, run.window.trackList());
    SetWindowTextW(run.window.control("cboSteamFolder"), win32::wide(pathUtf8(mod)).c_str());

    std::atomic<bool> saving = true;
    double longest = 0;
    std::thread watcher([&] {
        while (saving) {
            const Clock::time_point asked = Clock::now();
            DWORD_PTR answer = 0;
            SendMessageTimeoutW(run.window.window(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
            longest = std::max(longest, milliseconds(Clock::now() - asked));
            Sleep(5);
        }
    });
    const Clock::time_point start = Clock::now();
    SendMessageW(run.window.control("imgWriteScript"), BM_CLICK, 0, 0);
    pumpWhile([&] { return run.window.isSaving(); });
    const double total = milliseconds(Clock::now() - start);
    saving = false;
    watcher.join();
    std::printf("save of %d tracks of %zu KB: %.0f ms, longest stall of the window %.1f ms\n", tracks, bytes / 1024,
                total, longest);
}

} // namespace

int wmain() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    const fs::path work = fs::temp_directory_path() / ("jukewright-timing-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(work);
    {
        Run run(work);
        ShowWindow(run.window.window(), SW_SHOW);
        paintNow(run.window.window());
        std::printf("process start to the main window's first paint: %.0f ms\n", sinceProcessStart());
        fillTrackList(run, 10000);
    }
    {
        Run run(work);
        ShowWindow(run.window.window(), SW_SHOW);
        saveTracks(run, work, 1000, 100 * 1024);
    }
    std::error_code ignored;
    fs::remove_all(work, ignored);
    CoUninitialize();
    return 0;
}
