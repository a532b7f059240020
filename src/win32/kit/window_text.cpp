#include "win32/kit/window_text.h"

#include "win32/kit/wide_text.h"

namespace jukewright::win32 {

std::string windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return utf8(text);
}

void setWindowText(HWND window, std::string_view text) {
    SetWindowTextW(window, wide(text).c_str());
}

void appendComboRow(HWND combo, std::string_view row) {
    const std::string text = windowText(combo);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(row).c_str()));
    setWindowText(combo, text);
}

} // namespace jukewright::win32
