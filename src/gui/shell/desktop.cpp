#include "gui/shell/desktop.h"

#include <QDesktopServices>

namespace jukewright::gui {

bool QtDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace jukewright::gui
