#include <gtest/gtest.h>
#include <windows.h>
// These need windows.h before them.
#include <commctrl.h>
#include <objbase.h>

// The windows under test run on this thread, as the program's own do: COM for the pictures and the
// open dialog, the common controls for the list and the progress bar.
int wmain(int argc, wchar_t** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
