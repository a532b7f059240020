#include "core/system/transliteration.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unordered_map>

namespace jukewright {

namespace {

bool isAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// ICU's transliterator is costly to create and slow per call, so it is made once and asked only about
// the runs of non-ASCII characters of a name; runs already seen (the same accented letters and dashes
// come back in name after name) are answered from a small cache.
class RunTransliterator {
public:
    RunTransliterator() {
        UErrorCode status = U_ZERO_ERROR;
        m_transliterator.reset(icu::Transliterator::createInstance("Any-Latin; Latin-ASCII", UTRANS_FORWARD, status));
        if (U_FAILURE(status))
            m_transliterator.reset();
    }

    std::string transliterated(std::string_view utf8) {
        std::string result;
        result.reserve(utf8.size());
        const std::lock_guard lock(m_mutex);
        for (std::size_t at = 0; at < utf8.size();) {
            std::size_t end = at;
            const bool ascii = isAscii(utf8[at]);
            while (end < utf8.size() && isAscii(utf8[end]) == ascii)
                ++end;
            const std::string_view run = utf8.substr(at, end - at);
            if (ascii)
                result += run;
            else
                result += cached(run);
            at = end;
        }
        return result;
    }

private:
    static constexpr std::size_t MaxCachedRuns = 4096;

    const std::string& cached(std::string_view run) {
        std::string key(run);
        if (const auto found = m_cache.find(key); found != m_cache.end())
            return found->second;
        if (m_cache.size() >= MaxCachedRuns)
            m_cache.clear();
        return m_cache.emplace(std::move(key), transliterate(run)).first->second;
    }

    std::string transliterate(std::string_view run) const {
        if (!m_transliterator)
            return std::string(run);
        icu::UnicodeString text =
            icu::UnicodeString::fromUTF8(icu::StringPiece(run.data(), static_cast<int32_t>(run.size())));
        m_transliterator->transliterate(text);
        std::string result;
        return text.toUTF8String(result);
    }

    std::unique_ptr<icu::Transliterator> m_transliterator;
    std::unordered_map<std::string, std::string> m_cache;
    std::mutex m_mutex;
};

} // namespace

std::string transliteratedToAscii(std::string_view utf8) {
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), isAscii);
    if (ascii)
        return std::string(utf8);
    static RunTransliterator transliterator;
    return transliterator.transliterated(utf8);
}

} // namespace jukewright
