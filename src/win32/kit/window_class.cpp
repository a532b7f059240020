#include "win32/kit/window_class.h"

#include "win32/kit/wide_text.h"

#include <string>

namespace jukewright::win32 {

namespace {

constexpr const wchar_t* NameProperty = L"Jukewright.ControlName";

struct Search {
    std::wstring name;
    HWND found = nullptr;
};

BOOL CALLBACK matchName(HWND control, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(control, NameProperty)));
    if (atom == 0)
        return TRUE;
    wchar_t name[256];
    const UINT length = GetAtomNameW(atom, name, 256);
    if (search->name == std::wstring_view(name, length)) {
        search->found = control;
        return FALSE;
    }
    return TRUE;
}

} // namespace

void registerWindowClass(const WindowClassParts& parts) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), parts.name, &windowClass))
        return;
    windowClass.lpfnWndProc = parts.procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, parts.cursor);
    windowClass.hbrBackground = parts.background;
    windowClass.lpszClassName = parts.name;
    if (parts.programIcon) {
        windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        windowClass.hIconSm = windowClass.hIcon;
    }
    RegisterClassExW(&windowClass);
}

void nameControl(HWND control, std::string_view name) {
    // Atoms of the process's own table: names are short and few, and live as long as the process.
    const ATOM atom = AddAtomW(wide(name).c_str());
    SetPropW(control, NameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)));
}

HWND findControl(HWND parent, std::string_view name) {
    Search search{wide(name)};
    EnumChildWindows(parent, matchName, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string controlName(HWND control) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(control, NameProperty)));
    wchar_t name[256];
    const UINT length = atom ? GetAtomNameW(atom, name, 256) : 0;
    return utf8(std::wstring_view(name, length));
}

} // namespace jukewright::win32
