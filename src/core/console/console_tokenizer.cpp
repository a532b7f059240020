#include "core/console/console_tokenizer.h"

#include "core/system/ascii_case.h"

namespace jukewright {

namespace {

// Where a word would start, Half-Life skips every byte that compares as at most a space: as a
// signed char, every byte from 0x80 on does.
bool isSkippedBeforeWord(char c, const EngineRules& rules) {
    if (rules.highBytesStartWords)
        return static_cast<unsigned char>(c) <= ' ';
    return static_cast<signed char>(c) <= ' ';
}

// Inside a word only the bytes up to the space end it.
bool endsWord(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool isSingleCharacterToken(char c, const EngineRules& rules) {
    return c == '{' || c == '}' || c == '\'' || c == ',' || ((c == '(' || c == ')') && rules.parenthesesAreWords) ||
           (c == ':' && rules.colonIsWord);
}

std::size_t skipBlanks(std::string_view text, std::size_t at, const EngineRules& rules) {
    while (at < text.size() && isSkippedBeforeWord(text[at], rules))
        ++at;
    return at;
}

// Reads the quoted word whose quote is at `at` into `token` and returns where reading stopped.
std::size_t readQuoted(std::string_view text, std::size_t at, std::string& token, const EngineRules& rules) {
    token.clear();
    std::size_t end = at + 1;
    for (; end < text.size() && text[end] != '"'; ++end) {
        if (rules.quoteEscapes && text[end] == '\\' && end + 1 < text.size() && text[end + 1] == '"')
            ++end;
        token += text[end];
    }
    return end == text.size() ? end : end + 1;
}

// Reads the word at `at` (a word starts there) into `token` and returns where reading stopped.
std::size_t readWord(std::string_view text, std::size_t at, std::string& token, const EngineRules& rules) {
    if (text[at] == '"')
        return readQuoted(text, at, token, rules);
    if (isSingleCharacterToken(text[at], rules)) {
        token.assign(1, text[at]);
        return at + 1;
    }
    std::size_t end = at + 1;
    while (end < text.size() && !endsWord(text[end]) && !isSingleCharacterToken(text[end], rules))
        ++end;
    token.assign(text.substr(at, end - at));
    return end;
}

bool startsComment(std::string_view text, std::size_t at) {
    return text.substr(at, 2) == "//";
}

} // namespace

CommandTokens tokenizeCommand(std::string_view command, const EngineRules& rules) {
    CommandTokens tokens;
    std::size_t at = 0;
    std::string token;
    while (true) {
        at = skipBlanks(command, at, rules);
        if (at == command.size())
            return tokens;
        if (tokens.argv.size() == 1)
            tokens.args.assign(command.substr(at));
        if (startsComment(command, at))
            return tokens;
        at = readWord(command, at, token, rules);
        if (token.size() >= LongWordBytes && rules.longWordsEndCommand)
            return tokens;
        if (tokens.argv.size() < MaxCommandTokens)
            tokens.argv.push_back(token);
    }
}

std::string nameKey(std::string_view name) {
    return foldAsciiCase(name);
}

} // namespace jukewright
