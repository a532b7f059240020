#include "core/system/file_tags.h"

#include <cctype>

namespace jukewright {

int leadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    long number = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        number = number * 10 + (text[at] - '0');
        if (number > 999999) // no album has a million tracks: a tag that says so is noise
            return 0;
    }
    return static_cast<int>(number);
}

} // namespace jukewright
