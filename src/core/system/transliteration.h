#pragma once

#include <string>
#include <string_view>

namespace jukewright {

// The UTF-8 text in Latin letters and ASCII punctuation where a form exists ("Björk – Jóga" gives
// "Bjork - Joga", "Кино" gives "Kino", "½" gives " 1/2"); characters without one are kept as they
// are. ASCII text comes back unchanged.
std::string transliteratedToAscii(std::string_view utf8);

} // namespace jukewright
