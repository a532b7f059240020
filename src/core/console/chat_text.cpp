#include "core/console/chat_text.h"

namespace jukewright {

namespace {

bool isContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the UTF-8 character at `at`, or 0 when the bytes there are not one (a stray or
// missing continuation byte, an overlong form, a surrogate or a code point past U+10FFFF).
std::size_t characterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if (!isContinuationByte(static_cast<unsigned char>(text[at + i])))
            return 0;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = characterLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

} // namespace

std::size_t maxChatTextBytes(ChatChannel channel) {
    const std::size_t prefix = 1 + (channel == ChatChannel::Team ? 7 : 0) + ChatPlayerName.size() + 2;
    return ChatLineBytes - prefix;
}

std::optional<std::string> chatText(std::string_view rawText, ChatChannel channel) {
    std::string text(rawText);
    if (text.starts_with('"')) {
        text.erase(0, 1);
        if (!text.empty())
            text.pop_back();
    }
    if (text.empty() || !isValidUtf8(text))
        return std::nullopt;
    if (text.size() > maxChatTextBytes(channel))
        text.resize(maxChatTextBytes(channel));
    return text;
}

} // namespace jukewright
