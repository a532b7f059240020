#include "win32/kit/list_rows.h"

#include "win32/kit/wide_text.h"

#include <algorithm>

namespace jukewright::win32 {

namespace {

void refill(HWND list, const std::vector<std::string>& shown, const std::vector<std::string>& rows) {
    const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    const std::string topRow =
        top >= 0 && static_cast<std::size_t>(top) < shown.size() ? shown[static_cast<std::size_t>(top)] : std::string();
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& row : rows)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(row).c_str()));
    const auto found = std::ranges::find(rows, topRow);
    if (found != rows.end())
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(found - rows.begin()), 0);
}

} // namespace

void showListRows(HWND list, std::vector<std::string>& shown, std::vector<std::string> rows, int selected) {
    const bool changed = rows != shown;
    const bool fresh = shown.empty();
    if (changed) {
        refill(list, shown, rows);
        shown = std::move(rows);
    }
    if (selectedListRow(list) != selected) {
        // Selecting a row scrolls it into view; a list already shown keeps the place the person
        // scrolled to.
        const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        if (!fresh)
            SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    }
    if (changed) {
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
}

int selectedListRow(HWND list) {
    const LRESULT row = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? -1 : static_cast<int>(row);
}

} // namespace jukewright::win32
