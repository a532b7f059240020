#include "core/console/exec_line_reader.h"

#include "core/console/command_buffer.h"

namespace jukewright {

namespace {

bool endsLine(char c) {
    return static_cast<signed char>(c) < ' ';
}

} // namespace

std::string_view ExecLineReader::next() {
    while (m_at < m_text.size() && endsLine(m_text[m_at]))
        ++m_at;
    const std::size_t start = m_at;
    while (m_at < m_text.size() && m_at - start < MaxCommandLength && !endsLine(m_text[m_at]))
        ++m_at;
    return m_text.substr(start, m_at - start);
}

} // namespace jukewright
