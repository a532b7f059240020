#include "core/library/music_scan.h"
#include "support/fixtures.h"
#include "support/recording_dialogs.h"
#include "win32/kit/wide_text.h"
#include "win32/kit/window_class.h"
#include "win32/kit/window_text.h"
#include "win32/main_window/main_window.h"

#include <gtest/gtest.h>
#include <memory>
#include <windows.h>

namespace jukewright::win32 {
namespace {

using Rows = std::vector<std::string>;

// The main window with a music folder of the test's own, of tracks without tags named by their
// folders, and its media library driven as the person would: clicks, double clicks, Enter.
class MediaLibraryTest : public testing::Test {
protected:
    MediaLibraryTest() {
        window = std::make_unique<frmMain>(frmMain::Parts{state,
                                                          dialogs,
                                                          desktop,
                                                          JUKEWRIGHT_DATA_DIR,
                                                          {here.file("settings.jst"), here.file("preferences.ini")},
                                                          [] {},
                                                          [this] { return music; }});
        for (const char* file : {"Beta/Second/x.mp3", "Alpha/First/b.mp3", "Alpha/First/a.mp3", "Alpha/Other/y.mp3"})
            here.write(std::string("Music/") + file, "");
    }

    std::string track(const char* relative) const { return test::nativeText(music + "/" + relative); }
    HWND part(std::string_view name) const {
        return findControl(FindWindowW(nullptr, L"Jukewright - Windows Media Libary"), name);
    }
    Rows listed(std::string_view list) const {
        Rows texts;
        for (int row = 0; row < SendMessageW(part(list), LB_GETCOUNT, 0, 0); ++row) {
            std::wstring text(static_cast<std::size_t>(SendMessageW(part(list), LB_GETTEXTLEN, row, 0)) + 1, L'\0');
            text.resize(static_cast<std::size_t>(SendMessageW(part(list), LB_GETTEXT, row, LPARAM(text.data()))));
            texts.push_back(utf8(text));
        }
        return texts;
    }
    std::string status() const { return windowText(part("lblScanStatus")); }

    // Runs the window's messages, as the program's loop would, while `going` holds (a minute at most).
    template <typename Going> static void pumpWhile(Going going) {
        for (int round = 0; round < 6000 && going(); ++round) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
                DispatchMessageW(&message);
        }
    }
    // Opens the library (or presses its button) and lets the scan run to its end.
    void openToTheEnd(const char* button = nullptr) const {
        SendMessageW(button ? part(button) : window->control("imgMediaLibary"), BM_CLICK, 0, 0);
        pumpWhile([this] { return status().empty() || status().starts_with("Reading"); });
        ASSERT_FALSE(status().starts_with("Reading")) << status();
    }
    // The mouse on a row: a click, or a double click (the system's second press).
    void click(std::string_view list, int row, bool twice = false) const {
        RECT place{};
        SendMessageW(part(list), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&place));
        const LPARAM at = MAKELPARAM(place.left + 4, (place.top + place.bottom) / 2);
        for (UINT press : {UINT(WM_LBUTTONDOWN), twice ? UINT(WM_LBUTTONDBLCLK) : 0u}) {
            SendMessageW(part(list), press, MK_LBUTTON, at);
            SendMessageW(part(list), WM_LBUTTONUP, 0, at);
        }
    }
    void enter(std::string_view list) const { SendMessageW(part(list), WM_KEYDOWN, VK_RETURN, 1); }
    // The tracks added since the window opened with the free track's row.
    Rows added() const { return {state.TrackPaths.begin() + 1, state.TrackPaths.begin() + state.TrackCount}; }

    test::TempFolder here;
    std::string music = test::nativeText(here.str() + "/Music");
    AppState state;
    test::FakeDialogs dialogs;
    test::FakeDesktop desktop;
    std::unique_ptr<frmMain> window;
};

TEST_F(MediaLibraryTest, TheArtistPickedShowsItsAlbumsAndADoubleClickOrEnterAddsTheirTracksInOrder) {
    openToTheEnd();
    EXPECT_EQ(listed("lstArtists"), (Rows{"(All artists)", "Alpha", "Beta"}));
    EXPECT_EQ(listed("lstAlbums"), (Rows{"First (Alpha)", "Other (Alpha)", "Second (Beta)"}));
    EXPECT_TRUE(status().starts_with("4 files read.")) << status();
    click("lstArtists", 1);
    EXPECT_EQ(listed("lstAlbums"), (Rows{"First", "Other"}));
    click("lstAlbums", 0);
    EXPECT_EQ(added(), Rows{}) << "a single click only picks";

    click("lstAlbums", 0, true);
    EXPECT_EQ(added(), (Rows{track("Alpha/First/a.mp3"), track("Alpha/First/b.mp3")}));
    click("lstArtists", 2, true);
    enter("lstAlbums");
    EXPECT_EQ(added(), (Rows{track("Alpha/First/a.mp3"), track("Alpha/First/b.mp3"), track("Beta/Second/x.mp3")}))
        << "Enter on no album adds nothing";
    click("lstArtists", 1);
    enter("lstArtists");
    EXPECT_EQ(added().size(), 6u);
    EXPECT_EQ(SendMessageW(window->control("lstPlaylist"), LB_GETCOUNT, 0, 0), 7);
}

TEST_F(MediaLibraryTest, NothingIsAddedDuringASaveNorAfterIt) {
    openToTheEnd();
    here.write("cstrike/liblist.gam", "game \"Counter-Strike\"\r\n");
    setWindowText(window->control("cboSteamFolder"), test::nativeText(here.str() + "/cstrike"));
    SendMessageW(window->control("imgWriteScript"), BM_CLICK, 0, 0);
    ASSERT_TRUE(window->isSaving());
    click("lstAlbums", 0, true);
    enter("lstArtists");
    pumpWhile([this] { return window->isSaving(); });
    ASSERT_FALSE(window->isSaving());
    EXPECT_EQ(added(), Rows{});
}

// Opening again shows the lists as they were; Refresh and another music folder scan anew. A folder that
// is not there is named in the status line.
TEST_F(MediaLibraryTest, ReopeningScansOnlyForRefreshOrAnotherFolder) {
    openToTheEnd();
    click("lstArtists", 2);
    SendMessageW(GetParent(part("lstArtists")), WM_CLOSE, 0, 0);
    here.write("Music/Gamma/Third/z.mp3", "");
    openToTheEnd();
    EXPECT_EQ(listed("lstArtists"), (Rows{"(All artists)", "Alpha", "Beta"}));
    EXPECT_EQ(SendMessageW(part("lstArtists"), LB_GETCURSEL, 0, 0), 2);

    openToTheEnd("cmdRefresh");
    EXPECT_EQ(listed("lstArtists"), (Rows{"(All artists)", "Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(listed("lstAlbums"), Rows{"Second"}) << "Beta stays picked";

    music = test::nativeText(here.str() + "/Gone");
    openToTheEnd();
    EXPECT_EQ(status(), *musicFolderProblem(music));
    EXPECT_EQ(listed("lstArtists"), Rows{});
    EXPECT_EQ(listed("lstAlbums"), Rows{});
}

} // namespace
} // namespace jukewright::win32
