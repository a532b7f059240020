#include "core/system/transliteration.h"

#include "core/system/transliterated_run.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace jukewright {

namespace {

bool isAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// Transliteration is slow per call, so only the runs of non-ASCII characters of a name are handed
// to it; runs already seen (the same accented letters and dashes come back in name after name) are
// answered from a small cache.
class RunCache {
public:
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
        return m_cache.emplace(std::move(key), transliteratedRun(run)).first->second;
    }

    std::unordered_map<std::string, std::string> m_cache;
    std::mutex m_mutex;
};

} // namespace

std::string transliteratedToAscii(std::string_view utf8) {
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), isAscii);
    if (ascii)
        return std::string(utf8);
    static RunCache cache;
    return cache.transliterated(utf8);
}

} // namespace jukewright
