#pragma once

#include "core/skin/twips.h"

#include <QRect>
#include <QSize>

namespace jukewright::gui {

// The designed twips of a control as the logical pixels Qt places it by.
inline QRect toPixels(const TwipsRect& place) {
    return {twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
            twipsToPixels(place.height)};
}

inline QSize toPixels(const TwipsSize& size) {
    return {twipsToPixels(size.width), twipsToPixels(size.height)};
}

} // namespace jukewright::gui
