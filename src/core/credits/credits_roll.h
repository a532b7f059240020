#pragma once

#include "core/credits/credit_pair.h"

#include <string>

namespace jukewright {

// The about window's credit labels in twips: where a pair enters and where it leaves.
struct CreditsGeometry {
    int outerHeight = 6450;   // the window's designed height: a pair enters with its lower edge here
    int positionHeight = 375; // the role label
    int nameHeight = 1335;    // the name label
    int leaveAbove = 2250;    // a pair whose top has risen above this makes way for the next
    int stepPerTick = 20;

    int startTop() const { return outerHeight - (positionHeight + nameHeight); }
};

// The credits roll: a pair rises from the bottom a step per tick, vanishes for one tick once its top
// passes above the limit, and the next pair enters from the bottom. The labels show nothing before
// the first tick. Qt-free, so the stepping is tested without a clock.
class CreditsRoll {
public:
    // Takes the first pair at once; the labels stay hidden until the first tick.
    CreditsRoll(CreditSource& source, CreditsGeometry geometry = {});

    void tick();

    bool visible() const { return m_visible; }
    const std::string& positionText() const { return m_shown.position; }
    const std::string& nameText() const { return m_shown.name; }
    int positionTop() const { return m_positionTop; }
    int nameTop() const { return m_positionTop + m_geometry.positionHeight; }

private:
    CreditSource& m_source;
    CreditsGeometry m_geometry;
    CreditPair m_next;  // the pair read last, shown from the next tick on
    CreditPair m_shown; // what the labels hold
    int m_positionTop;
    bool m_visible = false;
};

} // namespace jukewright
