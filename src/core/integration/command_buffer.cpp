#include "core/integration/command_buffer.h"

namespace jukewright {

bool CommandBuffer::append(std::string_view text) {
    if (!fits(text))
        return false;
    m_text.insert(m_text.end(), text.begin(), text.end());
    return true;
}

bool CommandBuffer::insertFront(std::string_view text) {
    if (!fits(text))
        return false;
    m_text.insert(m_text.begin(), text.begin(), text.end());
    return true;
}

std::string CommandBuffer::takeCommand() {
    int quotes = 0;
    std::size_t end = 0;
    for (; end < m_text.size() && end < MaxCommandLength; ++end) {
        const char c = m_text[end];
        if (c == '"')
            ++quotes;
        if ((c == ';' && quotes % 2 == 0) || c == '\n' || c == '\r')
            break;
    }
    std::string command(m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(end));
    // The separator goes with the command; so does the byte at a cut, as in the engine.
    const std::size_t taken = end == m_text.size() ? end : end + 1;
    m_text.erase(m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(taken));
    return command;
}

} // namespace jukewright
