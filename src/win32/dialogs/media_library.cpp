#include "win32/dialogs/media_library.h"

#include "core/window/media_library_design.h"
#include "win32/kit/list_rows.h"
#include "win32/kit/wide_text.h"
#include "win32/kit/window_text.h"

#include <algorithm>
#include <commctrl.h>
#include <utility>

namespace jukewright::win32 {

namespace {

constexpr int lstArtists = designedId(MediaLibraryDesign::Controls, "lstArtists");
constexpr int lstAlbums = designedId(MediaLibraryDesign::Controls, "lstAlbums");
constexpr int lblScanStatus = designedId(MediaLibraryDesign::Controls, "lblScanStatus");
constexpr int cmdRefresh = designedId(MediaLibraryDesign::Controls, "cmdRefresh");

// Whether a row's text fits the width of its list, less the margin.
bool fitsIn(HWND list, const std::wstring& text, int margin) {
    RECT client{};
    GetClientRect(list, &client);
    HDC dc = GetDC(list);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(list, dc);
    return size.cx <= client.right - margin;
}

} // namespace

frmMediaLib::frmMediaLib(Parts parts, HWND owner) : m_parts(std::move(parts)), m_owner(owner) {}

void frmMediaLib::show() {
    if (!window())
        create();
    m_parts.catalog.open(m_parts.musicFolder());
    m_parts.catalog.takeNews();
    showCatalog();
    ShowWindow(window(), SW_SHOW);
    if (IsIconic(window()))
        ShowWindow(window(), SW_RESTORE);
    SetForegroundWindow(window());
}

void frmMediaLib::create() {
    createWindow(MediaLibraryDesign::Window, m_owner, DialogStyle | WS_MINIMIZEBOX);
    addControls(MediaLibraryDesign::Controls);
    m_artistRows.clear();
    m_albumRows.clear();
    m_tipRow = -1;
    for (int list : {lstArtists, lstAlbums})
        SetWindowSubclass(control(list), listProc, 0, reinterpret_cast<DWORD_PTR>(this));
    // One line: a long one loses its end, and its tip holds it whole.
    HWND status = control(lblScanStatus);
    SetWindowLongPtrW(status, GWL_STYLE, GetWindowLongPtrW(status, GWL_STYLE) | SS_ENDELLIPSIS | SS_NOTIFY);
    createTips();
}

// Tips whose text is asked for when they show: the whole status line, and a row too long for its list.
void frmMediaLib::createTips() {
    m_tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_tips, TTM_SETMAXTIPWIDTH, 0, dpi().scale(600));
    for (int tipped : {lblScanStatus, lstArtists, lstAlbums}) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window();
        tool.uId = reinterpret_cast<UINT_PTR>(control(tipped));
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(m_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The text of the tip about to show; none for a row that fits its list.
void frmMediaLib::tipText(NMTTDISPINFOW& tip) {
    const auto over = reinterpret_cast<HWND>(tip.hdr.idFrom);
    m_tip.clear();
    if (over == control(lblScanStatus)) {
        m_tip = wide(m_parts.catalog.statusLine());
    } else if (m_tipRow >= 0) {
        const std::vector<std::string>& rows = over == control(lstArtists) ? m_artistRows : m_albumRows;
        const std::wstring row =
            static_cast<std::size_t>(m_tipRow) < rows.size() ? wide(rows[static_cast<std::size_t>(m_tipRow)]) : L"";
        if (!fitsIn(over, row, dpi().scale(4)))
            m_tip = row;
    }
    tip.lpszText = m_tip.data();
}

void frmMediaLib::showCatalog() {
    if (!window())
        return;
    const LibraryCatalog& catalog = m_parts.catalog;
    showListRows(control(lstArtists), m_artistRows, catalog.artistRows(), catalog.selectedArtistRow());
    // The album picked stays picked while it is listed.
    const int pickedRow = selectedListRow(control(lstAlbums));
    const std::string picked = pickedRow >= 0 && static_cast<std::size_t>(pickedRow) < m_albumRows.size()
                                   ? m_albumRows[static_cast<std::size_t>(pickedRow)]
                                   : "";
    std::vector<std::string> albums = catalog.albumRows();
    const auto found = std::ranges::find(albums, picked);
    const int album = picked.empty() || found == albums.end() ? -1 : static_cast<int>(found - albums.begin());
    showListRows(control(lstAlbums), m_albumRows, std::move(albums), album);
    const std::string status = catalog.statusLine();
    if (windowText(control(lblScanStatus)) != status)
        setWindowText(control(lblScanStatus), status);
}

std::optional<LRESULT> frmMediaLib::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TTN_GETDISPINFOW) {
        tipText(*reinterpret_cast<NMTTDISPINFOW*>(lParam));
        return 0;
    }
    if (message != WM_COMMAND)
        return std::nullopt;
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (id == lstArtists && code == LBN_SELCHANGE)
        lstArtists_Click();
    else if ((id == lstArtists || id == lstAlbums) && code == LBN_DBLCLK)
        chooseRow(control(id));
    else if (id == cmdRefresh && code == BN_CLICKED)
        cmdRefresh_Click();
    else if (id == IDOK && enterButton() == cmdRefresh)
        cmdRefresh_Click();
    return 0;
}

void frmMediaLib::lstArtists_Click() {
    m_parts.catalog.selectArtist(selectedListRow(control(lstArtists)));
    showCatalog();
}

void frmMediaLib::cmdRefresh_Click() {
    m_parts.catalog.refresh(m_parts.musicFolder());
    showCatalog();
}

void frmMediaLib::chooseRow(HWND list) {
    const int row = selectedListRow(list);
    if (row < 0)
        return;
    const LibraryCatalog& catalog = m_parts.catalog;
    m_parts.addTracks(list == control(lstArtists) ? catalog.artistTracks(row) : catalog.albumTracks(row));
}

// Enter on a list adds the row's tracks, as a double click does; a dialog would take it for its
// default button instead.
LRESULT CALLBACK frmMediaLib::listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self) {
    switch (message) {
    case WM_GETDLGCODE:
        if (lParam && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN)
            return DefSubclassProc(list, message, wParam, lParam) | DLGC_WANTMESSAGE;
        break;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            reinterpret_cast<frmMediaLib*>(self)->chooseRow(list);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\r')
            return 0;
        break;
    case WM_MOUSEMOVE: {
        // A tip belongs to the row under the pointer: another row takes the tip down, to show its own.
        auto& library = *reinterpret_cast<frmMediaLib*>(self);
        const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lParam);
        const int row = HIWORD(hit) == 0 ? LOWORD(hit) : -1;
        if (row != library.m_tipRow) {
            library.m_tipRow = row;
            SendMessageW(library.m_tips, TTM_POP, 0, 0);
        }
        break;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(list, listProc, 0);
        break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

} // namespace jukewright::win32
