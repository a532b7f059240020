#include "gui/main_window/playlist_rows.h"

#include "core/window/dialogs.h"

#include <QListWidget>
#include <QTimer>

namespace jukewright::gui {

void PlaylistRows::showMessage(const Message& message) {
    m_parts.dialogs.showMessage(message);
}

void PlaylistRows::clearRows() {
    m_pendingRows.clear();
    m_parts.lstPlaylist->clear();
    m_selectionKnown = false;
}

void PlaylistRows::appendRow(const std::string& text) {
    // Whoever appends without looking at the list afterwards still sees the rows when the events run.
    if (m_pendingRows.isEmpty())
        QTimer::singleShot(0, m_parts.lstPlaylist, [this] { flushRows(); });
    m_pendingRows << QString::fromStdString(text);
    m_selectionKnown = false;
}

void PlaylistRows::flushRows() const {
    if (m_pendingRows.isEmpty())
        return;
    m_parts.lstPlaylist->addItems(m_pendingRows);
    m_pendingRows.clear();
}

int PlaylistRows::rowCount() const {
    flushRows();
    return m_parts.lstPlaylist->count();
}

// Read once per command: asking the list row by row costs a search of its selection for every row.
const std::vector<bool>& PlaylistRows::selection() const {
    flushRows();
    if (!m_selectionKnown) {
        m_selection.assign(static_cast<std::size_t>(m_parts.lstPlaylist->count()), false);
        for (const QItemSelectionRange& range : m_parts.lstPlaylist->selectionModel()->selection())
            for (int row = range.top(); row <= range.bottom(); ++row)
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
    m_parts.lstPlaylist->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    m_selectionKnown = false;
}

} // namespace jukewright::gui
