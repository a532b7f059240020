#include "core/system/transliteration.h"

#include <gtest/gtest.h>
#include <memory>
#include <unicode/translit.h>
#include <unicode/unistr.h>

using namespace jukewright;

namespace {

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

} // namespace

TEST(Transliteration, GivesWhatTheWholeNameGivesForOrdinaryNames) {
    const std::pair<const char*, const char*> names[] = {
        {"Bj\u00F6rk \u2013 J\u00F3ga (Live).mp3", "Bjork - Joga (Live).mp3"},
        {"\u041A\u0438\u043D\u043E - \u0413\u0440\u0443\u043F\u043F\u0430 \u043A\u0440\u043E\u0432\u0438.mp3",
         "Kino - Gruppa krovi.mp3"},
        {"\u03A3\u03BF\u03C5 \u03C4\u03B1 \u03BB\u03AD\u03C9.mp3", nullptr},
        {"\u65E5\u672C \u306E\u6B4C 01.mp3", nullptr},
        {"\u0627\u0644\u0641 \u0644\u064A\u0644\u0629.mp3", nullptr},
        {"Stra\u00DFe \u00BD \u00C6ther \u00AB\u00E9t\u00E9\u00BB \u2018x\u2019.mp3", nullptr},
        {"\u0429\u0423\u041A\u0410 \u0429\u0443\u043A\u0430.mp3", nullptr},
        {"plain ASCII, as it was.mp3", "plain ASCII, as it was.mp3"},
    };
    for (const auto& [name, expected] : names) {
        // Twice, so that the second answer comes from what was already seen.
        for (int round = 0; round < 2; ++round)
            EXPECT_EQ(transliteratedToAscii(name), wholeNameTransliterated(name)) << name;
        if (expected) {
            EXPECT_EQ(transliteratedToAscii(name), expected);
        }
    }
}
