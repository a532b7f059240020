#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

class QWidget;

namespace jukewright::gui {

// A control's designed place in twips: left, top, width, height.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

QRect pixelRect(const TwipsRect& twips);
void placeTwips(QWidget* control, const TwipsRect& twips);
// A window of the designed client size that the person cannot resize.
void fixTwipsSize(QWidget* window, int widthTwips, int heightTwips);

// The program's orange with white text on the window, its boxes and lists; buttons orange too.
void paintOrange(QWidget* window);

// A designed font with the faces to use where the system lacks it.
QFont designFont(const QStringList& families, qreal pointSize);
QFont arialFont(qreal pointSize);
QFont lucidaConsoleFont(qreal pointSize);

} // namespace jukewright::gui
