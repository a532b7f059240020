#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace jukewright::win32 {

// Shows `rows` in a list box that shows `shown` now, and selects row `selected` (-1: none). Rows that
// are listed already are not written again; otherwise the list is refilled, drawn once, and the row at
// its top stays at the top while it is still listed, so a list that grows as the person reads it does
// not jump. `shown` becomes `rows`.
void showListRows(HWND list, std::vector<std::string>& shown, std::vector<std::string> rows, int selected);

// The row of a single-selection list box that is selected, or -1.
int selectedListRow(HWND list);

} // namespace jukewright::win32
