#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace jukewright {

// The engine's command buffer holds fewer than this many bytes.
inline constexpr std::size_t CommandBufferSize = 16384;
// The longest command the engine takes off the buffer at once.
inline constexpr std::size_t MaxCommandLength = 1023;

// The console's queue of text waiting to run. Text is added at the end (typed commands, the lines
// of a file) or at the front (the text of an alias, which runs before what was already waiting).
class CommandBuffer {
public:
    // Each returns false and changes nothing when the text does not fit.
    bool append(std::string_view text);
    bool insertFront(std::string_view text);

    // Takes the next command off the front. A command ends at a line end, or at a ";" while the
    // number of double quotes before it in the command is even. A command longer than
    // MaxCommandLength is cut there: the byte at the cut is lost and the rest is a further command.
    std::string takeCommand();

    bool empty() const { return m_text.empty(); }
    std::size_t size() const { return m_text.size(); }
    void clear() { m_text.clear(); }

private:
    bool fits(std::string_view text) const { return m_text.size() + text.size() < CommandBufferSize; }

    // A deque, because alias text goes in at the front and commands come off the front.
    std::deque<char> m_text;
};

} // namespace jukewright
