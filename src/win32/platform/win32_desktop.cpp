#include "win32/platform/win32_desktop.h"

#include "core/system/native_path.h"
#include "core/window/main_window_texts.h"
#include "win32/kit/wide_text.h"

#include <windows.h>
// These need windows.h before them.
#include <shellapi.h>

namespace jukewright::win32 {

void Win32Desktop::openTextFile(const std::string& path, std::function<void()> noProgram) {
    const std::wstring file = wide(path);
    const bool guide = utf8Path(path).filename() == MainWindowTexts::PlayersGuide;
    const std::wstring quoted = L"\"" + file + L"\"";
    // ShellExecuteW answers a number above 32 when the program was started.
    const auto started = reinterpret_cast<INT_PTR>(
        guide ? ShellExecuteW(nullptr, L"open", L"notepad.exe", quoted.c_str(), nullptr, SW_SHOWMAXIMIZED)
              : ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (file.empty() || started <= 32)
        noProgram();
}

} // namespace jukewright::win32
