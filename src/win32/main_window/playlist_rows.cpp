#include "win32/main_window/playlist_rows.h"

#include "core/window/dialogs.h"
#include "win32/kit/wide_text.h"

namespace jukewright::win32 {

void PlaylistRows::showMessage(const Message& message) {
    m_parts.dialogs.showMessage(message);
}

void PlaylistRows::clearRows() {
    m_rows.clear();
    m_shownRows = 0;
    SendMessageW(m_parts.lstPlaylist, LB_RESETCONTENT, 0, 0);
    m_selectionKnown = false;
}

void PlaylistRows::appendRow(const std::string& text) {
    // Whoever appends without looking at the list afterwards still sees the rows when the messages run.
    if (m_rows.size() == m_shownRows)
        m_parts.flushLater();
    m_rows.push_back(wide(text));
    m_selectionKnown = false;
}

void PlaylistRows::flushRows() const {
    if (m_rows.size() == m_shownRows)
        return;
    SendMessageW(m_parts.lstPlaylist, LB_SETCOUNT, m_rows.size(), 0);
    m_shownRows = m_rows.size();
    InvalidateRect(m_parts.lstPlaylist, nullptr, TRUE);
}

int PlaylistRows::rowCount() const {
    flushRows();
    return static_cast<int>(SendMessageW(m_parts.lstPlaylist, LB_GETCOUNT, 0, 0));
}

// Read once per command: asking the list box row by row costs a message for every row.
const std::vector<bool>& PlaylistRows::selection() const {
    flushRows();
    if (!m_selectionKnown) {
        const auto count = static_cast<std::size_t>(SendMessageW(m_parts.lstPlaylist, LB_GETCOUNT, 0, 0));
        m_selection.assign(count, false);
        const LRESULT selected = SendMessageW(m_parts.lstPlaylist, LB_GETSELCOUNT, 0, 0);
        std::vector<int> rows(selected > 0 ? static_cast<std::size_t>(selected) : 0);
        if (!rows.empty())
            SendMessageW(m_parts.lstPlaylist, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
        for (int row : rows)
            if (row >= 0 && static_cast<std::size_t>(row) < count)
                m_selection[static_cast<std::size_t>(row)] = true;
        m_selectionKnown = true;
    }
    return m_selection;
}

bool PlaylistRows::isRowSelected(int row) const {
    const auto& rows = selection();
    return row >= 0 && static_cast<std::size_t>(row) < rows.size() && rows[static_cast<std::size_t>(row)];
}

void PlaylistRows::selectRow(int row) {
    flushRows();
    HWND list = m_parts.lstPlaylist;
    SendMessageW(list, LB_SETSEL, FALSE, -1);
    SendMessageW(list, LB_SETSEL, TRUE, row);
    SendMessageW(list, LB_SETANCHORINDEX, static_cast<WPARAM>(row), 0);
    SendMessageW(list, LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
    m_selectionKnown = false;
}

} // namespace jukewright::win32
