#pragma once

#include "core/playlist/playlist_view.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace jukewright {
class Dialogs;
}

namespace jukewright::win32 {

// The track list as the core's track commands see it: the main window's list box, whose messages have
// the window as their owner. The list box keeps only the count and the selection (LBS_NODATA) and
// draws the texts kept here, so ten thousand rows go in at once.
class PlaylistRows : public PlaylistView {
public:
    struct Parts {
        Dialogs& dialogs;
        HWND lstPlaylist;
        // Asks the window to flush the rows once the messages queued now have run.
        std::function<void()> flushLater;
        std::function<void()> hideHoverImages;
    };

    explicit PlaylistRows(Parts parts) : m_parts(std::move(parts)) {}

    void showMessage(const Message& message) override;
    void clearRows() override;
    void appendRow(const std::string& text) override;
    int rowCount() const override;
    bool isRowSelected(int row) const override;
    void selectRow(int row) override;
    void hideHoverImages() override { m_parts.hideHoverImages(); }

    // Rows are appended in batches: the list box takes them all at once, drawn once, before anyone
    // looks at it.
    void flushRows() const;
    // The person changed the selection.
    void selectionChanged() { m_selectionKnown = false; }
    // The text of a row the list box shows ("" past the end); it holds no texts of its own.
    std::wstring_view rowText(std::size_t row) const { return row < m_rows.size() ? m_rows[row] : std::wstring_view(); }

private:
    const std::vector<bool>& selection() const;

    Parts m_parts;
    // The rows the list box counts and draws, and those appended since it last counted.
    mutable std::vector<std::wstring> m_rows;
    mutable std::size_t m_shownRows = 0;
    mutable std::vector<bool> m_selection;
    mutable bool m_selectionKnown = false;
};

} // namespace jukewright::win32
