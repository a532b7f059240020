#include "gui/dialogs/media_library.h"

#include "core/window/media_library_design.h"
#include "gui/dialogs/dialog_look.h"

#include <QLabel>
#include <QListWidget>

namespace jukewright::gui {

frmMediaLib::frmMediaLib(QWidget* parent) : QWidget(parent, Qt::Window) {
    using Design = MediaLibraryDesign;
    shapeDialog(this, Design::Window);
    makeControl<QLabel>(this, Design::lblArtists);
    makeControl<QListWidget>(this, Design::lstArtists);
    makeControl<QLabel>(this, Design::lblAlbums);
    makeControl<QListWidget>(this, Design::lstAlbums);
}

} // namespace jukewright::gui
