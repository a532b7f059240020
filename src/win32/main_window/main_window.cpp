#include "win32/main_window/main_window.h"

#include "core/skin/screen_fit.h"
#include "core/startup/startup.h"
#include "core/system/file_tags.h"
#include "core/window/data_file.h"
#include "core/window/main_window_geometry.h"
#include "core/window/main_window_texts.h"
#include "win32/dialogs/browse_dialog.h"
#include "win32/dialogs/media_library.h"
#include "win32/dialogs/options_dialog.h"
#include "win32/kit/wide_text.h"
#include "win32/kit/window_class.h"
#include "win32/kit/window_text.h"
#include "win32/main_window/main_menu.h"
#include "win32/main_window/playlist_rows.h"
#include "win32/main_window/save_run.h"
#include "win32/main_window/save_view.h"
#include "win32/main_window/startup_view.h"
#include "win32/platform/known_folders.h"

#include <algorithm>
#include <windows.h>
// These need windows.h before them.
#include <commctrl.h>
#include <shellapi.h>
#include <uxtheme.h>

namespace jukewright::win32 {

namespace {

constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_ACCEPTFILES;
// Asks the window to show the rows the track commands appended.
constexpr UINT FlushRowsMessage = WM_APP + 3;
// The library's scan has news, taken on the window's thread.
constexpr UINT LibraryNewsMessage = WM_APP + 4;
constexpr UINT_PTR DeleteKeySubclass = 1;
constexpr UINT_PTR ColourSubclass = 2;

LRESULT CALLBACK comboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR palette) {
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX)
        return colourOrange(reinterpret_cast<HDC>(wParam), *reinterpret_cast<const Palette*>(palette));
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(combo, comboProc, ColourSubclass);
    return DefSubclassProc(combo, message, wParam, lParam);
}
constexpr int FirstChildId = 100;

} // namespace

frmMain::frmMain(Parts parts)
    : m_parts(std::move(parts)), m_state(m_parts.state), m_dialogs(m_parts.dialogs), cdcMain(m_parts.dialogs),
      m_preferences(m_parts.settings.preferencesFile), m_dpi(Dpi::of(nullptr)) {
    registerWindowClass({ClassName, ownedWindowProc<frmMain>, m_palette.orange.get(), IDC_ARROW, true});
    m_menu = buildMainMenu();
    CreateWindowExW(ExStyle, ClassName, wide(MainWindowTexts::Caption).c_str(), Style, CW_USEDEFAULT, CW_USEDEFAULT, 0,
                    0, nullptr, m_menu, GetModuleHandleW(nullptr), this);
    m_dpi = Dpi::of(m_window);
    createControls();
    m_rows = std::make_unique<PlaylistRows>(
        PlaylistRows::Parts{m_dialogs, lstPlaylist, [this] { PostMessageW(m_window, FlushRowsMessage, 0, 0); },
                            [this] { hideHoverImages(); }});
    m_saveView = std::make_unique<WindowSaveView>(
        WindowSaveView::Parts{m_window, m_dialogs, cboSteamFolder, [this] { hideHoverImages(); }});
    m_settings = std::make_unique<SettingsStore>(m_parts.settings.settingsFile, *m_rows);
    // The scan calls from its own thread: it only posts.
    m_library = std::make_unique<LibraryCatalog>(
        makeTagReader, [window = m_window] { PostMessageW(window, LibraryNewsMessage, 0, 0); });
    Form_Load();
}

frmMain::~frmMain() {
    // A save still running ends while the window is whole; so does a scan.
    m_saveRun.reset();
    m_mediaLibrary.reset();
    m_library.reset();
    m_saveView->dropProgressWindow();
    if (m_window)
        DestroyWindow(m_window);
}

HWND frmMain::control(std::string_view name) const {
    return findControl(m_window, name);
}

HWND frmMain::progressWindow() const {
    return m_saveView->progressWindow();
}

HWND frmMain::createChild(const wchar_t* windowClass, DWORD style, int id, std::string_view name, const char* text) {
    HWND child = CreateWindowExW(0, windowClass, wide(text).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0,
                                 0, 0, 0, m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    nameControl(child, name);
    return child;
}

void frmMain::createControls() {
    m_tahoma = tahomaFont(m_dpi);
    m_labelFont = tahomaFont(m_dpi, 8);
    m_browseFont = designFont(L"Tahoma", 11, m_dpi, true);
    int id = FirstChildId;
    const auto picture = [this, &id](PictureButton& button, const char* name, bool hand) {
        button.create(m_window, id++, name, hand);
    };
    picture(imgPlbg, "imgPlbg", false);
    picture(imgTitle, "imgTitle", false);
    picture(imgLeftside, "imgLeftside", false);
    picture(imgAdd, "imgAdd", true);
    picture(imgPlaylist, "imgPlaylist", true);
    picture(imgRemove, "imgRemove", true);
    picture(imgWriteScript, "imgWriteScript", true);
    picture(imgRightside, "imgRightside", false);
    picture(imgAddb, "imgAddb", true);
    picture(imgPlaylistb, "imgPlaylistb", true);
    picture(imgRemoveb, "imgRemoveb", true);
    picture(imgWriteScriptb, "imgWriteScriptb", true);
    for (PictureButton* shown :
         {&imgPlbg, &imgTitle, &imgLeftside, &imgAdd, &imgPlaylist, &imgRemove, &imgWriteScript, &imgRightside})
        ShowWindow(shown->window(), SW_SHOWNA);

    lstPlaylist = createChild(WC_LISTBOXW,
                              WS_VSCROLL | WS_TABSTOP | WS_BORDER | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NODATA |
                                  LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT,
                              id++, "lstPlaylist");
    setFont(lstPlaylist, m_tahoma);
    SetWindowSubclass(lstPlaylist, listProc, DeleteKeySubclass, reinterpret_cast<DWORD_PTR>(this));

    picture(imgModFold, "imgModFold", false);
    imgModFold.setPicture(loadPictureResource(L"MODFOLDER"));
    lblModPath = createChild(WC_STATICW, SS_OWNERDRAW, id++, "lblModPath");
    setFont(lblModPath, m_labelFont);
    // Typed text never becomes a row: the rows are the remembered mod folders. It starts empty.
    cboSteamFolder =
        createChild(WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, id++, "cboSteamFolder");
    setFont(cboSteamFolder, m_tahoma);
    // A themed combo box paints its edit white, and not every system hands its edit's colour question
    // on to the window: the box answers it itself.
    SetWindowTheme(cboSteamFolder, L" ", L" ");
    SetWindowSubclass(cboSteamFolder, comboProc, ColourSubclass, reinterpret_cast<DWORD_PTR>(&m_palette));
    lblBrowse =
        createChild(WC_STATICW, SS_OWNERDRAW | SS_NOTIFY, id++, "lblBrowse", MainWindowTexts::BrowseCaption.data());
    setFont(lblBrowse, m_browseFont);

    picture(imgEnglish, "imgEnglish", true);
    imgEnglish.setPicture(loadPictureResource(L"FLAG_ENGLISH"));
    picture(imgGerman, "imgGerman", true);
    imgGerman.setPicture(loadPictureResource(L"FLAG_GERMAN"));
    picture(imgMediaLibary, "imgMediaLibary", true);
    imgMediaLibary.setPicture(loadPictureResource(L"MEDIALIBRARY"));
    for (PictureButton* shown : {&imgModFold, &imgEnglish, &imgGerman, &imgMediaLibary}) {
        shown->setBackdrop(&imgPlbg);
        ShowWindow(shown->window(), SW_SHOWNA);
    }
    lblMorvane =
        createChild(WC_STATICW, SS_OWNERDRAW | SS_NOTIFY, id++, "lblMorvane", MainWindowTexts::MorvaneCaption.data());
    lblJukewright = createChild(WC_STATICW, SS_OWNERDRAW | SS_NOTIFY, id++, "lblJukewright",
                                MainWindowTexts::JukewrightCaption.data());
    for (HWND link : {lblMorvane, lblJukewright})
        setFont(link, m_labelFont);
    stackControls();
    createTooltips();
}

// Siblings overlap (the list on its background, each twin on its button): the order they are drawn
// and hit in is set once, bottom to top.
void frmMain::stackControls() {
    for (HWND control : {imgPlbg.window(),
                         imgTitle.window(),
                         imgLeftside.window(),
                         imgAdd.window(),
                         imgPlaylist.window(),
                         imgRemove.window(),
                         imgWriteScript.window(),
                         imgRightside.window(),
                         imgAddb.window(),
                         imgPlaylistb.window(),
                         imgRemoveb.window(),
                         imgWriteScriptb.window(),
                         lstPlaylist,
                         imgModFold.window(),
                         lblModPath,
                         cboSteamFolder,
                         lblBrowse,
                         imgEnglish.window(),
                         imgGerman.window(),
                         imgMediaLibary.window(),
                         lblMorvane,
                         lblJukewright})
        SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void frmMain::createTooltips() {
    m_tooltips =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    const auto tip = [this](HWND control, const std::string& text) {
        std::wstring wideText = wide(text);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = wideText.data();
        SendMessageW(m_tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    };
    tip(lblBrowse, std::string(MainWindowTexts::BrowseTip));
    tip(imgEnglish.window(), "English");
    tip(imgGerman.window(), "German");
    tip(lblMorvane, dataFilePath(m_parts.dataFolder, FreeTrackLink));
    tip(lblJukewright, dataFilePath(m_parts.dataFolder, GuideLink));
}

SkinTable<PictureButton*> frmMain::skinControls() {
    return {&imgTitle,     &imgLeftside, &imgAdd,  &imgPlaylist,  &imgRemove,  &imgWriteScript,
            &imgRightside, &imgPlbg,     &imgAddb, &imgPlaylistb, &imgRemoveb, &imgWriteScriptb};
}

// A control at its designed place, at the window's density. On a short screen the list gives up the
// height the window lacks: what lies below it moves up, what spans it (the list and its background)
// shrinks, so every control stays inside.
void frmMain::place(HWND control, TwipsRect designed) const {
    const TwipsRect& list = MainWindowGeometry::lstPlaylist;
    if (designed.top >= list.bottom())
        designed.top -= m_overflowTwips;
    else if (designed.top <= list.top && designed.bottom() >= list.bottom())
        designed.height -= m_overflowTwips;
    placeTwips(control, designed, m_dpi);
}

void frmMain::placeControls() {
    TwipsSize client = MainWindowGeometry::ClientArea;
    client.height -= m_overflowTwips;
    RECT frame{0, 0, m_dpi.twips(client.width), m_dpi.twips(client.height)};
    AdjustWindowRectExForDpi(&frame, Style, TRUE, ExStyle, m_dpi.value());
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const SkinTable<PictureButton*> skin = skinControls();
    for (std::size_t i = 0; i < SkinPartCount; ++i)
        place(skin[i]->window(), m_skinLayout[i]);
    using G = MainWindowGeometry;
    place(lstPlaylist, G::lstPlaylist);
    place(imgModFold.window(), G::imgModFold);
    place(lblModPath, G::lblModPath);
    // A drop-down's height includes its open list; the edit keeps the designed height.
    TwipsRect combo = G::cboSteamFolder;
    combo.height += 3000;
    place(cboSteamFolder, combo);
    SendMessageW(cboSteamFolder, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), m_dpi.twips(G::cboSteamFolder.height) - 6);
    place(lblBrowse, G::lblBrowse);
    place(imgMediaLibary.window(), G::imgMediaLibary);
    place(lblMorvane, G::lblMorvane);
    place(lblJukewright, G::lblJukewright);
    place(imgEnglish.window(), G::imgEnglish);
    place(imgGerman.window(), G::imgGerman);
}

// The screen check of start-up, against the work area of the screen the window opens on.
void frmMain::fitToScreen() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const auto height = fittedWindowHeight(m_dpi.toTwips(monitor.rcWork.bottom - monitor.rcWork.top));
    if (!height)
        return;
    const int menuBar = m_dpi.toTwips(GetSystemMetricsForDpi(SM_CYMENU, m_dpi.value()));
    m_overflowTwips = std::max(0, menuBar + MainWindowGeometry::ClientArea.height - *height);
}

// Start-up, in its order: the screen check, the special folders and the open-file dialog's first
// folder; then the steps that follow from the settings file (its defaults, the stored settings, the
// language with its skin, the free track, the font).
void frmMain::Form_Load() {
    fitToScreen();
    placeControls();
    ResolveSpecialFolders(m_state, *m_rows);
    cdcMain.setInitialFolder(m_state.MusicFolder);
    WindowStartUpView view({m_window, m_dialogs, *m_rows, cboSteamFolder, [this] { imgEnglish_Click(); },
                            [this] { imgGerman_Click(); }, [this] { m_rows->flushRows(); }});
    startFromSettings(m_state, *m_settings, view, m_parts.dataFolder);
    registerFontForUser(m_state, m_parts.dataFolder);
    m_rows->flushRows();
    m_state.Layout = m_preferences.scriptLayout();
    setMenuChecked("mnuXash3d", m_state.Layout == ScriptLayout::Parts);
}

// The shutdown the close box runs: the settings are stored before the program ends.
void frmMain::Form_Unload() {
    m_settings->SaveExitSettings(m_state);
    endProgram();
}

void frmMain::endProgram() {
    // Other windows go without their own close handling.
    m_mediaLibrary.reset();
    m_saveView->dropProgressWindow();
    ShowWindow(m_window, SW_HIDE);
    if (m_parts.programEnds)
        m_parts.programEnds();
}

void frmMain::onCommand(WORD id, WORD code, HWND from) {
    if (!from) {
        // A menu item (code 0) or an accelerator (1).
        runRoute(menuName(id));
        return;
    }
    if (code == PicturePointerMoved) {
        onPointerMoved(from);
        return;
    }
    if (from == lstPlaylist) {
        if (code == LBN_SELCHANGE)
            m_rows->selectionChanged();
        return;
    }
    // BN_CLICKED from a picture, STN_CLICKED from a link: both are 0.
    if (code == BN_CLICKED)
        runRoute(controlName(from));
}

// The hover rules are the core's; the window shows the twins they leave up.
void frmMain::onPointerMoved(HWND over) {
    if (m_hover.pointerOver(over == m_window ? "frmMain" : controlName(over)))
        showTwins();
}

void frmMain::hideHoverImages() {
    m_hover.hideAll();
    showTwins();
}

void frmMain::showTwins() {
    const PictureButton* twins[] = {&imgAddb, &imgPlaylistb, &imgRemoveb, &imgWriteScriptb};
    for (std::size_t i = 0; i < std::size(twins); ++i)
        if ((IsWindowVisible(twins[i]->window()) != 0) != m_hover.shown()[i])
            ShowWindow(twins[i]->window(), m_hover.shown()[i] ? SW_SHOWNA : SW_HIDE);
}

// The captions and links lie on the list background's picture: they show it behind their white text.
void frmMain::drawLabel(const DRAWITEMSTRUCT& item) const {
    imgPlbg.drawBeneath(item.hDC, item.hwndItem);
    const std::wstring text = wide(windowText(item.hwndItem));
    auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(item.hDC, font);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, White);
    RECT box = item.rcItem;
    const UINT centred = item.hwndItem == lblBrowse ? DT_CENTER : DT_LEFT;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &box,
              centred | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, previous);
}

void frmMain::drawRow(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1) || !m_rows)
        return;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    RECT row = item.rcItem;
    FillRect(item.hDC, &row, selected ? m_palette.dark.get() : m_palette.orange.get());
    const std::wstring_view text = m_rows->rowText(item.itemID);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, White);
    row.left += 2;
    DrawTextW(item.hDC, text.data(), static_cast<int>(text.size()), &row,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

void frmMain::onDropFiles(HDROP drop) {
    std::vector<std::string> paths(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0));
    for (UINT i = 0; i < paths.size(); ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        paths[i] = utf8(path);
    }
    DragFinish(drop);
    addFiles(paths);
}

void frmMain::onDpiChanged(UINT dpi, const RECT& suggested) {
    m_dpi = Dpi(dpi);
    m_tahoma = tahomaFont(m_dpi);
    m_labelFont = tahomaFont(m_dpi, 8);
    m_browseFont = designFont(L"Tahoma", 11, m_dpi, true);
    setFont(lstPlaylist, m_tahoma);
    setFont(cboSteamFolder, m_tahoma);
    // A themed combo box paints its edit white, and not every system hands its edit's colour question
    // on to the window: the box answers it itself.
    SetWindowTheme(cboSteamFolder, L" ", L" ");
    SetWindowSubclass(cboSteamFolder, comboProc, ColourSubclass, reinterpret_cast<DWORD_PTR>(&m_palette));
    for (HWND label : {lblModPath, lblMorvane, lblJukewright})
        setFont(label, m_labelFont);
    setFont(lblBrowse, m_browseFont);
    SendMessageW(lstPlaylist, LB_SETITEMHEIGHT, 0, m_dpi.scale(16));
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placeControls();
}

LRESULT CALLBACK frmMain::listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if ((message == WM_KEYDOWN || message == WM_KEYUP) && wParam == VK_DELETE) {
        reinterpret_cast<frmMain*>(self)->lstPlaylist_DeleteKey(message, lParam);
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(list, listProc, DeleteKeySubclass);
    return DefSubclassProc(list, message, wParam, lParam);
}

// Holding Delete repeats the press (the previous-state bit set), never the release: a fresh press
// arms the key and its release removes, once per press.
void frmMain::lstPlaylist_DeleteKey(UINT message, LPARAM flags) {
    constexpr LPARAM WasDown = LPARAM(1) << 30;
    if (message == WM_KEYDOWN) {
        if (!(flags & WasDown))
            m_deletePressed = true;
        return;
    }
    if (!m_deletePressed)
        return;
    m_deletePressed = false;
    imgRemove_Click();
}

LRESULT frmMain::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        m_window = window;
        break;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_SETFOCUS:
        // The window comes up with the track list ready for its keys.
        SetFocus(lstPlaylist);
        return 0;
    case WM_MOUSEMOVE:
        // The pointer over the window's own background, and over no control.
        onPointerMoved(window);
        return 0;
    case WM_SETCURSOR: {
        const auto over = reinterpret_cast<HWND>(wParam);
        if (LOWORD(lParam) == HTCLIENT && (over == lblBrowse || over == lblMorvane || over == lblJukewright)) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return colourOrange(reinterpret_cast<HDC>(wParam), m_palette);
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(m_dpi.scale(16));
        return TRUE;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_STATIC)
            drawLabel(item);
        else
            drawRow(item);
        return TRUE;
    }
    case WM_DROPFILES:
        onDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        // During a save the close waits for the save's end.
        if (m_guard.holdClose())
            return 0;
        Form_Unload();
        return 0;
    case SaveRun::CallMessage:
        return SaveRun::runCall(lParam);
    case SaveRun::EndedMessage:
        saveFinished();
        return 0;
    case FlushRowsMessage:
        m_rows->flushRows();
        return 0;
    case LibraryNewsMessage:
        if (m_library->takeNews() && m_mediaLibrary)
            m_mediaLibrary->showCatalog();
        return 0;
    case WM_NCDESTROY:
        m_window = nullptr;
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void frmMain::setMenuChecked(std::string_view name, bool checked) {
    CheckMenuItem(m_menu, static_cast<UINT>(menuId(name)), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool frmMain::isMenuChecked(std::string_view name) const {
    return (GetMenuState(m_menu, static_cast<UINT>(menuId(name)), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void frmMain::showMessage(const Message& message) {
    m_dialogs.showMessage(message);
}

bool frmMain::takeDialogKey(MSG& message) {
    HWND library = m_mediaLibrary ? m_mediaLibrary->window() : nullptr;
    if (library && (message.hwnd == library || IsChild(library, message.hwnd)))
        return IsDialogMessageW(library, &message);
    return IsDialogMessageW(m_window, &message);
}

PlaylistView& frmMain::trackList() {
    return *m_rows;
}

} // namespace jukewright::win32
