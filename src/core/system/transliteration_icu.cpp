#include "core/system/transliterated_run.h"

#include <memory>
#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace jukewright {

namespace {

// Costly to create, so made once; null when ICU lacks the rules, and then runs stay as they are.
std::unique_ptr<icu::Transliterator> makeTransliterator() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> transliterator(
        icu::Transliterator::createInstance("Any-Latin; Latin-ASCII", UTRANS_FORWARD, status));
    if (U_FAILURE(status))
        return nullptr;
    return transliterator;
}

} // namespace

std::string transliteratedRun(std::string_view utf8Run) {
    static const std::unique_ptr<icu::Transliterator> transliterator = makeTransliterator();
    if (!transliterator)
        return std::string(utf8Run);
    icu::UnicodeString text =
        icu::UnicodeString::fromUTF8(icu::StringPiece(utf8Run.data(), static_cast<int32_t>(utf8Run.size())));
    transliterator->transliterate(text);
    std::string result;
    return text.toUTF8String(result);
}

} // namespace jukewright
