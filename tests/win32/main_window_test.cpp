#include "core/window/main_window_texts.h"
#include "support/fixtures.h"
#include "support/recording_dialogs.h"
#include "win32/kit/window_text.h"
#include "win32/main_window/main_menu.h"
#include "win32/main_window/main_window.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

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
        window = std::make_unique<frmMain>(
            frmMain::Parts{state,
                           dialogs,
                           desktop,
                           JUKEWRIGHT_DATA_DIR,
                           {here.file("settings.jst"), here.file("preferences.ini")},
                           [this] { ended = true; }});
    }

    HWND control(std::string_view name) const { return window->control(name); }
    void click(std::string_view name) const { SendMessageW(control(name), BM_CLICK, 0, 0); }
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

} // namespace
} // namespace jukewright::win32
