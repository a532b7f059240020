#pragma once

#include <string_view>
#include <windows.h>

namespace jukewright::win32 {

// The menu bar of the main window, built from the core's menu rows. Each row's command id is
// MenuIdBase plus its place among the rows, so the window routes a command by the row's name.
inline constexpr int MenuIdBase = 1000;

HMENU buildMainMenu();
// The command id of the named row (mnuAddTrack, ...), or 0 when there is none.
int menuId(std::string_view name);
// The name of the row with the command id, or "".
std::string_view menuName(int id);

} // namespace jukewright::win32
