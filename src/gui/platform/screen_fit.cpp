#include "gui/platform/screen_fit.h"

#include "core/skin/screen_fit.h"
#include "core/skin/twips.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

namespace jukewright::gui {

void fitToScreen(QMainWindow& window, QWidget& trackList) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const auto height = fittedWindowHeight(pixelsToTwips(screen->availableGeometry().height()));
    QWidget* client = window.centralWidget();
    if (!height || !client)
        return;
    const int overflow = window.menuBar()->sizeHint().height() + client->height() - twipsToPixels(*height);
    if (overflow <= 0)
        return;
    const int listTop = trackList.y();
    const int listBottom = trackList.y() + trackList.height();
    for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->y() >= listBottom)
            control->move(control->x(), control->y() - overflow);
        else if (control->y() <= listTop && control->y() + control->height() >= listBottom)
            control->resize(control->width(), control->height() - overflow); // the list and its background
    }
    client->setFixedHeight(client->height() - overflow);
}

} // namespace jukewright::gui
