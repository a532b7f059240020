#pragma once

#include "core/window/dialog_design.h"

#include <QFont>
#include <QString>
#include <string_view>
#include <type_traits>

class QWidget;

namespace jukewright::gui {

inline QString fromDesign(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Places a control at its designed twips.
void placeTwips(QWidget* control, const TwipsRect& place);
// The designed face, or the face to use where the system lacks it.
QFont designFont(const FontDesign& font);

// Names a control as designed (tests and styles find it by that name), places it at its designed
// twips and gives it its own font where it has one.
template <class Control> Control* named(Control* control, const ControlDesign& design) {
    control->setObjectName(fromDesign(design.name));
    placeTwips(control, design.place);
    if (design.ownFont)
        control->setFont(designFont(design.font));
    return control;
}
// Makes a control of the design, with its designed text where it takes one.
template <class Control> Control* makeControl(QWidget* parent, const ControlDesign& design) {
    if constexpr (std::is_constructible_v<Control, QString, QWidget*>)
        return named(new Control(fromDesign(design.caption), parent), design);
    else
        return named(new Control(parent), design);
}
// A window of the design: its name, caption, font and client size, which the person cannot change;
// orange with white text.
void shapeDialog(QWidget* dialog, const WindowDesign& design);

} // namespace jukewright::gui
