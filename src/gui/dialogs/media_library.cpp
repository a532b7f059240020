#include "gui/dialogs/media_library.h"

#include "core/library/library_catalog.h"
#include "core/system/music_folder.h"
#include "core/window/media_library_design.h"
#include "gui/dialogs/dialog_look.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolTip>
#include <algorithm>
#include <utility>

namespace jukewright::gui {

namespace {

using Design = MediaLibraryDesign;

QListWidget* makeList(QWidget* window, const ControlDesign& design) {
    auto* list = makeControl<QListWidget>(window, design);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->installEventFilter(window);
    list->viewport()->installEventFilter(window);
    return list;
}

} // namespace

frmMediaLib::frmMediaLib(LibraryCatalog& catalog, AddTracks addTracks, QWidget* parent)
    : QWidget(parent, Qt::Window), m_catalog(catalog), m_addTracks(std::move(addTracks)),
      lstArtists(makeList(this, Design::lstArtists)), lstAlbums(makeList(this, Design::lstAlbums)),
      lblScanStatus(makeControl<QLabel>(this, Design::lblScanStatus)),
      cmdRefresh(makeControl<QPushButton>(this, Design::cmdRefresh)), m_artists(lstArtists), m_albums(lstAlbums) {
    shapeDialog(this, Design::Window);
    makeControl<QLabel>(this, Design::lblArtists);
    makeControl<QLabel>(this, Design::lblAlbums);
    // A single click only picks: tracks are added by a double click or Enter alone.
    connect(lstArtists, &QListWidget::currentRowChanged, this, &frmMediaLib::lstArtists_Click);
    connect(lstArtists, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { lstArtists_DblClick(lstArtists->row(item)); });
    connect(lstAlbums, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { lstAlbums_DblClick(lstAlbums->row(item)); });
    connect(cmdRefresh, &QPushButton::clicked, this, &frmMediaLib::cmdRefresh_Click);
}

void frmMediaLib::showCatalog() {
    m_artists.show(m_catalog.artistRows(), m_catalog.selectedArtistRow());
    showAlbums();
    showStatus();
}

// The album picked stays picked while the list grows around it.
void frmMediaLib::showAlbums() {
    const int picked = m_albums.currentRow();
    const std::string pickedAlbum = picked >= 0 ? m_albums.row(picked) : std::string();
    std::vector<std::string> rows = m_catalog.albumRows();
    const auto found = picked >= 0 ? std::ranges::find(rows, pickedAlbum) : rows.end();
    const int current = found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
    m_albums.show(std::move(rows), current);
}

// One line: a long one loses its end, and its tip holds it whole.
void frmMediaLib::showStatus() {
    const QString line = QString::fromStdString(m_catalog.statusLine());
    lblScanStatus->setText(lblScanStatus->fontMetrics().elidedText(line, Qt::ElideRight, lblScanStatus->width()));
    lblScanStatus->setToolTip(line);
}

bool frmMediaLib::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        for (QListWidget* list : {lstArtists, lstAlbums})
            if (watched == list->viewport())
                return showFullRow(*list, *static_cast<QHelpEvent*>(event));
    if (event->type() == QEvent::KeyPress && (watched == lstArtists || watched == lstAlbums)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == lstArtists)
                lstArtists_DblClick(lstArtists->currentRow());
            else
                lstAlbums_DblClick(lstAlbums->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A row too long for its list is cut short; its tip shows it whole.
bool frmMediaLib::showFullRow(const QListWidget& list, const QHelpEvent& help) {
    const QListWidgetItem* item = list.itemAt(help.pos());
    const bool cut = item && list.fontMetrics().horizontalAdvance(item->text()) > list.viewport()->width() - 8;
    if (cut)
        QToolTip::showText(help.globalPos(), item->text(), list.viewport());
    else
        QToolTip::hideText();
    return true;
}

void frmMediaLib::lstArtists_Click(int row) {
    m_catalog.selectArtist(row);
    showAlbums();
}

void frmMediaLib::lstArtists_DblClick(int row) {
    if (row >= 0)
        m_addTracks(m_catalog.artistTracks(row));
}

void frmMediaLib::lstAlbums_DblClick(int row) {
    if (row >= 0)
        m_addTracks(m_catalog.albumTracks(row));
}

void frmMediaLib::cmdRefresh_Click() {
    m_catalog.refresh(musicFolder());
    showCatalog();
}

} // namespace jukewright::gui
