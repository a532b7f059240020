#include "core/system/transliterated_run.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <windows.h>

namespace jukewright {

namespace {

struct Replacement {
    char32_t character;
    std::string_view ascii;
};

// Letters that have no decomposition of their own, and the punctuation names carry most often,
// sorted by character.
constexpr std::array<Replacement, 34> Replacements = {{
    {U'\u00AB', "<<"}, {U'\u00BB', ">>"}, {U'\u00C6', "AE"}, {U'\u00D0', "D"}, {U'\u00D8', "O"},  {U'\u00DE', "Th"},
    {U'\u00DF', "ss"}, {U'\u00E6', "ae"}, {U'\u00F0', "d"},  {U'\u00F8', "o"}, {U'\u00FE', "th"}, {U'\u0110', "D"},
    {U'\u0111', "d"},  {U'\u0126', "H"},  {U'\u0127', "h"},  {U'\u0131', "i"}, {U'\u0141', "L"},  {U'\u0142', "l"},
    {U'\u0152', "OE"}, {U'\u0153', "oe"}, {U'\u02BC', "'"},  {U'\u2010', "-"}, {U'\u2011', "-"},  {U'\u2012', "-"},
    {U'\u2013', "-"},  {U'\u2014', "-"},  {U'\u2018', "'"},  {U'\u2019', "'"}, {U'\u201A', "'"},  {U'\u201C', "\""},
    {U'\u201D', "\""}, {U'\u201E', "\""}, {U'\u2032', "'"},  {U'\u2044', "/"},
}};

static_assert(std::is_sorted(Replacements.begin(), Replacements.end(),
                             [](const Replacement& a, const Replacement& b) { return a.character < b.character; }));

std::wstring wideText(std::string_view utf8) {
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

// The compatibility decomposition: accented letters become a letter and its combining marks, and
// ligatures, fullwidth and circled forms become their plain letters and digits. The text as it is
// when the system cannot decompose it.
std::wstring decomposed(const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    int estimate = NormalizeString(NormalizationKD, text.data(), size, nullptr, 0);
    // The first answer is an estimate; a second try with the size the system then asks for fits.
    for (int attempt = 0; attempt < 4 && estimate > 0; ++attempt) {
        std::wstring result(static_cast<std::size_t>(estimate), L'\0');
        const int length = NormalizeString(NormalizationKD, text.data(), size, result.data(), estimate);
        if (length > 0) {
            result.resize(static_cast<std::size_t>(length));
            return result;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            break;
        estimate = -length;
    }
    return text;
}

bool isHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

} // namespace

// ASCII stays, the table's characters become its text, and everything else goes: combining marks,
// and the scripts with no Latin form on this system (Cyrillic, Greek, CJK, emoji ...).
std::string transliteratedRun(std::string_view utf8Run) {
    const std::wstring text = decomposed(wideText(utf8Run));
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<char32_t>(text[i]);
        if (c < 0x80) {
            result += static_cast<char>(c);
            continue;
        }
        if (isHighSurrogate(text[i])) {
            ++i; // no character beyond the basic plane has a Latin form here
            continue;
        }
        const auto found = std::lower_bound(Replacements.begin(), Replacements.end(), c,
                                            [](const Replacement& r, char32_t key) { return r.character < key; });
        if (found != Replacements.end() && found->character == c)
            result += found->ascii;
    }
    return result;
}

} // namespace jukewright
