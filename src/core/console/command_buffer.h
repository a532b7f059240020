#pragma once

#include "core/console/engine_rules.h"

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace jukewright {

// Half-Life's command buffer holds fewer than this many bytes.
inline constexpr std::size_t CommandBufferSize = GoldSrcRules.commandBufferSize;
// The longest command Half-Life takes off the buffer at once.
inline constexpr std::size_t MaxCommandLength = GoldSrcRules.maxCommandLength;

// The console's queue of text waiting to run. Text is added at the end (typed commands, the lines
// of a file) or at the front (the text of an alias, which runs before what was already waiting).
class CommandBuffer {
public:
    explicit CommandBuffer(const EngineRules& rules = GoldSrcRules) : m_rules(rules) {}

    // Each returns false and changes nothing when the text does not fit.
    bool append(std::string_view text);
    bool insertFront(std::string_view text);

    // Takes the next command off the front. A command ends at an LF (and a CR where the rules say so)
    // or at a ";" (see
    // EngineRules for where a ";" counts). A command longer than the engine's longest is discarded,
    // or cut there: then the byte at the cut is lost and the rest is a further command.
    std::string takeCommand();

    bool empty() const { return m_text.empty(); }
    std::size_t size() const { return m_text.size(); }
    void clear() { m_text.clear(); }

private:
    bool fits(std::string_view text) const { return m_text.size() + text.size() < m_rules.commandBufferSize; }
    bool endsLine(char c) const;
    std::size_t quoteCountingEnd() const;
    std::size_t quoteAndCommentAwareEnd() const;

    EngineRules m_rules;

    // A deque, because alias text goes in at the front and commands come off the front.
    std::deque<char> m_text;
};

} // namespace jukewright
