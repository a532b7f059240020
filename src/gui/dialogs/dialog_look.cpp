#include "gui/dialogs/dialog_look.h"

#include "core/layout/twips.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace jukewright::gui {

QRect pixelRect(const TwipsRect& twips) {
    return {twipsToPixels(twips.left), twipsToPixels(twips.top), twipsToPixels(twips.width),
            twipsToPixels(twips.height)};
}

void placeTwips(QWidget* control, const TwipsRect& twips) {
    control->setGeometry(pixelRect(twips));
}

void fixTwipsSize(QWidget* window, int widthTwips, int heightTwips) {
    window->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

void paintOrange(QWidget* window) {
    const QColor orange(246, 145, 16);
    QPalette palette = window->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, orange);
        palette.setColor(group, QPalette::Base, orange);
        palette.setColor(group, QPalette::AlternateBase, orange);
        palette.setColor(group, QPalette::Button, orange);
        palette.setColor(group, QPalette::WindowText, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::white);
    }
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

QFont designFont(const QStringList& families, qreal pointSize) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    return font;
}

QFont arialFont(qreal pointSize) {
    QFont font = designFont({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                            pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont lucidaConsoleFont(qreal pointSize) {
    QFont font = designFont(
        {QStringLiteral("Lucida Console"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")},
        pointSize);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace jukewright::gui
