#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace jukewright::gui {

// Every window of the program is orange with white text; what is selected or done shows dark, like
// the skins' button row.
inline const QColor Orange{246, 145, 16};
inline const QColor Dark{52, 36, 26};

inline void paintOrange(QWidget& widget) {
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, Orange);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Highlight, Dark);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace jukewright::gui
