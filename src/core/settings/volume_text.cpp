#include "core/settings/volume_text.h"

#include <algorithm>

namespace jukewright {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a volume text from its start and remembers the longest start that is in range. The whole
// part is capped once it passes 100, so a pasted text of any length costs one pass.
class VolumeScanner {
public:
    // False once no longer start of the text can be in range again.
    bool take(char c) {
        if (c == '.') {
            if (m_seenDot)
                return false;
            m_seenDot = true;
        } else if (!isDigit(c)) {
            return false;
        } else if (m_seenDot) {
            m_anyDigit = true;
            m_fractionNonZero = m_fractionNonZero || c != '0';
        } else {
            m_anyDigit = true;
            m_whole = std::min(m_whole * 10 + (c - '0'), 1000);
        }
        return m_whole < 100 || (m_whole == 100 && !m_fractionNonZero);
    }
    // A "." alone is no number yet.
    bool inRange() const { return m_anyDigit; }

private:
    bool m_seenDot = false;
    bool m_anyDigit = false;
    bool m_fractionNonZero = false;
    int m_whole = 0;
};

} // namespace

std::string validvolume(std::string_view text) {
    VolumeScanner scanner;
    std::size_t longest = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!scanner.take(text[i]))
            break;
        if (scanner.inRange())
            longest = i + 1;
    }
    return std::string(text.substr(0, longest));
}

bool isVolumeText(std::string_view text) {
    return validvolume(text).size() == text.size();
}

std::optional<std::int16_t> volumeFromText(std::string_view text) {
    if (text.empty() || !isVolumeText(text))
        return std::nullopt;
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
    int value = 0;
    for (char c : whole)
        value = value * 10 + (c - '0'); // at most 100 once leading zeros are passed
    if (!fraction.empty()) {
        const int first = fraction.front() - '0';
        const bool moreThanHalf = fraction.find_first_not_of('0', 1) != std::string_view::npos;
        if (first > 5 || (first == 5 && (moreThanHalf || value % 2 == 1)))
            ++value;
    }
    return static_cast<std::int16_t>(value);
}

std::string volumeText(std::int16_t volume) {
    return std::to_string(volume);
}

VolumeBoxes volumeBoxes(const AppState& state) {
    return {volumeText(state.Mp3Volume), volumeText(state.GameVolume)};
}

VolumeBoxes applyVolumeBoxes(AppState& state, const VolumeBoxes& boxes) {
    const auto apply = [](std::int16_t& volume, const std::string& text) {
        if (const auto value = volumeFromText(text)) {
            volume = *value;
            return text;
        }
        return volumeText(volume);
    };
    VolumeBoxes after;
    after.mp3 = apply(state.Mp3Volume, boxes.mp3);
    after.game = apply(state.GameVolume, boxes.game);
    return after;
}

} // namespace jukewright
