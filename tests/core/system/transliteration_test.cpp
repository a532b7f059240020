#include "core/system/transliteration.h"

#include <gtest/gtest.h>
#include <memory>

#ifndef _WIN32
#include <unicode/translit.h>
#include <unicode/unistr.h>
#endif

using namespace jukewright;

namespace {

struct Transliterated {
    const char* name;
    const char* withIcu;
    // Windows decomposes and keeps what is Latin; other scripts have no Latin form there. Nothing
    // here: as with ICU.
    const char* onWindows = nullptr;
};

const char* expectedHere(const Transliterated& row) {
#ifdef _WIN32
    return row.onWindows ? row.onWindows : row.withIcu;
#else
    return row.withIcu;
#endif
}

#ifndef _WIN32
// ICU's own answer for the whole name at once.
std::string wholeNameTransliterated(const std::string& name) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Transliterator> transliterator(
        icu::Transliterator::createInstance("Any-Latin; Latin-ASCII", UTRANS_FORWARD, status));
    EXPECT_TRUE(U_SUCCESS(status));
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(name);
    transliterator->transliterate(text);
    std::string result;
    return text.toUTF8String(result);
}
#endif

} // namespace

TEST(Transliteration, SpellsLatinLettersInAsciiAndOtherScriptsWhereThePlatformCan) {
    const Transliterated rows[] = {
        {"Bj\u00F6rk \u2013 J\u00F3ga (Live).mp3", "Bjork - Joga (Live).mp3"},
        {"\u00C5ngstr\u00F6m \u00D1and\u00FA \u010Cesk\u00FD \u0218tef\u0103nescu", "Angstrom Nandu Cesky Stefanescu"},
        // a name stored decomposed: ICU leaves a lone mark for the caller to drop
        {"Cafe\u0301", "Cafe\u0301", "Cafe"},
        // letters and punctuation without a decomposition of their own
        {"Stra\u00DFe \u00C6ther \u00E6 \u00D8rsted \u00F8l \u0152uvre \u0153uf \u0141\u00F3d\u017A \u0142 "
         "\u0110or\u0111e "
         "\u00D0 \u00F0 \u0131 \u0126 \u0127 \u00DE\u00F3rir \u00FEorn \u201CQuote\u201D \u2018x\u2019 \u00ABfr\u00BB",
         "Strasse AEther ae Orsted ol OEuvre oeuf Lodz l Dorde D d i H h THorir thorn \"Quote\" 'x' <<fr>>",
         "Strasse AEther ae Orsted ol OEuvre oeuf Lodz l Dorde D d i H h Thorir thorn \"Quote\" 'x' <<fr>>"},
        // compatibility forms
        {"\uFB01n \uFB02ow \uFF33\uFF4F\uFF4E\uFF47 \uFF11 \u01C6 \u0132 \u0149 \u017F \u2026 "
         "\u00A0nbsp\u3000ideographic "
         "\u00BD Time \u2460 \u00B2 \u216B \u2122",
         "fin flow Song 1 dz IJ 'n s ...  nbsp ideographic  1/2 Time \u2460 \u00B2 XII \u2122",
         "fin flow Song 1 dz IJ 'n s ...  nbsp ideographic 1/2 Time 1 2 XII TM"},
        // scripts without Latin letters, and what no platform spells
        {"\u041A\u0438\u043D\u043E - \u0413\u0440\u0443\u043F\u043F\u0430 \u043A\u0440\u043E\u0432\u0438.mp3",
         "Kino - Gruppa krovi.mp3", " -  .mp3"},
        {"\u65E5\u672C \u306E\u6B4C 01", "ri ben no ge 01", "  01"},
        {"\U0001F600 smile \U0001F3B5", "\U0001F600 smile \U0001F3B5", " smile "},
        {"plain ASCII, as it was.mp3", "plain ASCII, as it was.mp3"},
    };
    for (const auto& row : rows) {
        // Twice, so that the second answer comes from what was already seen.
        for (int round = 0; round < 2; ++round)
            EXPECT_EQ(transliteratedToAscii(row.name), expectedHere(row)) << row.name;
    }
}

#ifndef _WIN32
TEST(Transliteration, GivesWhatTheWholeNameGivesForOrdinaryNames) {
    const char* const names[] = {
        "\u03A3\u03BF\u03C5 \u03C4\u03B1 \u03BB\u03AD\u03C9.mp3",
        "\u0627\u0644\u0641 \u0644\u064A\u0644\u0629.mp3",
        "Stra\u00DFe \u00BD \u00C6ther \u00AB\u00E9t\u00E9\u00BB \u2018x\u2019.mp3",
        "\u0429\u0423\u041A\u0410 \u0429\u0443\u043A\u0430.mp3",
    };
    for (const std::string name : names)
        EXPECT_EQ(transliteratedToAscii(name), wholeNameTransliterated(name)) << name;
}
#endif
