#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace jukewright::gui {

// Every window of the program is orange with white text.
inline const QColor Orange{246, 145, 16};

inline void paintOrange(QWidget& widget) {
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, Orange);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace jukewright::gui
