#include "core/skin/skin_layout.h"
#include "win32/kit/dpi.h"
#include "win32/kit/modal_loop.h"
#include "win32/kit/pictures.h"
#include "win32/kit/window_class.h"

#include <gtest/gtest.h>

namespace jukewright::win32 {
namespace {

TEST(DpiTest, TheButtonRowStaysOneRowAtEveryDensity) {
    for (UINT density : {96u, 120u, 144u, 192u}) {
        const Dpi dpi(density);
        for (std::size_t part = indexOf(SkinPart::Leftside); part < indexOf(SkinPart::Rightside); ++part)
            EXPECT_EQ(dpi.rect(DesignedSkinLayout[part]).right, dpi.rect(DesignedSkinLayout[part + 1]).left)
                << density << " dpi, part " << part;
    }
    EXPECT_EQ(Dpi(144).rect(DesignedSkinLayout[indexOf(SkinPart::Add)]).left, 48);
    EXPECT_EQ(Dpi(144).toTwips(48), 480);
}

TEST(PicturesTest, StoredPicturesLoadAndAMissingFileSaysWhy) {
    const Picture flag = loadPictureResource(L"FLAG_ENGLISH");
    ASSERT_TRUE(flag);
    EXPECT_GT(flag.size.cx, 0);
    std::string error;
    EXPECT_FALSE(loadPictureFile("Z:\\no\\such\\title.jpg", error));
    EXPECT_FALSE(error.empty());
}

// A window that hides itself on Cancel, as Options and the folder browser do.
struct HidingWindow {
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
            ShowWindow(window, SW_HIDE);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

TEST(ModalLoopTest, EscHidesTheWindowThroughTheLoopAndTheOwnerComesBack) {
    registerWindowClass({L"JukewrightTestHiding", ownedWindowProc<HidingWindow>});
    HidingWindow hiding;
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    HWND window = CreateWindowExW(0, L"JukewrightTestHiding", L"modal", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, owner,
                                  nullptr, GetModuleHandleW(nullptr), &hiding);
    // Posted before the loop runs, so the loop's own dialog navigation turns it into Cancel.
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
    runModal(window, owner);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(window);
    DestroyWindow(owner);
}

} // namespace
} // namespace jukewright::win32
