#include "core/library/music_scan.h"
#include "core/skin/screen_fit.h"
#include "core/window/main_window_geometry.h"
#include "core/window/main_window_texts.h"
#include "support/fixtures.h"
#include "support/recording_dialogs.h"
#include "win32/kit/picture_button.h"
#include "win32/kit/wide_text.h"
#include "win32/kit/window_class.h"
#include "win32/kit/window_text.h"
#include "win32/main_window/main_menu.h"
#include "win32/main_window/main_window.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <windows.h>
// These need windows.h before them.
#include <shlobj.h>

namespace jukewright::win32 {
namespace {

constexpr LPARAM KeyDown = 1;
constexpr LPARAM KeyRepeat = 1 | (LPARAM(1) << 30);
constexpr LPARAM KeyUp = 1 | (LPARAM(3) << 30);

// The real main window on this thread, with recorded dialogs and the desktop, the data folder of the
// sources and a settings folder of its own. Start-up offers the free track (answered No): the list
// starts with that one row.
class MainWindowTest : public testing::Test {
protected:
    MainWindowTest() {
        window = std::make_unique<frmMain>(frmMain::Parts{state,
                                                          dialogs,
                                                          desktop,
                                                          JUKEWRIGHT_DATA_DIR,
                                                          {here.file("settings.jst"), here.file("preferences.ini")},
                                                          [this] { ended = true; },
                                                          [this] { return music; }});
    }

    HWND control(std::string_view name) const { return window->control(name); }
    // A picture takes BM_CLICK; a link is pressed and released like the mouse does it.
    void click(std::string_view name) const {
        if (!name.starts_with("lbl")) {
            SendMessageW(control(name), BM_CLICK, 0, 0);
            return;
        }
        SendMessageW(control(name), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(control(name), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    void menu(std::string_view name) const {
        SendMessageW(window->window(), WM_COMMAND, MAKEWPARAM(menuId(name), 0), 0);
    }
    // Runs picture buttons and menu items alike.
    void run(std::string_view name) const {
        if (name.starts_with("mnu"))
            menu(name);
        else
            click(name);
    }
    void deleteKey(UINT message, LPARAM flags) const {
        SendMessageW(control("lstPlaylist"), message, VK_DELETE, flags);
    }
    int rows() const { return static_cast<int>(SendMessageW(control("lstPlaylist"), LB_GETCOUNT, 0, 0)); }
    void selectRow(int row) const {
        SendMessageW(control("lstPlaylist"), LB_SETSEL, TRUE, row);
        SendMessageW(window->window(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(control("lstPlaylist")));
    }
    bool checked(std::string_view name) const {
        return (GetMenuState(GetMenu(window->window()), static_cast<UINT>(menuId(name)), MF_BYCOMMAND) & MF_CHECKED) !=
               0;
    }
    std::string track(const std::string& name) const { return here.write("music/" + name, name); }
    void addTracks(int count) {
        for (int i = 0; i < count; ++i) {
            dialogs.nextFileNames.push_back(track("song" + std::to_string(i) + ".mp3"));
            click("imgAdd");
        }
    }
    // Runs the window's messages until `done` holds, as the program's loop would; false when it never
    // came to hold.
    static bool pumpUntil(const std::function<bool()>& done) {
        for (int round = 0; round < 6000 && !done(); ++round) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        return done();
    }
    // A mod folder for saves, typed into the mod-folder box.
    std::string typeModFolder() const {
        here.write("cstrike/liblist.gam", "game \"Counter-Strike\"\r\n");
        const std::string mod = test::nativeText(here.str() + "/cstrike");
        setWindowText(control("cboSteamFolder"), mod);
        return mod;
    }

    test::TempFolder here;
    // The media library's, as the system names it.
    std::string music = test::nativeText(here.str() + "/Music");
    AppState state;
    test::FakeDialogs dialogs;
    test::FakeDesktop desktop;
    bool ended = false;
    std::unique_ptr<frmMain> window;
};

TEST_F(MainWindowTest, EachPictureAndMenuItemRunsItsCommand) {
    const struct {
        const char* control;
        bool givesFile;
        int rowsAfter;
        const char* filter;
    } steps[] = {
        {"imgAdd", true, 2, "MP3 Files (*.mp3)"},
        {"imgAddb", true, 3, "MP3 Files (*.mp3)"},
        {"mnuAddTrack", true, 4, "MP3 Files (*.mp3)"},
        {"imgAdd", false, 4, "MP3 Files (*.mp3)"},
        {"imgPlaylist", true, 6, "Playlist Files (*.pls,*.m3u)"},
        {"imgPlaylistb", true, 8, "Playlist Files (*.pls,*.m3u)"},
        {"mnuAddPlaylist", true, 10, "Playlist Files (*.pls,*.m3u)"},
        {"imgRemove", true, 9, nullptr},
        {"imgRemoveb", true, 8, nullptr},
        {"mnuRemove", true, 7, nullptr},
    };
    ASSERT_EQ(rows(), 1);
    track("a.mp3");
    track("b.mp3");
    const std::string playlist =
        here.write("list.m3u", "#EXTM3U\r\n#EXTINF:1,a\r\nmusic\\a.mp3\r\n#EXTINF:1,b\r\nmusic\\b.mp3\r\n");
    int file = 0;
    for (const auto& row : steps) {
        dialogs.openedFilters.clear();
        if (!row.filter)
            selectRow(0);
        else if (row.givesFile)
            dialogs.nextFileNames.push_back(
                std::string(row.filter).starts_with("MP3") ? track("t" + std::to_string(file++) + ".mp3") : playlist);
        else
            dialogs.nextFileNames.push_back("");
        run(row.control);
        EXPECT_EQ(rows(), row.rowsAfter) << row.control;
        if (row.filter) {
            EXPECT_EQ(dialogs.openedFilters, std::vector<std::string>{row.filter}) << row.control;
        }
    }
    // A twin that ran its command hides; the dialog opened in the folder the last file came from.
    EXPECT_FALSE(IsWindowVisible(control("imgAddb")));
    EXPECT_EQ(dialogs.openedFolders.back(), here.str());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
}

// What Explorer hands a window when files are dropped on it.
HDROP droppedFiles(const std::vector<std::string>& files) {
    std::wstring names;
    for (const std::string& file : files)
        names += wide(file) + L'\0';
    names += L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::copy(names.begin(), names.end(), reinterpret_cast<wchar_t*>(drop + 1));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(MainWindowTest, DroppedFilesAreAddedAndImportedAndTheRestNamedOnce) {
    track("a.mp3");
    track("b.mp3");
    const std::string playlist = here.write("list.pls", "[playlist]\r\nFile1=music\\a.mp3\r\nFile2=music\\b.mp3\r\n");
    const HDROP drop = droppedFiles({track("dropped.mp3"), playlist, here.write("notes.txt", "")});
    SendMessageW(window->window(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(rows(), 4);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("notes.txt"), std::string::npos) << dialogs.messages[0].text;
}

TEST_F(MainWindowTest, TheHoverTwinsFollowThePointer) {
    // The pointer's path and the twins up after each step, in the order imgAddb, imgPlaylistb,
    // imgRemoveb, imgWriteScriptb.
    const struct {
        const char* over;
        const char* twinsUp;
    } moves[] = {
        {"imgAdd", "1000"},   {"imgPlaylist", "1100"},    {"imgPlaylistb", "0100"}, {"imgRemove", "0110"},
        {"imgTitle", "0000"}, {"imgWriteScript", "0001"}, {"imgEnglish", "0001"},   {"imgPlbg", "0000"},
    };
    for (const auto& move : moves) {
        SendMessageW(window->window(), WM_COMMAND, MAKEWPARAM(0, PicturePointerMoved),
                     reinterpret_cast<LPARAM>(control(move.over)));
        std::string up;
        for (const char* twin : {"imgAddb", "imgPlaylistb", "imgRemoveb", "imgWriteScriptb"})
            up += IsWindowVisible(control(twin)) ? '1' : '0';
        EXPECT_EQ(up, move.twinsUp) << move.over;
    }
}

TEST_F(MainWindowTest, LinksAndTheReadmeOpenTheirFilesOrSaySoOnce) {
    const struct {
        const char* control;
        const char* file;
        bool noProgram;
        const char* message;
    } rows[] = {
        {"lblMorvane", "free_track.txt", false, nullptr},
        {"lblJukewright", "readme.txt", false, nullptr},
        {"mnuReadme", "readme.txt", true, "Error: no program could open the readme: "},
    };
    for (const auto& row : rows) {
        desktop.opened.clear();
        dialogs.messages.clear();
        desktop.answerNoProgram = row.noProgram;
        run(row.control);
        ASSERT_EQ(desktop.opened.size(), 1u) << row.control;
        EXPECT_TRUE(desktop.opened[0].ends_with(row.file)) << desktop.opened[0];
        ASSERT_EQ(dialogs.messages.size(), row.message ? 1u : 0u) << row.control;
        if (row.message) {
            EXPECT_TRUE(dialogs.messages[0].text.starts_with(row.message)) << dialogs.messages[0].text;
        }
    }
}

TEST_F(MainWindowTest, TheXash3dItemTogglesItsMarkAndIsRememberedAtOnce) {
    for (bool marked : {true, false}) {
        menu("mnuXash3d");
        EXPECT_EQ(checked("mnuXash3d"), marked);
        EXPECT_EQ(state.Layout, marked ? ScriptLayout::Parts : ScriptLayout::Automatic);
        EXPECT_NE(here.read("preferences.ini").find(marked ? "=true" : "=false"), std::string::npos);
    }
}

TEST_F(MainWindowTest, CheckJukeboxRefusesABoxTheSaveWouldRefuse) {
    menu("mnuCheckJukebox");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    setWindowText(control("cboSteamFolder"), here.str() + "/no such mod");
    menu("mnuCheckJukebox");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages[0].text, dialogs.messages[1].text);
}

// Each dialog opens from its item over the main window, modal, and Esc ends it; the media library is
// one window, brought back by a second click.
TEST_F(MainWindowTest, TheDialogsOpenFromTheirItemsAndEscEndsThem) {
    typeModFolder();
    static std::vector<std::string> seen;
    const TIMERPROC escape = [](HWND, UINT, UINT_PTR, DWORD) {
        const HWND active = GetActiveWindow();
        if (!active || !IsWindowEnabled(active) || seen.size() > 50)
            return;
        seen.push_back(windowText(active));
        PostMessageW(GetFocus() ? GetFocus() : active, WM_KEYDOWN, VK_ESCAPE, KeyDown);
    };
    for (const auto& [item, caption] : {std::pair{"mnuOptions", "Jukewright - Options"},
                                        {"lblBrowse", "Jukewright - Browse Folders"},
                                        {"mnuAbout", "Jukewright - About"},
                                        {"mnuCheckJukebox", "Jukewright - Check Jukebox"}}) {
        seen.clear();
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, escape);
        run(item);
        KillTimer(nullptr, timer);
        ASSERT_FALSE(seen.empty()) << item;
        EXPECT_EQ(seen[0], caption);
        EXPECT_TRUE(IsWindowEnabled(window->window())) << item;
        EXPECT_EQ(GetActiveWindow(), window->window()) << item;
    }
    EXPECT_EQ(seen.size(), 1u) << "one Esc ends the check window";
    click("imgMediaLibary");
    const HWND library = FindWindowW(nullptr, L"Jukewright - Windows Media Libary");
    ASSERT_TRUE(library);
    click("imgMediaLibary");
    EXPECT_EQ(FindWindowW(nullptr, L"Jukewright - Windows Media Libary"), library);
}

TEST_F(MainWindowTest, DeleteRemovesOncePerPressOnItsRelease) {
    addTracks(3);
    const struct {
        UINT message;
        LPARAM flags;
        int rowsAfter;
    } keys[] = {
        {WM_KEYDOWN, KeyDown, 4}, {WM_KEYDOWN, KeyRepeat, 4}, {WM_KEYDOWN, KeyRepeat, 4}, {WM_KEYUP, KeyUp, 3},
        {WM_KEYUP, KeyUp, 3},     {WM_KEYDOWN, KeyDown, 3},   {WM_KEYUP, KeyUp, 2},
    };
    for (const auto& key : keys) {
        selectRow(0);
        deleteKey(key.message, key.flags);
        EXPECT_EQ(rows(), key.rowsAfter) << (key.message == WM_KEYDOWN ? "press" : "release");
    }
}

TEST_F(MainWindowTest, LanguageSwitchLoadsTheSkinAndMovesTheCheckMarks) {
    const struct {
        const char* control;
        std::int16_t language;
        const char* caption;
    } steps[] = {
        {"imgGerman", German, "Pfad: "},
        {"mnuEnglish", English, "Mod Path: "},
        {"mnuGerman", German, "Pfad: "},
        {"imgEnglish", English, "Mod Path: "},
    };
    for (const auto& row : steps) {
        run(row.control);
        EXPECT_EQ(state.Language, row.language) << row.control;
        EXPECT_EQ(checked("mnuGerman"), row.language == German) << row.control;
        EXPECT_EQ(checked("mnuEnglish"), row.language == English) << row.control;
        EXPECT_TRUE(windowText(control("lblModPath")).starts_with(row.caption)) << row.control;
    }
    EXPECT_TRUE(dialogs.messages.empty());
    // The button row is packed by the pictures: each button starts where the one before it ends.
    RECT add;
    RECT playlist;
    GetWindowRect(control("imgAdd"), &add);
    GetWindowRect(control("imgPlaylist"), &playlist);
    EXPECT_EQ(add.right, playlist.left);
}

// Run at the system's density, at 144 dots per inch and on a short screen.
TEST_F(MainWindowTest, ControlsSitAtTheirPlacesAtTheWindowsDensity) {
    const Dpi dpi = Dpi::of(window->window());
    const auto placeOf = [this](const char* name) {
        RECT place;
        GetWindowRect(control(name), &place);
        MapWindowPoints(nullptr, window->window(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    };
    RECT client;
    GetClientRect(window->window(), &client);
    EXPECT_EQ(client.right, dpi.twips(MainWindowGeometry::ClientArea.width));
    // A screen too short for the designed window gets the menu bar and the client area at the reduced height.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window->window(), MONITOR_DEFAULTTONEAREST), &monitor);
    MENUBARINFO menuBar{};
    menuBar.cbSize = sizeof menuBar;
    GetMenuBarInfo(window->window(), OBJID_MENU, 0, &menuBar);
    const int menuHeight = menuBar.rcBar.bottom - menuBar.rcBar.top;
    if (const auto fitted = fittedWindowHeight(dpi.toTwips(monitor.rcWork.bottom - monitor.rcWork.top)))
        EXPECT_NEAR(menuHeight + client.bottom, dpi.twips(*fitted), 2);
    else
        EXPECT_EQ(client.bottom, dpi.twips(MainWindowGeometry::ClientArea.height));
    // On a short screen the list gives up height, never its left, top or width.
    const RECT list = placeOf("lstPlaylist");
    const RECT designed = dpi.rect(MainWindowGeometry::lstPlaylist);
    EXPECT_EQ(std::tuple(list.left, list.top, list.right), std::tuple(designed.left, designed.top, designed.right));
    const RECT flag = placeOf("imgGerman");
    EXPECT_EQ(flag.right, dpi.twips(MainWindowGeometry::imgGerman.right()));
    EXPECT_EQ(flag.bottom, client.bottom - (dpi.twips(MainWindowGeometry::ClientArea.height) -
                                            dpi.twips(MainWindowGeometry::imgGerman.bottom())));
    const char* row[] = {"imgLeftside", "imgAdd", "imgPlaylist", "imgRemove", "imgWriteScript", "imgRightside"};
    for (std::size_t i = 0; i + 1 < std::size(row); ++i)
        EXPECT_EQ(placeOf(row[i]).right, placeOf(row[i + 1]).left) << row[i];
    EXPECT_EQ(placeOf("imgAdd").right - placeOf("imgAdd").left, dpi.scale(147));
}

TEST_F(MainWindowTest, SaveRunsOffTheWindowThreadToDone) {
    addTracks(3);
    const std::string mod = typeModFolder();
    click("imgWriteScript");
    ASSERT_TRUE(pumpUntil([&] { return !window->isSaving(); }));
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
    ASSERT_NE(window->progressWindow(), nullptr);
    EXPECT_EQ(windowText(window->progressWindow()), "Done");
    EXPECT_TRUE(std::filesystem::exists(test::utf8Path(mod) / "mp3.cfg"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(test::utf8Path(mod) / "mp3s"), {}), 4);
}

TEST_F(MainWindowTest, CloseDuringASaveWaitsForItAndCommandsWaitToo) {
    addTracks(2);
    const std::string mod = typeModFolder();
    click("imgWriteScript");
    ASSERT_TRUE(window->isSaving());
    // The save waits for this thread to answer it: nothing of it has run yet.
    selectRow(0);
    click("imgRemove");
    menu("mnuExit");
    window->addFiles({track("late.mp3")});
    SendMessageW(window->window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(ended);
    EXPECT_EQ(rows(), 3);
    ASSERT_TRUE(pumpUntil([&] { return ended; }));
    EXPECT_FALSE(window->isSaving());
    EXPECT_NE(here.read("settings.jst").find(mod), std::string::npos);
}

TEST_F(MainWindowTest, TheCloseBoxStoresTheSettingsAndExitDoesNot) {
    const std::string atStart = here.read("settings.jst");
    const std::string mod = typeModFolder();
    click("imgGerman");
    menu("mnuExit");
    EXPECT_TRUE(ended);
    EXPECT_EQ(here.read("settings.jst"), atStart);
    ended = false;
    SendMessageW(window->window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(ended);
    EXPECT_NE(here.read("settings.jst"), atStart);
}

using Rows = std::vector<std::string>;

HWND libraryPart(std::string_view name) {
    return findControl(FindWindowW(nullptr, L"Jukewright - Windows Media Libary"), name);
}

Rows listed(std::string_view list) {
    Rows texts;
    wchar_t text[256];
    for (int row = 0; SendMessageW(libraryPart(list), LB_GETTEXT, row, LPARAM(text)) != LB_ERR; ++row)
        texts.push_back(utf8(text));
    return texts;
}

// The mouse on a row: a click, or a double click (the system's second press).
void clickRow(std::string_view list, int row, bool twice = false) {
    RECT place{};
    SendMessageW(libraryPart(list), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&place));
    const LPARAM at = MAKELPARAM(place.left + 4, (place.top + place.bottom) / 2);
    for (UINT press : {UINT(WM_LBUTTONDOWN), twice ? UINT(WM_LBUTTONDBLCLK) : 0u}) {
        SendMessageW(libraryPart(list), press, MK_LBUTTON, at);
        SendMessageW(libraryPart(list), WM_LBUTTONUP, 0, at);
    }
}

// The media library over a music folder of tracks without tags, named by their folders.
class MediaLibraryTest : public MainWindowTest {
protected:
    MediaLibraryTest() {
        for (const char* file : {"Beta/Second/x.mp3", "Alpha/First/b.mp3", "Alpha/First/a.mp3", "Alpha/Other/y.mp3"})
            here.write(std::string("Music/") + file, "");
    }
    static std::string status() { return windowText(libraryPart("lblScanStatus")); }
    // Opens the library, or presses its button, and lets the scan run to its end.
    void openToTheEnd(HWND button = nullptr) const {
        SendMessageW(button ? button : control("imgMediaLibary"), BM_CLICK, 0, 0);
        ASSERT_TRUE(pumpUntil([] { return !status().empty() && !status().starts_with("Reading"); })) << status();
    }
    std::string track(const char* relative) const { return test::nativeText(music + "/" + relative); }
    // The tracks added after the free track's row.
    Rows added() const { return {state.TrackPaths.begin() + 1, state.TrackPaths.begin() + state.TrackCount}; }
};

TEST_F(MediaLibraryTest, TheArtistPickedShowsItsAlbumsAndADoubleClickOrEnterAddsTheirTracksInOrder) {
    openToTheEnd();
    EXPECT_EQ(listed("lstArtists"), (Rows{"(All artists)", "Alpha", "Beta"}));
    EXPECT_EQ(listed("lstAlbums"), (Rows{"First (Alpha)", "Other (Alpha)", "Second (Beta)"}));
    EXPECT_TRUE(status().starts_with("4 files read.")) << status();
    clickRow("lstArtists", 1);
    EXPECT_EQ(listed("lstAlbums"), (Rows{"First", "Other"}));
    clickRow("lstAlbums", 0);
    EXPECT_EQ(added(), Rows{}) << "a single click only picks";

    clickRow("lstAlbums", 0, true);
    SendMessageW(libraryPart("lstAlbums"), WM_KEYDOWN, VK_RETURN, 1);
    const std::string a = track("Alpha/First/a.mp3"), b = track("Alpha/First/b.mp3");
    EXPECT_EQ(added(), (Rows{a, b, a, b}));
    clickRow("lstArtists", 2, true);
    EXPECT_EQ(added().back(), track("Beta/Second/x.mp3"));
    clickRow("lstArtists", 1);
    SendMessageW(libraryPart("lstArtists"), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(rows(), 9);

    typeModFolder();
    click("imgWriteScript");
    ASSERT_TRUE(window->isSaving());
    clickRow("lstAlbums", 0, true);
    SendMessageW(libraryPart("lstArtists"), WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_TRUE(pumpUntil([&] { return !window->isSaving(); }));
    EXPECT_EQ(rows(), 9) << "nothing is added during a save, nor after it";
}

// Opening again shows the lists as they were; Refresh and another music folder scan anew. A folder that
// is not there is named in the status line.
TEST_F(MediaLibraryTest, ReopeningScansOnlyForRefreshOrAnotherFolder) {
    openToTheEnd();
    clickRow("lstArtists", 2);
    SendMessageW(GetParent(libraryPart("lstArtists")), WM_CLOSE, 0, 0);
    here.write("Music/Gamma/Third/z.mp3", "");
    openToTheEnd();
    EXPECT_EQ(listed("lstArtists"), (Rows{"(All artists)", "Alpha", "Beta"}));
    EXPECT_EQ(SendMessageW(libraryPart("lstArtists"), LB_GETCURSEL, 0, 0), 2);

    openToTheEnd(libraryPart("cmdRefresh"));
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
