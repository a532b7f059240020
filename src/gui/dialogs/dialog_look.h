#pragma once

#include "core/skin/twips.h"

#include <QFont>
#include <QString>

class QWidget;

namespace jukewright::gui {

// Places a control at its designed twips.
void placeTwips(QWidget* control, const TwipsRect& place);
// Names a control (tests and styles find it by that name) and places it at its designed twips.
template <class Control> Control* named(Control* control, const char* name, const TwipsRect& place) {
    control->setObjectName(QString::fromLatin1(name));
    placeTwips(control, place);
    return control;
}
// A dialog of the designed client size that the person cannot resize, orange with white text.
void shapeDialog(QWidget* dialog, const TwipsSize& clientArea);

// The dialogs' designed faces, with the faces to use where the system lacks them.
QFont arialFont(qreal pointSize);
QFont lucidaConsoleFont(qreal pointSize);

} // namespace jukewright::gui
