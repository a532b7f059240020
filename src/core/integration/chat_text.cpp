#include "core/integration/chat_text.h"

#include <utf8.h>

namespace jukewright {

namespace {

std::string withoutInvalidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    auto at = text.begin();
    while (at != text.end()) {
        const auto bad = utf8::find_invalid(at, text.end());
        valid.append(at, bad);
        if (bad == text.end())
            break;
        at = bad + 1;
    }
    return valid;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string chatText(std::string_view text) {
    std::string valid = withoutInvalidUtf8(text);
    if (valid.size() <= MaxChatTextBytes)
        return valid;
    std::size_t cut = MaxChatTextBytes;
    while (cut > 0 && isContinuationByte(valid[cut]))
        --cut;
    valid.resize(cut);
    return valid;
}

} // namespace jukewright
