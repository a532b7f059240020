#include "core/playlist/file_uri.h"

#include <algorithm>
#include <cctype>

namespace jukewright {

namespace {

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A "%" that is not followed by two hex digits is kept as it stands.
std::string percentDecoded(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                result += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

} // namespace

std::optional<std::string> localPathFromFileUri(std::string_view uri) {
    constexpr std::string_view scheme = "file://";
    if (uri.size() < scheme.size() || !equalsIgnoringAsciiCase(uri.substr(0, scheme.size()), scheme))
        return std::nullopt;
    const std::string_view rest = uri.substr(scheme.size());
    const std::size_t pathStart = rest.find('/');
    if (pathStart == std::string_view::npos)
        return std::nullopt;
    const std::string_view host = rest.substr(0, pathStart);
    if (!host.empty() && !equalsIgnoringAsciiCase(host, "localhost"))
        return std::nullopt;
    std::string path = percentDecoded(rest.substr(pathStart));
#ifdef _WIN32
    // "file:///C:/Music/a.mp3" names "C:/Music/a.mp3".
    if (path.size() >= 3 && path[0] == '/' && std::isalpha(static_cast<unsigned char>(path[1])) && path[2] == ':')
        path.erase(0, 1);
#endif
    return path;
}

} // namespace jukewright
