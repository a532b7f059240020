#include "win32/dialogs/browse_dialog.h"

#include "core/browse/folder_tree.h"
#include "core/steam/mod_list_rows.h"
#include "core/steam/steam_libraries.h"
#include "core/system/environment.h"
#include "core/system/native_path.h"
#include "core/window/browse_design.h"
#include "win32/kit/modal_loop.h"
#include "win32/kit/wide_text.h"
#include "win32/kit/window_text.h"

#include <commctrl.h>
#include <filesystem>
#include <shellapi.h>
#include <utility>

namespace jukewright::win32 {

namespace {

constexpr int txtPath = designedId(BrowseDesign::Controls, "txtPath");
constexpr int Drive1 = designedId(BrowseDesign::Controls, "Drive1");
constexpr int dirBrowse = designedId(BrowseDesign::Controls, "dirBrowse");
constexpr int lstMods = designedId(BrowseDesign::Controls, "lstMods");
constexpr int lblNoMods = designedId(BrowseDesign::Controls, "lblNoMods");
constexpr int cmdCancel = designedId(BrowseDesign::Controls, "cmdCancel");
constexpr int cmdOk = designedId(BrowseDesign::Controls, "cmdOk");

// An empty removable drive must not stop the person with the system's "insert a disk" box: its
// failure comes back as an error, which the browser reports itself.
class QuietDriveErrors {
public:
    QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &m_previous); }
    ~QuietDriveErrors() { SetThreadErrorMode(m_previous, nullptr); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    DWORD m_previous = 0;
};

FolderListing listQuietly(const std::string& folder) {
    const QuietDriveErrors quiet;
    return listSubfolders(folder);
}

// One of the shell's own small pictures by its resource number, which Windows and Wine share (4 a
// closed folder, 5 an open one, 9 a fixed drive); their places among the icons differ. None where the
// shell has none.
HICON shellIcon(int resource) {
    HICON icon = nullptr;
    return ExtractIconExW(L"shell32.dll", -resource, nullptr, &icon, 1) == 1 ? icon : nullptr;
}

std::wstring rowText(HWND list, UINT message, UINT row) {
    const UINT lengthMessage = message == LB_GETTEXT ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
    const LRESULT length = SendMessageW(list, lengthMessage, row, 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(list, message, row, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

} // namespace

BrowsePlaces BrowsePlaces::ofThisSystem() {
    std::error_code error;
    BrowsePlaces places{homeFolder(), pathUtf8(std::filesystem::current_path(error)), {}, systemSteamFolders()};
    places.roots = systemRoots(places.home);
    return places;
}

frmBrowse::frmBrowse(std::function<void(const std::string&)> setModFolder, Dialogs& dialogs, BrowsePlaces places,
                     HWND owner)
    : m_setModFolder(std::move(setModFolder)), m_dialogs(dialogs), m_places(std::move(places)),
      m_owner(owner), m_folderIcons{shellIcon(5), shellIcon(4), shellIcon(9)} {}

frmBrowse::~frmBrowse() {
    for (HICON icon : m_folderIcons) {
        if (icon)
            DestroyIcon(icon);
    }
}

void frmBrowse::exec() {
    if (!window())
        create();
    findMods();
    runModal(window(), m_owner);
}

void frmBrowse::create() {
    createWindow(BrowseDesign::Window, m_owner);
    addControls(BrowseDesign::Controls);
    setDefaultButton(cmdOk);
    for (const std::string& root : m_places.roots)
        SendMessageW(control(Drive1), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(root).c_str()));
    SetWindowSubclass(control(lstMods), modsListProc, 0, reinterpret_cast<DWORD_PTR>(this));
    Form_Load();
}

std::optional<LRESULT> frmBrowse::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID != static_cast<UINT>(dirBrowse) && item.CtlID != static_cast<UINT>(Drive1))
            return std::nullopt;
        drawRow(item);
        return TRUE;
    }
    if (message != WM_COMMAND)
        return std::nullopt;
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (id == IDOK)
        onEnter();
    else if (id == IDCANCEL)
        cmdCancel_Click();
    else if (id == Drive1 && code == CBN_SELCHANGE)
        Drive1_Change();
    else if (id == dirBrowse && code == LBN_DBLCLK)
        openSelectedFolder();
    else if (id == cmdOk && code == BN_CLICKED)
        cmdOk_Click();
    else if (id == cmdCancel && code == BN_CLICKED)
        cmdCancel_Click();
    return 0;
}

void frmBrowse::Form_Load() {
    const std::string start = browseStartFolder(m_places.home, m_places.workingFolder);
    if (!openFolder(start) && start != m_places.workingFolder)
        openFolder(m_places.workingFolder);
    setWindowText(control(txtPath), m_path);
}

void frmBrowse::Drive1_Change() {
    const LRESULT index = SendMessageW(control(Drive1), CB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= m_places.roots.size())
        return;
    if (!openFolder(m_places.roots[static_cast<std::size_t>(index)]))
        selectDriveOf(m_path);
}

void frmBrowse::dirBrowse_Change() {
    setWindowText(control(txtPath), m_path);
}

void frmBrowse::cmdOk_Click() {
    if (m_setModFolder)
        m_setModFolder(windowText(control(txtPath)));
    ShowWindow(window(), SW_HIDE);
}

void frmBrowse::cmdCancel_Click() {
    ShowWindow(window(), SW_HIDE);
}

// Enter opens the folder selected in the folder list and chooses the mod selected in the list of
// mods; anywhere else it presses the focused button, or Ok.
void frmBrowse::onEnter() {
    HWND focus = GetFocus();
    if (focus == control(dirBrowse)) {
        openSelectedFolder();
        return;
    }
    if (focus == control(lstMods)) {
        lstMods_Choose(static_cast<int>(SendMessageW(focus, LB_GETCURSEL, 0, 0)));
        return;
    }
    if (enterButton() == cmdCancel)
        cmdCancel_Click();
    else
        cmdOk_Click();
}

// Looked for again at each showing, so a mod installed while the program runs is listed. Only this
// list changes: the remembered mod folders are the save's alone.
void frmBrowse::findMods() {
    const InstalledMods installed = findInstalledMods(m_places.steamFolders);
    m_mods = installed.mods;
    HWND list = control(lstMods);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& row : modListRows(m_mods))
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(row).c_str()));
    // A library list that could not be read leaves mods out: the note below the rows says so.
    const std::string note = modListNote(installed);
    setWindowText(control(lblNoMods), note);
    const ModListFace face = modListFace(m_mods.size(), note);
    placeTwips(list, face.rows, dpi());
    placeTwips(control(lblNoMods), face.note, dpi());
    ShowWindow(list, face.showRows ? SW_SHOWNA : SW_HIDE);
    ShowWindow(control(lblNoMods), face.showNote ? SW_SHOWNA : SW_HIDE);
}

// As if the person had opened the mod's folder in the folder list and pressed Ok; a folder that cannot
// be opened is reported and nothing is confirmed.
void frmBrowse::lstMods_Choose(int row) {
    if (!IsWindowVisible(window()) || row < 0 || static_cast<std::size_t>(row) >= m_mods.size())
        return;
    if (openFolder(m_mods[static_cast<std::size_t>(row)].folder))
        cmdOk_Click();
}

void frmBrowse::openSelectedFolder() {
    const LRESULT row = SendMessageW(control(dirBrowse), LB_GETCURSEL, 0, 0);
    if (row >= 0 && static_cast<std::size_t>(row) < m_rows.size())
        openFolder(m_rows[static_cast<std::size_t>(row)].folder);
}

bool frmBrowse::openFolder(const std::string& folder) {
    const FolderListing listing = listQuietly(folder);
    if (listing.error) {
        m_dialogs.showMessage(unreadableFolderMessage(folder, listing.error));
        return false;
    }
    showFolder(folder, listing.subfolders);
    selectDriveOf(m_path);
    dirBrowse_Change();
    return true;
}

void frmBrowse::showFolder(const std::string& folder, const std::vector<std::string>& subfolders) {
    m_rows.clear();
    const std::vector<std::string> chain = folderChain(folder);
    for (std::size_t i = 0; i < chain.size(); ++i)
        m_rows.push_back({chain[i], static_cast<int>(i), true});
    for (const std::string& subfolder : subfolders)
        m_rows.push_back({subfolder, static_cast<int>(chain.size()), false});
    HWND list = control(dirBrowse);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const FolderRow& row : m_rows)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(folderLabel(row.folder)).c_str()));
    SendMessageW(list, LB_SETCURSEL, chain.empty() ? static_cast<WPARAM>(-1) : chain.size() - 1, 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    m_path = chain.empty() ? folder : chain.back();
}

void frmBrowse::selectDriveOf(const std::string& folder) {
    if (!m_places.roots.empty())
        SendMessageW(control(Drive1), CB_SETCURSEL, rootIndexFor(m_places.roots, folder), 0);
}

// A row of the folder list or of the drive list: its picture, indented by its depth, and its name,
// white on orange, or on dark where it is selected.
void frmBrowse::drawRow(const DRAWITEMSTRUCT& item) const {
    const bool folders = item.CtlID == static_cast<UINT>(dirBrowse);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    RECT box = item.rcItem;
    FillRect(item.hDC, &box, selected ? palette().dark.get() : palette().orange.get());
    if (item.itemID == static_cast<UINT>(-1))
        return;
    const int icon = dpi().scale(16);
    int left = box.left + dpi().scale(2);
    HICON picture = m_folderIcons[2];
    if (folders && item.itemID < m_rows.size()) {
        const FolderRow& row = m_rows[item.itemID];
        left += row.level * dpi().scale(12);
        picture = m_folderIcons[row.open ? 0 : 1];
    }
    if (picture) {
        DrawIconEx(item.hDC, left, box.top + (box.bottom - box.top - icon) / 2, picture, icon, icon, 0, nullptr,
                   DI_NORMAL);
        left += icon + dpi().scale(4);
    }
    RECT text = box;
    text.left = left;
    const std::wstring name = rowText(item.hwndItem, folders ? LB_GETTEXT : CB_GETLBTEXT, item.itemID);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, White);
    DrawTextW(item.hDC, name.c_str(), static_cast<int>(name.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT))
        DrawFocusRect(item.hDC, &box);
}

// One click on a mod chooses it, as in the other lists of installed things the person knows.
LRESULT CALLBACK frmBrowse::modsListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
    const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
    if (message == WM_LBUTTONUP) {
        const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lParam);
        if (HIWORD(hit) == 0)
            reinterpret_cast<frmBrowse*>(self)->lstMods_Choose(LOWORD(hit));
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, modsListProc, 0);
    }
    return result;
}

} // namespace jukewright::win32
