#pragma once

#include "core/layout/twips.h"

#include <QFont>

class QWidget;

namespace jukewright::gui {

// Places a control at its designed twips.
void placeTwips(QWidget* control, const TwipsRect& place);
// A dialog of the designed client size that the person cannot resize, orange with white text.
void shapeDialog(QWidget* dialog, const TwipsSize& clientArea);

// The dialogs' designed faces, with the faces to use where the system lacks them.
QFont arialFont(qreal pointSize);
QFont lucidaConsoleFont(qreal pointSize);

} // namespace jukewright::gui
