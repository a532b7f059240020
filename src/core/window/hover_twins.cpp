#include "core/window/hover_twins.h"

#include <algorithm>

namespace jukewright {

bool HoverTwins::pointerOver(std::string_view control) {
    const auto before = m_shown;
    if (std::find(Resets.begin(), Resets.end(), control) != Resets.end())
        hideAll();
    for (std::size_t i = 0; i < Pairs.size(); ++i) {
        if (control == Pairs[i].button)
            m_shown[i] = true;
        if (control == Pairs[i].twin) {
            hideAll();
            m_shown[i] = true;
        }
    }
    return m_shown != before;
}

void HoverTwins::hide(std::string_view twin) {
    for (std::size_t i = 0; i < Pairs.size(); ++i)
        if (twin == Pairs[i].twin)
            m_shown[i] = false;
}

} // namespace jukewright
