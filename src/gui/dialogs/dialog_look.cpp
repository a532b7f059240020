#include "gui/dialogs/dialog_look.h"

#include "gui/widgets/twips_geometry.h"
#include "gui/widgets/window_colours.h"

#include <QStringList>
#include <QWidget>

namespace jukewright::gui {

namespace {

QFont designFont(const QStringList& families, QFont::StyleHint fallback, qreal pointSize) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(fallback);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

void placeTwips(QWidget* control, const TwipsRect& place) {
    control->setGeometry(toPixels(place));
}

void shapeDialog(QWidget* dialog, const TwipsSize& clientArea) {
    dialog->setFixedSize(toPixels(clientArea));
    paintOrange(*dialog);
}

QFont arialFont(qreal pointSize) {
    return designFont({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                      QFont::SansSerif, pointSize);
}

QFont lucidaConsoleFont(qreal pointSize) {
    return designFont(
        {QStringLiteral("Lucida Console"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")},
        QFont::TypeWriter, pointSize);
}

} // namespace jukewright::gui
