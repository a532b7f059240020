#include "core/library/music_scan.h"
#include "support/fixtures.h"
#include "support/recording_dialogs.h"
#include "win32/kit/wide_text.h"
#include "win32/kit/window_class.h"
#include "win32/kit/window_text.h"
#include "win32/main_window/main_window.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <windows.h>

namespace jukewright::win32 {
namespace {

// The main window with a music folder of the test's own, and its media library driven as the person
// would: clicks on the rows, double clicks, Enter.
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
        startRows = rows();
    }

    // Tracks without tags, named by the folders they lie in.
    void writeTracks(std::initializer_list<const char*> relative) const {
        for (const char* file : relative)
            here.write(std::string("Music/") + file, "");
    }
    std::string track(const char* relative) const { return test::nativeText(music + "/" + relative); }

    HWND library() const { return FindWindowW(nullptr, L"Jukewright - Windows Media Libary"); }
    HWND part(std::string_view name) const { return findControl(library(), name); }
    std::vector<std::string> listed(std::string_view list) const {
        std::vector<std::string> texts;
        for (int row = 0; row < SendMessageW(part(list), LB_GETCOUNT, 0, 0); ++row) {
            std::wstring text(static_cast<std::size_t>(SendMessageW(part(list), LB_GETTEXTLEN, row, 0)) + 1, L'\0');
            text.resize(static_cast<std::size_t>(SendMessageW(part(list), LB_GETTEXT, row, LPARAM(text.data()))));
            texts.push_back(utf8(text));
        }
        return texts;
    }
    std::string status() const { return windowText(part("lblScanStatus")); }

    // Opens the library and lets its scan run to the end, as the program's loop would.
    void openToTheEnd() {
        SendMessageW(window->control("imgMediaLibary"), BM_CLICK, 0, 0);
        ASSERT_TRUE(library());
        scanToTheEnd();
    }
    void scanToTheEnd() {
        ASSERT_TRUE(pumpUntil([&] { return !status().empty() && !status().starts_with("Reading"); })) << status();
    }
    static bool pumpUntil(const std::function<bool()>& done) {
        for (int round = 0; round < 3000 && !done(); ++round) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        return done();
    }

    // The mouse on a row: a click, or a double click (the system's second press).
    void click(std::string_view list, int row, bool twice = false) const {
        RECT place{};
        SendMessageW(part(list), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&place));
        const LPARAM at = MAKELPARAM(place.left + 4, (place.top + place.bottom) / 2);
        SendMessageW(part(list), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(part(list), WM_LBUTTONUP, 0, at);
        if (twice) {
            SendMessageW(part(list), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            SendMessageW(part(list), WM_LBUTTONUP, 0, at);
        }
    }
    void enter(std::string_view list) const {
        SendMessageW(part(list), WM_KEYDOWN, VK_RETURN, 1);
        SendMessageW(part(list), WM_KEYUP, VK_RETURN, 1 | (LPARAM(3) << 30));
    }
    int rows() const { return static_cast<int>(SendMessageW(window->control("lstPlaylist"), LB_GETCOUNT, 0, 0)); }
    // The tracks added since the window opened.
    std::vector<std::string> added() const {
        return {state.TrackPaths.begin() + startRows, state.TrackPaths.begin() + state.TrackCount};
    }

    test::TempFolder here;
    // As the system names it, with its own separators.
    std::string music = test::nativeText(here.str() + "/Music");
    AppState state;
    test::FakeDialogs dialogs;
    test::FakeDesktop desktop;
    std::unique_ptr<frmMain> window;
    int startRows = 0;
};

TEST_F(MediaLibraryTest, ListsFillFromTheFolderAndTheArtistPickedShowsItsAlbums) {
    writeTracks({"Beta/Second/x.mp3", "Alpha/First/b.mp3", "Alpha/First/a.mp3", "Alpha/Other/y.mp3"});
    openToTheEnd();
    EXPECT_EQ(listed("lstArtists"), (std::vector<std::string>{"(All artists)", "Alpha", "Beta"}));
    EXPECT_EQ(SendMessageW(part("lstArtists"), LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(listed("lstAlbums"), (std::vector<std::string>{"First (Alpha)", "Other (Alpha)", "Second (Beta)"}));
    EXPECT_TRUE(status().starts_with("4 files read.")) << status();

    click("lstArtists", 1);
    EXPECT_EQ(listed("lstAlbums"), (std::vector<std::string>{"First", "Other"}));
    // A single click picks; it adds nothing.
    click("lstAlbums", 1);
    EXPECT_EQ(rows(), startRows);
    EXPECT_TRUE(added().empty());
}

TEST_F(MediaLibraryTest, DoubleClickOrEnterAddsTheTracksInOrder) {
    writeTracks({"Alpha/First/b.mp3", "Alpha/First/a.mp3", "Alpha/Other/y.mp3", "Beta/Second/x.mp3"});
    openToTheEnd();
    click("lstArtists", 1);
    click("lstAlbums", 0, true);
    EXPECT_EQ(added(), (std::vector<std::string>{track("Alpha/First/a.mp3"), track("Alpha/First/b.mp3")}));
    EXPECT_EQ(rows(), startRows + 2);

    enter("lstAlbums");
    EXPECT_EQ(rows(), startRows + 4);
    click("lstArtists", 2, true);
    EXPECT_EQ(added().back(), track("Beta/Second/x.mp3"));
    click("lstArtists", 1);
    enter("lstArtists");
    EXPECT_EQ(rows(), startRows + 8);
    EXPECT_EQ(added().back(), track("Alpha/Other/y.mp3"));
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
}

TEST_F(MediaLibraryTest, NothingIsAddedDuringASave) {
    writeTracks({"Alpha/First/a.mp3"});
    openToTheEnd();
    here.write("cstrike/liblist.gam", "game \"Counter-Strike\"\r\n");
    setWindowText(window->control("cboSteamFolder"), test::nativeText(here.str() + "/cstrike"));
    SendMessageW(window->control("imgWriteScript"), BM_CLICK, 0, 0);
    ASSERT_TRUE(window->isSaving());
    click("lstAlbums", 0, true);
    enter("lstArtists");
    EXPECT_EQ(rows(), startRows);
    ASSERT_TRUE(pumpUntil([&] { return !window->isSaving(); }));
    // Unlike dropped files, nothing waits to be added once the save is over.
    EXPECT_EQ(rows(), startRows);
}

TEST_F(MediaLibraryTest, ReopeningShowsTheListsWithoutAScanUntilRefreshOrAnotherFolder) {
    writeTracks({"Alpha/First/a.mp3"});
    openToTheEnd();
    click("lstArtists", 1);
    SendMessageW(library(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(library());

    writeTracks({"Beta/Second/x.mp3"});
    SendMessageW(window->control("imgMediaLibary"), BM_CLICK, 0, 0);
    EXPECT_EQ(listed("lstArtists"), (std::vector<std::string>{"(All artists)", "Alpha"}));
    EXPECT_EQ(SendMessageW(part("lstArtists"), LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(status().substr(0, 12), "1 file read.");

    SendMessageW(part("cmdRefresh"), BM_CLICK, 0, 0);
    scanToTheEnd();
    EXPECT_EQ(listed("lstArtists"), (std::vector<std::string>{"(All artists)", "Alpha", "Beta"}));
    EXPECT_EQ(SendMessageW(part("lstArtists"), LB_GETCURSEL, 0, 0), 1) << "the artist picked stays picked";

    music = test::nativeText(here.str() + "/Other");
    here.write("Other/Gamma/Third/z.mp3", "");
    openToTheEnd();
    EXPECT_EQ(listed("lstArtists"), (std::vector<std::string>{"(All artists)", "Gamma"}));
}

TEST_F(MediaLibraryTest, AMissingMusicFolderIsNamedInTheStatusLineAndListsNothing) {
    openToTheEnd();
    EXPECT_EQ(status(), *musicFolderProblem(music));
    EXPECT_EQ(listed("lstArtists"), std::vector<std::string>{"(All artists)"});
    EXPECT_TRUE(listed("lstAlbums").empty());
    click("lstArtists", 0, true);
    EXPECT_EQ(rows(), startRows);
}

} // namespace
} // namespace jukewright::win32
