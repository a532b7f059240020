#include "core/console/command_buffer.h"

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

bool CommandBuffer::endsLine(char c) const {
    return c == '\n' || (c == '\r' && m_rules.crEndsCommand);
}

// Half-Life: a ";" counts while the number of quotes so far is even; the command is cut at the
// longest length.
std::size_t CommandBuffer::quoteCountingEnd() const {
    int quotes = 0;
    std::size_t end = 0;
    for (; end < m_text.size() && end < m_rules.maxCommandLength; ++end) {
        const char c = m_text[end];
        if (c == '"')
            ++quotes;
        if ((c == ';' && quotes % 2 == 0) || endsLine(c))
            break;
    }
    return end;
}

// Xash3D: a ";" counts outside quotes and outside a "//" comment that starts a word; inside quotes
// \" and \\ are one character each.
std::size_t CommandBuffer::quoteAndCommentAwareEnd() const {
    bool quoted = false;
    bool comment = false;
    std::size_t end = 0;
    for (; end < m_text.size(); ++end) {
        const char c = m_text[end];
        const char next = end + 1 < m_text.size() ? m_text[end + 1] : '\0';
        if (!comment) {
            if (c == '"')
                quoted = !quoted;
            if (quoted && c == '\\' && (next == '"' || next == '\\')) {
                ++end;
                continue;
            }
            if (!quoted && c == '/' && next == '/' && (end == 0 || static_cast<unsigned char>(m_text[end - 1]) <= ' '))
                comment = true;
            if (!quoted && !comment && c == ';')
                break;
        }
        if (endsLine(c))
            break;
    }
    return end;
}

std::string CommandBuffer::takeCommand() {
    const std::size_t end = m_rules.splitsOutsideQuotesAndComments ? quoteAndCommentAwareEnd() : quoteCountingEnd();
    std::string command;
    if (!m_rules.discardsLongCommands || end <= m_rules.maxCommandLength)
        command.assign(m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(end));
    // The separator goes with the command; so does the byte at a cut, as in the engine.
    const std::size_t taken = end == m_text.size() ? end : end + 1;
    m_text.erase(m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(taken));
    return command;
}

} // namespace jukewright
