#include "core/credits/credits_roll.h"

namespace jukewright {

CreditsRoll::CreditsRoll(CreditSource& source, CreditsGeometry geometry)
    : m_source(source), m_geometry(geometry), m_positionTop(geometry.startTop()) {
    m_next = m_source.nextPair();
    m_shown = m_next;
}

void CreditsRoll::tick() {
    m_shown = m_next;
    m_visible = true;
    // A top of exactly the limit still moves once more.
    if (m_positionTop < m_geometry.leaveAbove) {
        m_visible = false;
        m_positionTop = m_geometry.startTop();
        m_next = m_source.nextPair();
    }
    m_positionTop -= m_geometry.stepPerTick;
}

} // namespace jukewright
