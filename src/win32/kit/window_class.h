#pragma once

#include <string_view>
#include <windows.h>

namespace jukewright::win32 {

// What a window class of the program is made of; the class is registered on first use in the process.
struct WindowClassParts {
    const wchar_t* name;
    WNDPROC procedure;
    HBRUSH background = nullptr;
    LPCWSTR cursor = IDC_ARROW;
    bool programIcon = false;
};
void registerWindowClass(const WindowClassParts& parts);

// The window procedure of a class whose windows belong to a C++ object: the object comes in as the
// creation parameter, and `Owner::handleMessage(HWND, UINT, WPARAM, LPARAM)` receives every message
// from WM_NCCREATE to WM_NCDESTROY.
template <class Owner> LRESULT CALLBACK ownedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    if (!owner)
        return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = owner->handleMessage(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return result;
}

// Gives a child window the name of its control (imgAdd, lstPlaylist, ...), by which tests find it.
void nameControl(HWND control, std::string_view name);
// The named child of `parent` (at any depth), or nullptr.
HWND findControl(HWND parent, std::string_view name);
// The name a control was given ("" when none).
std::string controlName(HWND control);

} // namespace jukewright::win32
