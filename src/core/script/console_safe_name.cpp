#include "core/script/console_safe_name.h"

#include "core/system/code_page.h"

#include <algorithm>
#include <array>
#include <utf8.h>

namespace jukewright {

namespace {

constexpr std::array<char32_t, 22> DroppedFromFileNames = {
    // spaces and the punctuation the game's scripts have always refused in file names
    U' ', U'\'', U'`', U'=', U'-', U'+', U'_', U'!', U'"', U'\u00A3', U'$', U'%', U'^', U'&', U'*', U'(', U')',
    // the command separator and the characters the console's tokenizer cuts a word at
    U';', U',', U'{', U'}', U':'};

bool isControl(char32_t c) {
    return c <= 0x1F || (c >= 0x7F && c <= 0x9F);
}

template <typename Drop> std::string keepCharacters(std::string_view text, Drop drop) {
    const std::string valid = textFromFile(text);
    std::string result;
    result.reserve(valid.size());
    auto it = valid.begin();
    while (it != valid.end()) {
        const auto start = it;
        const char32_t c = utf8::unchecked::next(it);
        if (!drop(c))
            result.append(start, it);
    }
    return result;
}

} // namespace

std::string ConvertSpaces(std::string_view s_stoconvert) {
    return keepCharacters(s_stoconvert, [](char32_t c) {
        return isControl(c) ||
               std::find(DroppedFromFileNames.begin(), DroppedFromFileNames.end(), c) != DroppedFromFileNames.end();
    });
}

std::string chatSafeName(std::string_view displayName) {
    return keepCharacters(displayName, [](char32_t c) { return isControl(c) || c == U'"' || c == U';'; });
}

} // namespace jukewright
