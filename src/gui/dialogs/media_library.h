#pragma once

#include "gui/widgets/refilled_list.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QHelpEvent;
class QLabel;
class QListWidget;
class QPushButton;

namespace jukewright {
class LibraryCatalog;
}

namespace jukewright::gui {

// The media library window: artists and albums side by side, as the catalog has them so far, and the
// scan's status line. Picking an artist shows its albums; a double click or Enter on an album or an
// artist hands its tracks to the main window. Not modal. The catalog outlives the window, so a window
// opened again shows what was read before.
class frmMediaLib : public QWidget {
    Q_OBJECT

public:
    using AddTracks = std::function<void(const std::vector<std::string>&)>;

    frmMediaLib(LibraryCatalog& catalog, AddTracks addTracks, QWidget* parent = nullptr);

    // Shows the catalog as it is now: called on opening and whenever the scan brought news.
    void showCatalog();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAlbums();
    void showStatus();
    static bool showFullRow(const QListWidget& list, const QHelpEvent& help);

    void lstArtists_Click(int row);
    void lstArtists_DblClick(int row);
    void lstAlbums_DblClick(int row);
    void cmdRefresh_Click();

    LibraryCatalog& m_catalog;
    AddTracks m_addTracks;
    QListWidget* lstArtists;
    QListWidget* lstAlbums;
    QLabel* lblScanStatus;
    QPushButton* cmdRefresh;
    RefilledList m_artists;
    RefilledList m_albums;
};

} // namespace jukewright::gui
