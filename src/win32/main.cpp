#include "core/app_state.h"
#include "core/settings/settings_location.h"
#include "core/system/data_folder.h"
#include "core/system/music_folder.h"
#include "win32/kit/wide_text.h"
#include "win32/main_window/main_window.h"
#include "win32/platform/win32_desktop.h"
#include "win32/platform/win32_dialogs.h"

#include <windows.h>
// These need windows.h before them.
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

namespace {

// The files named on the command line (Explorer's "Open with", a shortcut's arguments).
std::vector<std::string> filesToAdd() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> files;
    for (int i = 1; arguments && i < count; ++i)
        files.push_back(jukewright::win32::utf8(arguments[i]));
    LocalFree(arguments);
    return files;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    using namespace jukewright;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    AppState state;
    win32::Win32Dialogs dialogs;
    win32::Win32Desktop desktop;
    win32::frmMain window({state, dialogs, desktop, findDataFolder(executableFolder()), settingsLocation(),
                           [] { PostQuitMessage(0); }, musicFolder});
    dialogs.setMainWindow(window.window());
    ShowWindow(window.window(), showCommand);
    UpdateWindow(window.window());
    // After the start-up's own steps (the free track among them), as if dropped on the list.
    if (const std::vector<std::string> files = filesToAdd(); !files.empty())
        window.addFiles(files);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab moves between the list and the mod-folder box, and between the media library's lists,
        // as in a dialog.
        if (window.takeDialogKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CoUninitialize();
    return static_cast<int>(message.wParam);
}
