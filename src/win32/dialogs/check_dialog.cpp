#include "win32/dialogs/check_dialog.h"

#include "core/window/check_design.h"
#include "win32/kit/modal_loop.h"
#include "win32/kit/wide_text.h"
#include "win32/kit/window_text.h"

#include <algorithm>
#include <commctrl.h>

namespace jukewright::win32 {

namespace {

constexpr int lblFolder = designedId(CheckDesign::Controls, "lblFolder");
constexpr int lstResults = designedId(CheckDesign::Controls, "lstResults");
constexpr int lblSummary = designedId(CheckDesign::Controls, "lblSummary");
constexpr int cmdClose = designedId(CheckDesign::Controls, "cmdClose");

constexpr UINT RowText = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

} // namespace

frmCheck::frmCheck(const std::string& modFolder, const std::vector<CheckResult>& results, HWND owner)
    : m_owner(owner), m_modFolder(modFolder),
      m_results(results), m_icons{LoadIconW(nullptr, IDI_INFORMATION), LoadIconW(nullptr, IDI_WARNING),
                                  LoadIconW(nullptr, IDI_ERROR)} {}

void frmCheck::exec() {
    if (!window())
        create();
    runModal(window(), m_owner);
}

void frmCheck::create() {
    using Design = CheckDesign;
    createWindow(Design::Window, m_owner);
    // A deep folder loses its middle, never the mod's name at its end; the tip holds it whole.
    HWND folder = addControl(lblFolder, Design::lblFolder, SS_PATHELLIPSIS | SS_NOTIFY);
    setWindowText(folder, checkedFolderLine(m_modFolder));
    addTip(folder, checkedFolderLine(m_modFolder));
    HWND list = addControl(lstResults, Design::lstResults, LBS_NOSEL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS);
    for (const CheckResult& result : m_results)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(checkResultRow(result)).c_str()));
    setWindowText(addControl(lblSummary, Design::lblSummary), checkSummary(m_results));
    addControl(cmdClose, Design::cmdClose);
    setDefaultButton(cmdClose);
}

void frmCheck::addTip(HWND control, const std::string& text) const {
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    std::wstring wideText = wide(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = wideText.data();
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::optional<LRESULT> frmCheck::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlID != static_cast<UINT>(lstResults))
            return std::nullopt;
        measureRow(item);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID != static_cast<UINT>(lstResults))
            return std::nullopt;
        drawRow(item);
        return TRUE;
    }
    case WM_COMMAND:
        // Enter, Esc and Close all end the window.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == cmdClose)
            destroyWindow();
        return 0;
    default:
        return std::nullopt;
    }
}

// Where a row's text goes inside a row whose top is 0: right of its picture, within the list less its
// frame and its scroll bar, wrapped at words.
RECT frmCheck::textBox() const {
    const int margin = dpi().scale(3);
    const int width = dpi().twips(CheckDesign::lstResults.place.width) - dpi().scale(4) -
                      GetSystemMetricsForDpi(SM_CXVSCROLL, dpi().value());
    return {dpi().scale(16) + 2 * margin, margin, width - margin, margin};
}

void frmCheck::measureRow(MEASUREITEMSTRUCT& item) const {
    if (item.itemID >= m_results.size())
        return;
    HWND list = control(lstResults);
    RECT box = textBox();
    const std::wstring text = wide(checkResultRow(m_results[item.itemID]));
    HDC dc = GetDC(list);
    HGDIOBJ previous = SelectObject(dc, font().get());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, RowText | DT_CALCRECT);
    SelectObject(dc, previous);
    ReleaseDC(list, dc);
    item.itemHeight = static_cast<UINT>(std::max<LONG>(box.bottom + dpi().scale(3), dpi().scale(22)));
}

void frmCheck::drawRow(const DRAWITEMSTRUCT& item) const {
    if (item.itemID >= m_results.size())
        return;
    FillRect(item.hDC, &item.rcItem, palette().orange.get());
    const CheckResult& result = m_results[item.itemID];
    const int margin = dpi().scale(3), icon = dpi().scale(16);
    HICON picture = m_icons[static_cast<std::size_t>(result.severity)];
    if (picture)
        DrawIconEx(item.hDC, item.rcItem.left + margin, item.rcItem.top + margin, picture, icon, icon, 0, nullptr,
                   DI_NORMAL);
    RECT box = textBox();
    box.top += item.rcItem.top;
    box.bottom = item.rcItem.bottom;
    const std::wstring text = wide(checkResultRow(result));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, White);
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &box, RowText);
}

} // namespace jukewright::win32
