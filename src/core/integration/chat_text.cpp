#include "core/integration/chat_text.h"

#include <algorithm>

namespace jukewright {

namespace {

// As the C library sees a byte in the "C" locale: bytes from 0x80 on are neither printable nor space.
bool isVisibleAscii(char c) {
    return c > ' ' && c <= '~';
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence a lead byte starts, or 1 for any other byte.
std::size_t sequenceLength(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0xF0 && byte <= 0xF7)
        return 4;
    if (byte >= 0xE0)
        return byte <= 0xEF ? 3 : 1;
    if (byte >= 0xC0)
        return 2;
    return 1;
}

// Drops a multi-byte character whose last bytes the cut took away.
void dropBrokenTail(std::string& text) {
    std::size_t lead = text.size();
    while (lead > 0 && text.size() - lead < 3 && isContinuationByte(text[lead - 1]))
        --lead;
    if (lead == 0)
        return;
    --lead;
    if (sequenceLength(text[lead]) > text.size() - lead)
        text.resize(lead);
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
    if (std::none_of(text.begin(), text.end(), isVisibleAscii))
        return std::nullopt;
    if (text.size() > maxChatTextBytes(channel)) {
        text.resize(maxChatTextBytes(channel));
        dropBrokenTail(text);
    }
    return text;
}

} // namespace jukewright
