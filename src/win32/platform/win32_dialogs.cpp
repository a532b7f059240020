#include "win32/platform/win32_dialogs.h"

#include "win32/kit/wide_text.h"

#include <windows.h>
// These need windows.h before them.
#include <shobjidl.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace jukewright::win32 {

namespace {

std::wstring joinedPatterns(const FileFilter& filter) {
    std::wstring patterns;
    for (const std::string& pattern : filter.patterns)
        patterns += (patterns.empty() ? L"" : L";") + wide(pattern);
    return patterns;
}

} // namespace

HWND Win32Dialogs::owner() const {
    HWND active = GetActiveWindow();
    return active ? active : m_mainWindow;
}

std::string Win32Dialogs::openFile(const std::string& title, const FileFilter& filter, const std::string& folder) {
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog))))
        return {};
    const std::wstring description = wide(filter.description);
    const std::wstring patterns = joinedPatterns(filter);
    const COMDLG_FILTERSPEC fileType{description.c_str(), patterns.c_str()};
    dialog->SetFileTypes(1, &fileType);
    dialog->SetTitle(wide(title).c_str());
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_FILEMUSTEXIST | FOS_FORCEFILESYSTEM);
    ComPtr<IShellItem> start;
    if (!folder.empty() && SUCCEEDED(SHCreateItemFromParsingName(wide(folder).c_str(), nullptr, IID_PPV_ARGS(&start))))
        dialog->SetFolder(start.Get());
    ComPtr<IShellItem> chosen;
    wchar_t* name = nullptr;
    if (FAILED(dialog->Show(owner())) || FAILED(dialog->GetResult(&chosen)) ||
        FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &name)))
        return {};
    std::string file = utf8(name);
    CoTaskMemFree(name);
    return file;
}

void Win32Dialogs::showMessage(const Message& message) {
    const UINT icon = message.icon == MessageIcon::Stop ? MB_ICONSTOP : 0;
    MessageBoxW(owner(), wide(message.text).c_str(), wide(message.title).c_str(), MB_OK | icon);
}

bool Win32Dialogs::askYesNo(const std::string& text, const std::string& title) {
    return MessageBoxW(owner(), wide(text).c_str(), wide(title).c_str(), MB_YESNO) == IDYES;
}

} // namespace jukewright::win32
