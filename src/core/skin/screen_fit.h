#pragma once

#include <optional>

namespace jukewright {

// Start-up's screen check: a screen less than 11600 twips high gets a main window 11190 twips high;
// on any other screen the window keeps its designed size (no answer).
inline constexpr int MinimumScreenHeight = 11600;
inline constexpr int ReducedWindowHeight = 11190;

constexpr std::optional<int> fittedWindowHeight(int screenHeightTwips) {
    if (screenHeightTwips < MinimumScreenHeight)
        return ReducedWindowHeight;
    return std::nullopt;
}

} // namespace jukewright
