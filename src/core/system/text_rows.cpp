#include "core/system/text_rows.h"

#include "core/system/file_io.h"

namespace jukewright {

namespace {

bool lfEndsRow(LineEnds ends) {
#ifdef _WIN32
    return ends == LineEnds::Any;
#else
    (void)ends;
    return true;
#endif
}

} // namespace

std::vector<std::string> splitRows(std::string_view text, LineEnds ends) {
    const bool lf = lfEndsRow(ends);
    std::vector<std::string> rows;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && !(lf && c == '\n'))
            continue;
        rows.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        rows.emplace_back(text.substr(start));
    return rows;
}

FileRows readTextRows(std::string_view path, LineEnds ends) {
    FileContent content = readFileBytes(path);
    if (content.error)
        return {{}, content.error};
    return {splitRows(content.bytes, ends), {}};
}

} // namespace jukewright
