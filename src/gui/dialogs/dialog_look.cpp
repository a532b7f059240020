#include "gui/dialogs/dialog_look.h"

#include "gui/widgets/twips_geometry.h"
#include "gui/widgets/window_colours.h"

#include <QStringList>
#include <QWidget>

namespace jukewright::gui {

void placeTwips(QWidget* control, const TwipsRect& place) {
    control->setGeometry(toPixels(place));
}

QFont designFont(const FontDesign& design) {
    const bool arial = design.face == FontFace::Arial;
    QFont font;
    font.setFamilies(
        arial ? QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}
              : QStringList{QStringLiteral("Lucida Console"), QStringLiteral("Liberation Mono"),
                            QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(arial ? QFont::SansSerif : QFont::TypeWriter);
    font.setPointSizeF(design.points);
    return font;
}

void shapeDialog(QWidget* dialog, const WindowDesign& design) {
    dialog->setObjectName(fromDesign(design.name));
    dialog->setWindowTitle(fromDesign(design.caption));
    dialog->setFont(designFont(design.font));
    dialog->setFixedSize(toPixels(design.clientArea));
    paintOrange(*dialog);
}

} // namespace jukewright::gui
