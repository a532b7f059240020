#pragma once

#include <cstddef>
#include <string_view>

namespace jukewright {

// How the engine reads a file too large for its command buffer: line by line. A line ends at every
// byte that compares below a space as a signed char (line ends, tabs and every byte from 0x80 on);
// that byte is lost, and a run of such bytes is skipped whole. A line longer than a command is cut
// into pieces of MaxCommandLength bytes.
class ExecLineReader {
public:
    explicit ExecLineReader(std::string_view text) : m_text(text) {}

    // The next line, or an empty view when the file is done.
    std::string_view next();

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace jukewright
