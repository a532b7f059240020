#pragma once

#include "core/playlist/playlist_view.h"

#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class QListWidget;

namespace jukewright {
class Dialogs;
}

namespace jukewright::gui {

// The track list as the core's track commands see it: the list widget of the main window, and the
// standard dialogs for its messages.
class PlaylistRows : public PlaylistView {
public:
    struct Parts {
        Dialogs& dialogs;
        QListWidget* lstPlaylist;
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

    // Rows are appended in batches: the list takes them all at once before anyone looks at it.
    void flushRows() const;

private:
    const std::vector<bool>& selection() const;

    Parts m_parts;
    mutable QStringList m_pendingRows;
    mutable std::vector<bool> m_selection;
    mutable bool m_selectionKnown = false;
};

} // namespace jukewright::gui
