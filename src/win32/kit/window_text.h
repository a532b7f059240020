#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace jukewright::win32 {

// A window's text (a caption, an edit box, a combo box's edit) as UTF-8.
std::string windowText(HWND window);
void setWindowText(HWND window, std::string_view text);

// Appends a row to a combo box's list without touching the text in its edit box.
void appendComboRow(HWND combo, std::string_view row);

} // namespace jukewright::win32
