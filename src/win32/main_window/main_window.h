#pragma once

#include "core/app_state.h"
#include "core/jukebox/save_script.h"
#include "core/library/library_catalog.h"
#include "core/playlist/playlist_view.h"
#include "core/settings/preferences.h"
#include "core/settings/settings_location.h"
#include "core/settings/settings_store.h"
#include "core/skin/skin_layout.h"
#include "core/window/desktop.h"
#include "core/window/dialogs.h"
#include "core/window/hover_twins.h"
#include "core/window/open_file_dialog.h"
#include "core/window/save_guard.h"
#include "win32/kit/dpi.h"
#include "win32/kit/fonts.h"
#include "win32/kit/palette.h"
#include "win32/kit/picture_button.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>
// These need windows.h before them.
#include <shellapi.h>

namespace jukewright::win32 {

class PlaylistRows;
class SaveRun;
class WindowSaveView;
class frmBrowse;
class frmMediaLib;
class frmOptions;

// The main window: the track list and the mod-folder box inside the skin, the four commands as picture
// buttons with highlighted twins under the pointer, the menus, the language switch, and the doors to the
// other windows. The track commands and the save see it through views of their own (PlaylistRows,
// WindowSaveView); the commands themselves live in the core.
class frmMain {
public:
    static constexpr const wchar_t* ClassName = L"JukewrightMainWindow";

    struct Parts {
        AppState& state;
        Dialogs& dialogs;
        Desktop& desktop;
        std::string dataFolder;
        SettingsLocation settings;
        // The program ends now: Exit, or the close box once the settings are stored.
        std::function<void()> programEnds;
        // The music folder the media library lists, asked each time the library opens.
        std::function<std::string()> musicFolder;
    };

    // Makes the window (hidden) and runs start-up; start-up shows it when it asks a question.
    explicit frmMain(Parts parts);
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    HWND window() const { return m_window; }
    // The child window of the named control (imgAdd, lstPlaylist, ...), or null.
    HWND control(std::string_view name) const;
    // The progress window of the last save, or null.
    HWND progressWindow() const;

    bool isSaving() const { return m_guard.saving(); }
    // Files given on the command line or dropped from Explorer: taken as a drop on the list.
    void addFiles(const std::vector<std::string>& paths);
    // Shows a message box owned by this window.
    void showMessage(const Message& message);
    // Tracks picked in the media library, added as the add-track command adds a file; during a save,
    // nothing.
    void addLibraryTracks(const std::vector<std::string>& paths);
    // The keys of the main window and the media library that move between their controls, as in a
    // dialog; true when the message was such a key and is done with.
    bool takeDialogKey(MSG& message);

    // The track list as the track commands see it.
    PlaylistView& trackList();

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    using Route = void (frmMain::*)();
    struct NamedRoute {
        std::string_view name;
        Route route;
    };
    static const NamedRoute Routes[];

    void createControls();
    HWND createChild(const wchar_t* windowClass, DWORD style, int id, std::string_view name, const char* text = "");
    void stackControls();
    void placeControls();
    void place(HWND control, TwipsRect designed) const;
    void createTooltips();
    void fitToScreen();
    SkinTable<PictureButton*> skinControls();

    void Form_Load();
    void Form_Unload();
    void endProgram();

    void onCommand(WORD id, WORD code, HWND from);
    void runRoute(std::string_view name);
    void onPointerMoved(HWND over);
    void showTwins();
    void drawRow(const DRAWITEMSTRUCT& item) const;
    void drawLabel(const DRAWITEMSTRUCT& item) const;
    void onDropFiles(HDROP drop);
    void onDpiChanged(UINT dpi, const RECT& suggested);
    static LRESULT CALLBACK listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    void lstPlaylist_DeleteKey(UINT message, LPARAM flags);

    void imgAdd_Click();
    void imgAddb_Click();
    void imgPlaylist_Click();
    void imgPlaylistb_Click();
    void imgRemove_Click();
    void imgWriteScript_Click();
    void imgEnglish_Click();
    void imgGerman_Click();
    void imgMediaLibary_Click();
    void lblMorvane_Click();
    void lblJukewright_Click();
    void lblBrowse_Click();
    void mnuOptions_Click();
    void mnuAbout_Click();
    void mnuReadme_Click();
    void mnuCheckJukebox_Click();
    void mnuXash3d_Click();
    void mnuExit_Click();

    void switchLanguage(std::int16_t language);
    void LoadSkin(std::int16_t language);
    void hideHoverImages();
    void saveFinished();
    void setMenuChecked(std::string_view name, bool checked);
    bool isMenuChecked(std::string_view name) const;

    Parts m_parts;
    AppState& m_state;
    Dialogs& m_dialogs;
    OpenFileDialog cdcMain;
    // What settings.jst has no record for: the script layout.
    Preferences m_preferences;

    HWND m_window = nullptr;
    HMENU m_menu = nullptr;
    HWND m_tooltips = nullptr;
    Dpi m_dpi;
    Palette m_palette;
    Font m_tahoma;
    Font m_labelFont;
    Font m_browseFont;
    SkinTable<TwipsRect> m_skinLayout = DesignedSkinLayout;
    // How much shorter the window is than designed, after the screen check.
    int m_overflowTwips = 0;

    PictureButton imgTitle;
    PictureButton imgLeftside;
    PictureButton imgAdd;
    PictureButton imgPlaylist;
    PictureButton imgRemove;
    PictureButton imgWriteScript;
    PictureButton imgRightside;
    PictureButton imgPlbg;
    PictureButton imgAddb;
    PictureButton imgPlaylistb;
    PictureButton imgRemoveb;
    PictureButton imgWriteScriptb;
    HWND lstPlaylist = nullptr;
    PictureButton imgModFold;
    HWND lblModPath = nullptr;
    HWND cboSteamFolder = nullptr;
    HWND lblBrowse = nullptr;
    PictureButton imgEnglish;
    PictureButton imgGerman;
    PictureButton imgMediaLibary;
    HWND lblMorvane = nullptr;
    HWND lblJukewright = nullptr;

    // The track list and the mod-folder box as the core's commands and the save see them.
    std::unique_ptr<PlaylistRows> m_rows;
    std::unique_ptr<WindowSaveView> m_saveView;
    // settings.jst, read at start-up, stored at shutdown and by the options dialog.
    std::unique_ptr<SettingsStore> m_settings;

    // Options and Browse keep their state between showings; one media library window, and the
    // library it shows, kept while its window is closed.
    std::unique_ptr<frmOptions> m_options;
    std::unique_ptr<frmBrowse> m_browse;
    std::unique_ptr<LibraryCatalog> m_library;
    std::unique_ptr<frmMediaLib> m_mediaLibrary;

    // The twins under the pointer, and what the window holds back while a save runs.
    HoverTwins m_hover;
    SaveGuard m_guard;
    // A fresh press of Delete on the list, not yet released: the release removes, once.
    bool m_deletePressed = false;
    // The running save, if any: while it is there the commands that would change what it reads do
    // nothing. Declared last, so that a save still running when the window goes ends while the window
    // is whole.
    std::unique_ptr<SaveRun> m_saveRun;
};

} // namespace jukewright::win32
