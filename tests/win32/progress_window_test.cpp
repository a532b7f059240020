#include "win32/dialogs/progress_window.h"
#include "win32/kit/window_class.h"
#include "win32/kit/window_text.h"

#include <gtest/gtest.h>
#include <windows.h>
// These need windows.h before them.
#include <commctrl.h>

namespace jukewright::win32 {
namespace {

// Whether a stage picture is shown; the window itself stays hidden in these tests.
bool shown(const frmScript& progress, const char* name) {
    return (GetWindowLongW(findControl(progress.window(), name), GWL_STYLE) & WS_VISIBLE) != 0;
}

TEST(ProgressWindowTest, TheCloseBoxOnlyHidesItWhileASaveRuns) {
    frmScript progress(nullptr);
    ShowWindow(progress.window(), SW_SHOW);
    progress.setSaving(true);
    SendMessageW(progress.window(), WM_CLOSE, 0, 0);
    ASSERT_NE(progress.window(), nullptr);
    EXPECT_FALSE(IsWindowVisible(progress.window()));
    progress.setSaving(false);
    SendMessageW(progress.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(progress.window(), nullptr);
}

TEST(ProgressWindowTest, AFailedSaveLeavesNoStageLitAndANewOneStartsOver) {
    frmScript progress(nullptr);
    progress.setStage(SaveStage::CopyingFiles);
    EXPECT_TRUE(shown(progress, "imgCopyb"));
    EXPECT_FALSE(shown(progress, "imgCopy"));
    progress.showFailed();
    EXPECT_EQ(windowText(progress.window()), frmScript::FailedCaption);
    for (const char* lit : {"imgGenb", "imgCopyb", "imgCompb"})
        EXPECT_FALSE(shown(progress, lit)) << lit;
    progress.setMaximum(4);
    progress.setValue(3);
    progress.startOver();
    EXPECT_EQ(windowText(progress.window()), frmScript::GeneratingCaption);
    EXPECT_EQ(SendMessageW(progress.progressBar(), PBM_GETPOS, 0, 0), 0);
}

} // namespace
} // namespace jukewright::win32
