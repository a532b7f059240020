#include "core/steam/vdf.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace jukewright {

namespace {

// Deeper nesting is no Steam file; refusing it keeps a hostile file from exhausting the stack when
// the tree is freed.
constexpr std::size_t MaxDepth = 64;

bool sameKey(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

const VdfNode* findKey(const std::vector<VdfNode>& nodes, std::string_view key) {
    const auto found = std::ranges::find_if(nodes, [key](const VdfNode& node) { return sameKey(node.key, key); });
    return found == nodes.end() ? nullptr : &*found;
}

enum class TokenKind { Text, Open, Close, End, Broken };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;
    int line = 1;
};

class Tokenizer {
public:
    // A byte-order mark, as a Windows editor may leave it, is no part of the first key.
    explicit Tokenizer(std::string_view text) : m_text(text) {
        if (m_text.starts_with("\xEF\xBB\xBF"))
            m_text.remove_prefix(3);
    }

    Token next() {
        skipSpaceAndComments();
        Token token{TokenKind::End, {}, m_line};
        if (m_at >= m_text.size())
            return token;
        const char c = m_text[m_at];
        if (c == '{' || c == '}') {
            ++m_at;
            token.kind = c == '{' ? TokenKind::Open : TokenKind::Close;
            return token;
        }
        token.kind = TokenKind::Text;
        if (c == '"')
            return quoted(token);
        while (m_at < m_text.size() && !isDelimiter(m_text[m_at]))
            token.text += m_text[m_at++];
        return token;
    }

private:
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
    static bool isDelimiter(char c) { return isSpace(c) || c == '"' || c == '{' || c == '}'; }

    void skipSpaceAndComments() {
        while (m_at < m_text.size()) {
            if (m_text[m_at] == '\n')
                ++m_line;
            if (isSpace(m_text[m_at])) {
                ++m_at;
            } else if (m_text.substr(m_at).starts_with("//")) {
                m_at = std::min(m_text.find('\n', m_at), m_text.size());
            } else {
                return;
            }
        }
    }

    // Only \\ and \" are escapes: any other backslash stays, so that an unescaped Windows path such
    // as "D:\Games" keeps its bytes.
    Token quoted(Token token) {
        ++m_at;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"')
                return token;
            if (c == '\n')
                ++m_line;
            if (c == '\\' && m_at < m_text.size() && (m_text[m_at] == '\\' || m_text[m_at] == '"')) {
                token.text += m_text[m_at++];
                continue;
            }
            token.text += c;
        }
        token.kind = TokenKind::Broken;
        token.text = "a quoted text starting here is not closed";
        return token;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 1;
};

// A conditional such as [$WIN32] after an entry: the file is read the same on every platform.
bool isConditional(const Token& token) {
    return token.kind == TokenKind::Text && token.text.size() >= 2 && token.text.front() == '[' &&
           token.text.back() == ']';
}

class Parser {
public:
    explicit Parser(std::string_view text) : m_tokens(text) {}

    VdfDocument run() {
        VdfDocument document;
        if (auto error = parse(); error) {
            document.error = std::move(error);
            return document;
        }
        document.entries = std::move(m_top);
        return document;
    }

private:
    struct OpenBlock {
        VdfNode node;
        int line = 0;
    };

    std::vector<VdfNode>& current() { return m_open.empty() ? m_top : m_open.back().node.children; }

    Token nextToken() {
        Token token = m_tokens.next();
        while (isConditional(token))
            token = m_tokens.next();
        return token;
    }

    std::optional<VdfError> parse() {
        for (;;) {
            Token key = nextToken();
            switch (key.kind) {
            case TokenKind::Broken:
                return VdfError{key.line, key.text};
            case TokenKind::End:
                if (m_open.empty())
                    return std::nullopt;
                return VdfError{m_open.back().line,
                                "the block \"" + m_open.back().node.key + "\" opened here is not closed"};
            case TokenKind::Open:
                return VdfError{key.line, "a block has no key before its '{'"};
            case TokenKind::Close:
                if (m_open.empty())
                    return VdfError{key.line, "a '}' closes no block"};
                closeBlock();
                continue;
            case TokenKind::Text:
                if (auto error = entryAfter(std::move(key)); error)
                    return error;
                continue;
            }
        }
    }

    std::optional<VdfError> entryAfter(Token key) {
        Token value = nextToken();
        switch (value.kind) {
        case TokenKind::Broken:
            return VdfError{value.line, value.text};
        case TokenKind::Text:
            current().push_back(VdfNode{std::move(key.text), std::move(value.text), {}, false});
            return std::nullopt;
        case TokenKind::Open:
            if (m_open.size() >= MaxDepth)
                return VdfError{value.line, "the blocks are nested too deeply"};
            m_open.push_back(OpenBlock{VdfNode{std::move(key.text), {}, {}, true}, value.line});
            return std::nullopt;
        case TokenKind::Close:
        case TokenKind::End:
            break;
        }
        return VdfError{key.line, "the key \"" + key.text + "\" has no value"};
    }

    void closeBlock() {
        VdfNode node = std::move(m_open.back().node);
        m_open.pop_back();
        current().push_back(std::move(node));
    }

    Tokenizer m_tokens;
    std::vector<VdfNode> m_top;
    std::vector<OpenBlock> m_open;
};

} // namespace

const VdfNode* VdfNode::child(std::string_view key) const {
    return findKey(children, key);
}

const VdfNode* VdfDocument::entry(std::string_view key) const {
    return findKey(entries, key);
}

VdfDocument parseVdf(std::string_view text) {
    return Parser(text).run();
}

} // namespace jukewright
