#include "core/script/console_safe_name.h"

#include "core/system/code_page.h"
#include "core/system/transliteration.h"

#include <algorithm>
#include <array>
#include <utf8.h>

namespace jukewright {

namespace {

constexpr std::array<char32_t, 28> DroppedFromFileNames = {
    // spaces and the punctuation the game's scripts have always refused in file names
    U' ', U'\'', U'`', U'=', U'-', U'+', U'_', U'!', U'"', U'\u00A3', U'$', U'%', U'^', U'&', U'*', U'(', U')',
    // the command separator and the characters the console's tokenizer cuts a word at
    U';', U',', U'{', U'}', U':',
    // separators, and what no Windows file name may hold (a Linux name or a transliteration can bring them)
    U'/', U'\\', U'?', U'<', U'>', U'|'};

bool isControl(char32_t c) {
    return c <= 0x1F || (c >= 0x7F && c <= 0x9F);
}

bool isPrintableAscii(char c) {
    return c >= ' ' && c <= '~';
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

template <typename Drop> std::string keepCharacters(std::string_view text, Drop drop) {
    std::string result;
    result.reserve(text.size());
    // ASCII names, the usual case, need no decoding.
    if (isAscii(text)) {
        for (const char c : text)
            if (!drop(static_cast<char32_t>(c)))
                result += c;
        return result;
    }
    const std::string valid = textFromFile(text);
    auto it = valid.begin();
    while (it != valid.end()) {
        const auto start = it;
        const char32_t c = utf8::unchecked::next(it);
        if (!drop(c))
            result.append(start, it);
    }
    return result;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string asciiName(std::string_view displayName) {
    if (std::all_of(displayName.begin(), displayName.end(), isPrintableAscii))
        return std::string(displayName);
    std::string name = transliteratedToAscii(textFromFile(displayName));
    std::erase_if(name, [](char c) { return !isPrintableAscii(c); });
    return name;
}

std::string ConvertSpaces(std::string_view s_stoconvert) {
    std::string name = keepCharacters(s_stoconvert, [](char32_t c) {
        return isControl(c) ||
               std::find(DroppedFromFileNames.begin(), DroppedFromFileNames.end(), c) != DroppedFromFileNames.end();
    });
    // Windows drops dots at the end of a file name, and the copy would not carry the scripted name.
    name.erase(name.find_last_not_of('.') + 1);
    return name;
}

std::string chatSafeName(std::string_view name) {
    std::string chat = keepCharacters(name, [](char32_t c) { return isControl(c) || c == U'"' || c == U';'; });
    if (chat.size() > MaxChatNameBytes) {
        std::size_t cut = MaxChatNameBytes;
        while (cut > 0 && isContinuationByte(chat[cut]))
            --cut;
        chat.resize(cut);
    }
    return chat;
}

} // namespace jukewright
