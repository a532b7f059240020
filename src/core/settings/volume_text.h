#pragma once

#include "core/app_state.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace jukewright {

// A volume box holds a number from 0 to 100 while it is typed: ASCII digits with at most one "."
// (a "." at the end is allowed, so "50." can be typed on the way to "50.5"), or nothing at all.
bool isVolumeText(std::string_view text);

// The range guard of a volume box: the longest start of the text that is a volume text. Dropping the
// last character until the text fits gives the same, so 507 becomes 50, 950 becomes 95 and 5000
// becomes 50. Works in one pass, whatever the length of a pasted text.
std::string validvolume(std::string_view text);

// The whole number a volume box stands for, halves going to the even neighbour (2.5 gives 2, 3.5
// gives 4, 99.5 gives 100). Nothing for an empty box or a text that is not a volume text.
std::optional<std::int16_t> volumeFromText(std::string_view text);

// The text a box shows for a stored volume: plain decimal.
std::string volumeText(std::int16_t volume);

// The two boxes of the options dialog.
struct VolumeBoxes {
    std::string mp3;
    std::string game;

    bool operator==(const VolumeBoxes&) const = default;
};

// What the boxes show for the stored volumes.
VolumeBoxes volumeBoxes(const AppState& state);

// Takes each box to its whole number and stores it in the state; a box that stands for no number
// keeps the previous volume, and shows it again. Returns the boxes' texts after the apply.
VolumeBoxes applyVolumeBoxes(AppState& state, const VolumeBoxes& boxes);

} // namespace jukewright
