#include "core/system/ascii_case.h"

namespace jukewright {

std::string foldAsciiCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

} // namespace jukewright
