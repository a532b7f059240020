#include "gui/dialogs/media_library.h"

#include "gui/widgets/window_colours.h"

#include <QLabel>
#include <QListWidget>

namespace jukewright::gui {

namespace {

void addColumn(QWidget* window, const QString& caption, const char* listName, int left) {
    auto* label = new QLabel(caption, window);
    label->setGeometry(left, 12, 220, 18);
    auto* list = new QListWidget(window);
    list->setObjectName(QString::fromLatin1(listName));
    list->setGeometry(left, 32, 220, 280);
}

} // namespace

frmMediaLib::frmMediaLib(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmMediaLib"));
    setWindowTitle(QStringLiteral("Jukewright - Windows Media Libary"));
    setFixedSize(472, 324);
    paintOrange(*this);
    addColumn(this, QStringLiteral("Artists:"), "lstArtists", 12);
    addColumn(this, QStringLiteral("Albums:"), "lstAlbums", 240);
}

} // namespace jukewright::gui
