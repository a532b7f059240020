#pragma once

#include <windows.h>

namespace jukewright::win32 {

// Shows a window that is hidden rather than destroyed when it is done (Options, the folder browser) as
// a modal window: its owner is disabled, and a message loop of its own runs, with the keyboard
// navigation of a dialog (Tab, Enter, Esc), until the window is hidden or destroyed. The owner is
// enabled and active again afterwards. A WM_QUIT met on the way ends the loop and is posted again for
// the program's own loop.
void runModal(HWND window, HWND owner);

} // namespace jukewright::win32
